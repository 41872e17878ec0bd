// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The busy states the handler benchmarks start from, built through the core's handlers as the
// player's events would build them, and a random source whose start-up seed is fixed so every
// run picks the same way.

#include "NumberText.h"
#include "PlayerEvents.h"
#include "RandomSource.h"
#include "SelectorState.h"
#include "Startup.h"

#include <cstdint>
#include <string>

namespace drawlet::bench {

class FixedSeedRandom final : public RandomSource {
public:
    void seedFromTimeOfDay() override { inner_.seed(0x5eed); }
    double next() override { return inner_.next(); }

private:
    ClockSeededRandom inner_;
};

// The two digits typed into box `box` of combination `combination`: spread over 00 to 99, with
// repeats inside some combinations, as real draws have.
inline std::string digitsFor(int combination, int box) {
    return formatTwoDigits((combination * 7 + box * 13) % 100);
}

// A number put into an entry box whole (as a paste would), then a key's release there.
// One player's event while a start state is built; the undo history it leaves is not kept.
inline void play(SelectorState& state, RandomSource& random, const PlayerEvent& event) {
    UndoHistory history;
    apply(state, history, random, event);
}

inline void fillEntryBox(SelectorState& state, RandomSource& random, int box,
                         const std::string& digits) {
    const FocusTarget target{ControlId::txtNumber, box};
    play(state, random, TextEdited{target, digits});
    play(state, random, KeyReleased{target, '0', 0});
}

inline SelectorState startedState(RandomSource& random) {
    SelectorState state;
    Form_Load(state, random);
    Form_Shown(state);
    play(state, random, SliderMoved{ControlId::HScroll2, 9});
    return state;
}

inline void enterCombinations(SelectorState& state, RandomSource& random, int count) {
    const auto first = static_cast<int>(state.lstNumbers.size());
    for (int combination = first; combination < first + count; ++combination) {
        for (int box = 0; box < kEntryBoxes; ++box) {
            fillEntryBox(state, random, box, digitsFor(combination, box));
        }
    }
}

// 99 combinations stored and the tenth box of the 100th holding its two digits: only the
// release of the last key is left.
inline SelectorState beforeHundredthCombination(RandomSource& random) {
    SelectorState state = startedState(random);
    enterCombinations(state, random, kMaxCombinations - 1);
    for (int box = 0; box < kEntryBoxes - 1; ++box) {
        fillEntryBox(state, random, box, digitsFor(kMaxCombinations - 1, box));
    }
    play(state, random,
         TextEdited{{ControlId::txtNumber, kEntryBoxes - 1},
                    digitsFor(kMaxCombinations - 1, kEntryBoxes - 1)});
    return state;
}

// Base set size 100 with auto-fill starting at 0: all 100 boxes in use, still empty.
inline SelectorState hundredEmptyBoxes(RandomSource& random) {
    SelectorState state = startedState(random);
    play(state, random, Clicked{{ControlId::Option1, 0}});
    play(state, random, SliderMoved{ControlId::HScroll3, 100});
    return state;
}

// The busiest state: 100 combinations picked, all 100 base set boxes filled, Include chosen.
inline SelectorState busiestState(RandomSource& random) {
    SelectorState state = hundredEmptyBoxes(random);
    enterCombinations(state, random, kMaxCombinations);
    play(state, random, Clicked{{ControlId::Command1, 0}});
    play(state, random, Clicked{{ControlId::optInclusion, 0}});
    return state;
}

// Base set size 0 with auto-fill starting at 0, boxes empty: the start of the largest change.
inline SelectorState emptyBaseSetStartingAtZero(RandomSource& random) {
    SelectorState state = startedState(random);
    play(state, random, Clicked{{ControlId::Option1, 0}});
    return state;
}

} // namespace drawlet::bench
