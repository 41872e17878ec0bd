// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomPick.h"

#include "NumberText.h"
#include "PlayNumbers.h"

#include <algorithm>

namespace drawlet {
namespace {

// Draws Q distinct positions into PickIndex 1..Q. Each draw takes one generator value and is
// redrawn until its position is new; a table of taken positions answers "is it new" at once
// instead of comparing with every earlier pick, with the same values consumed and the same
// positions chosen.
void drawDistinctPositions(SelectorState& state, RandomSource& random, int quantity) {
    std::array<bool, kMaxStoredNumbers + 1> taken{};
    for (int k = 1; k <= quantity; ++k) {
        int position = 0;
        do {
            position = positionFor(random.next(), storedNumberCount(state));
        } while (taken[static_cast<std::size_t>(position)]);
        taken[static_cast<std::size_t>(position)] = true;
        state.PickIndex[k] = static_cast<std::int16_t>(position);
    }
}

// Fills lstSort with the numbers at the drawn positions, each value once, ascending. The
// numbers are 0 to 99, so marking them in a table of values gives the same lines as adding all
// of them to the sorted list and walking out the repeats.
void collectPickedNumbers(SelectorState& state, int quantity) {
    std::array<bool, 100> present{};
    for (int k = 1; k <= quantity; ++k) {
        const int number = state.CombNumbers[state.PickIndex[k]];
        present[static_cast<std::size_t>(std::clamp(number, 0, 99))] = true;
    }
    state.lstSort.clear();
    for (int number = 0; number < 100; ++number) {
        if (present[static_cast<std::size_t>(number)]) {
            state.lstSort.add(formatTwoDigits(number));
        }
    }
}

} // namespace

int positionFor(double r, int positions) {
    // positions * r is never negative, so dropping the fraction is the floor.
    const auto drawn = static_cast<int>(positions * r) + 1;
    return std::clamp(drawn, 1, positions);
}

void cmdPick_Click(SelectorState& state, RandomSource& random) {
    if (!state.lstNumbers.empty()) {
        const int quantity = state.HScroll1.value;
        drawDistinctPositions(state, random, quantity);
        collectPickedNumbers(state, quantity);
        state.Frame1 = pickedCaption(static_cast<int>(state.lstSort.count()));
        state.Label3 = joinNumbers(state.lstSort);
    }
    Display_Play_Numbers(state);
}

} // namespace drawlet
