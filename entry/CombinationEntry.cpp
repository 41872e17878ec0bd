// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CombinationEntry.h"

#include "Focus.h"
#include "NumberText.h"
#include "Quantity.h"
#include "RandomPick.h"

#include <optional>

namespace drawlet {
namespace {

// The first box in use that does not yet hold two digits, if any.
std::optional<int> firstUnfinishedBox(const SelectorState& state) {
    for (int j = 0; j <= state.HScroll2.value; ++j) {
        if (!holdsNumber(state.txtNumber[j].text)) {
            return j;
        }
    }
    return std::nullopt;
}

// Appends the finished row as the next combination: its numbers after the earlier ones in
// CombNumbers, its line in lstNumbers; then the quantity becomes every stored number, the focus
// returns to the first box and all stored positions are picked.
void storeCombination(SelectorState& state, RandomSource& random) {
    const int size = pickSize(state);
    const auto stored = static_cast<int>(state.lstNumbers.size());
    std::string line;
    for (int j = 0; j < size; ++j) {
        TextBox& box = state.txtNumber[j];
        state.CombNumbers[j + size * stored + 1] = static_cast<std::int16_t>(valueOfText(box.text));
        line += box.text;
        line += ' ';
        box.text.clear();
    }
    state.lstNumbers.push_back(std::move(line));
    state.Label1 = combinationsCaption(stored + 1);
    const int numbers = storedNumberCount(state);
    state.HScroll1.max = static_cast<std::int16_t>(numbers);
    setQuantity(state, numbers);
    state.HScroll1.largeChange = static_cast<std::int16_t>(numbers / 10 + 1);
    focusNumberBox(state, 0);
    cmdPick_Click(state, random);
}

} // namespace

void txtNumber_GotFocus(SelectorState& state, int index) {
    if (TextBox* box = state.txtNumber.at(index)) {
        selectWholeText(*box);
    }
}

void focusNumberBox(SelectorState& state, int index) {
    recordFocus(state, {ControlId::txtNumber, index});
    txtNumber_GotFocus(state, index);
}

// Acts on the release of any key, judged only by the text of the box: an arrow key or Shift
// released in a finished box moves on just as the second digit does. (The releases that belong
// to a Tab move never get here: apply() keeps them out.)
void txtNumber_KeyUp(SelectorState& state, RandomSource& random, int index) {
    const TextBox* box = state.txtNumber.at(index);
    if (box == nullptr || !holdsNumber(box->text)) {
        return;
    }
    if (state.lstNumbers.size() >= kMaxCombinations) {
        focusNumberBox(state, 0);
        return;
    }
    const int last = state.HScroll2.value;
    if (index < last) {
        focusNumberBox(state, index + 1);
    } else if (index == last) {
        // A box the player skipped holds no number: send the focus there instead of storing a
        // number that was never typed.
        if (const auto unfinished = firstUnfinishedBox(state)) {
            focusNumberBox(state, *unfinished);
        } else {
            storeCombination(state, random);
        }
    }
}

} // namespace drawlet
