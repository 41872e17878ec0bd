// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The largest handlers on the core alone, no window: each starts from a copy of its busy state,
// restored outside the timed part, so every iteration does the whole of the work. The copies
// cost more than most handlers, so each repetition is kept short.

#include "BaseSetSize.h"
#include "CombinationEntry.h"
#include "Controls.h"
#include "CoreStates.h"
#include "PlayerEvents.h"
#include "Resets.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace drawlet::bench {
namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "core benchmark setup: %s\n", what);
        std::exit(1);
    }
}

// Times `handler` on a fresh copy of `start` each iteration and checks once that it did what
// the benchmark claims.
template <typename Handler, typename Check>
void timeOnCopies(benchmark::State& run, const SelectorState& start, Handler handler, Check check) {
    SelectorState state = start;
    bool checked = false;
    for (auto _ : run) {
        handler(state);
        run.PauseTiming();
        if (!checked) {
            check(state);
            checked = true;
        }
        state = start;
        run.ResumeTiming();
    }
}

void BM_Core_HundredthCombination(benchmark::State& run) {
    FixedSeedRandom random;
    const SelectorState start = beforeHundredthCombination(random);
    UndoHistory history; // the change is recorded as the program records it
    timeOnCopies(
        run, start,
        [&](SelectorState& state) {
            apply(state, history, random,
                  KeyReleased{{ControlId::txtNumber, kEntryBoxes - 1}, '0', 0});
        },
        [](const SelectorState& state) {
            require(state.lstNumbers.size() == kMaxCombinations && state.HScroll1.max == 1000 &&
                        !state.lstSort.lines().empty(),
                    "the 100th combination was not stored and picked");
        });
}

void BM_Core_AutoFill100(benchmark::State& run) {
    FixedSeedRandom random;
    const SelectorState start = hundredEmptyBoxes(random);
    timeOnCopies(
        run, start, [](SelectorState& state) { Command1_Click(state); },
        [](const SelectorState& state) {
            require(state.txtSelNumbers[99].text == "99" && state.txtSelNumbers[99].visible,
                    "auto-fill did not fill 100 boxes");
        });
}

void BM_Core_ClearAll(benchmark::State& run) {
    FixedSeedRandom random;
    const SelectorState start = busiestState(random);
    require(start.lstNumbers.size() == kMaxCombinations && start.lstPlaySort.count() == 100 &&
                start.typeOfSelection == SelectionType::Include,
            "the busiest state is not busy");
    timeOnCopies(
        run, start, [](SelectorState& state) { cmdClear_Click(state); },
        [](const SelectorState& state) {
            require(state.lstNumbers.empty() && state.txtSelNumbers[99].text.empty(),
                    "Clear All left something behind");
        });
}

void BM_Core_BaseSetGrow(benchmark::State& run) {
    FixedSeedRandom random;
    const SelectorState start = emptyBaseSetStartingAtZero(random);
    timeOnCopies(
        run, start, [](SelectorState& state) { moveSlider(state, ControlId::HScroll3, 100); },
        [](const SelectorState& state) {
            require(state.txtSelNumbers[99].visible && state.txtSelNumbers[99].text.empty(),
                    "the base set did not grow to 100 empty boxes");
        });
}

void BM_Core_BaseSetGrowAndFill(benchmark::State& run) {
    FixedSeedRandom random;
    const SelectorState start = emptyBaseSetStartingAtZero(random);
    timeOnCopies(
        run, start,
        [](SelectorState& state) {
            moveSlider(state, ControlId::HScroll3, 100);
            Command1_Click(state);
        },
        [](const SelectorState& state) {
            require(state.lstPlaySort.count() == 100, "the base set did not grow to 100");
        });
}

void BM_Core_BaseSetShrink(benchmark::State& run) {
    FixedSeedRandom random;
    SelectorState start = emptyBaseSetStartingAtZero(random);
    moveSlider(start, ControlId::HScroll3, 100);
    Command1_Click(start);
    timeOnCopies(
        run, start, [](SelectorState& state) { moveSlider(state, ControlId::HScroll3, 0); },
        [](const SelectorState& state) {
            require(!state.txtSelNumbers[0].visible && state.lstPlaySort.count() == 0,
                    "the base set did not shrink to 0");
        });
}

#define CORE_BENCHMARK(name)                                                                       \
    BENCHMARK(name)                                                                                \
        ->Unit(benchmark::kMicrosecond)                                                            \
        ->MinTime(0.05)                                                                            \
        ->Repetitions(5)                                                                           \
        ->ReportAggregatesOnly(true)

CORE_BENCHMARK(BM_Core_HundredthCombination);
CORE_BENCHMARK(BM_Core_AutoFill100);
CORE_BENCHMARK(BM_Core_ClearAll);
CORE_BENCHMARK(BM_Core_BaseSetGrow);
CORE_BENCHMARK(BM_Core_BaseSetGrowAndFill);
CORE_BENCHMARK(BM_Core_BaseSetShrink);

} // namespace
} // namespace drawlet::bench
