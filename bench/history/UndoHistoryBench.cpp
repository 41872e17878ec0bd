// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the undo history costs at its full 100 levels in the busiest states, against keeping a
// full copy of the state for each level.
//
// Two runs of 100 steps, each recorded as the program records a change:
//   typing   the last ten of 100 combinations of pick size 10 typed box by box (a step per box),
//            with 100 base set boxes filled and Include chosen;
//   picks    100 quantity moves, each followed by Pick, in that state once all 100
//            combinations are stored: every step changes the picked numbers, the pick's 1000
//            positions and the play numbers.
// Contenders per run:
//   BM_History...      the history as the program keeps it, sharing unchanged parts between steps;
//   BM_Unshared...     the same compact snapshots, each standing alone (what the history costs
//                      if no two steps had anything in common);
//   BM_FullCopies...   the baseline: a queue of 100 full copies of the state.
// Each iteration fills a fresh history with the 100 steps and empties it again. The counter
// `heap_bytes` is what the filled history holds on the heap (glibc's count of bytes in use,
// allocator overhead included), measured once before timing.

#include "CoreStates.h"
#include "UndoHistory.h"
#include "support/SideBySide.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <deque>
#include <malloc.h>
#include <vector>

namespace drawlet::bench {
namespace {

constexpr int kLevels = 100;

// The state before each of 100 steps, and the present state after the last one.
using Steps = std::vector<SelectorState>;

Steps typingSteps() {
    FixedSeedRandom random;
    SelectorState state = hundredEmptyBoxes(random);
    play(state, random, Clicked{{ControlId::Command1, 0}});
    play(state, random, Clicked{{ControlId::optInclusion, 0}});
    enterCombinations(state, random, kMaxCombinations - kLevels / kEntryBoxes);
    Steps steps;
    for (int combination = kMaxCombinations - kLevels / kEntryBoxes; combination < kMaxCombinations;
         ++combination) {
        for (int box = 0; box < kEntryBoxes; ++box) {
            steps.push_back(state);
            fillEntryBox(state, random, box, digitsFor(combination, box));
        }
    }
    steps.push_back(state);
    return steps;
}

Steps pickSteps() {
    FixedSeedRandom random;
    SelectorState state = busiestState(random);
    Steps steps;
    for (int step = 0; step < kLevels; ++step) {
        steps.push_back(state);
        play(state, random, SliderMoved{ControlId::HScroll1, kMaxStoredNumbers - 9 * step});
        play(state, random, Clicked{{ControlId::cmdPick, 0}});
    }
    steps.push_back(state);
    return steps;
}

const Steps& steps(bool picks) {
    static const Steps typing = typingSteps();
    static const Steps picking = pickSteps();
    return picks ? picking : typing;
}

std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

enum class Keeping { Shared, Unshared, FullCopies };

// Fills a history of 100 levels with the steps, as the program records them, and returns the
// heap it holds.
std::size_t keep(const Steps& steps, Keeping keeping) {
    const std::size_t before = heapInUse();
    std::size_t held = 0;
    if (keeping == Keeping::FullCopies) {
        std::deque<SelectorState> copies;
        for (int step = 0; step < kLevels; ++step) {
            copies.push_back(steps[static_cast<std::size_t>(step)]);
        }
        held = heapInUse() - before;
        benchmark::DoNotOptimize(copies.back().focusMoves);
    } else {
        UndoHistory history(kLevels);
        for (int step = 0; step < kLevels; ++step) {
            const StateSnapshot* neighbour =
                keeping == Keeping::Shared ? history.latest() : nullptr;
            history.record(StateSnapshot(steps[static_cast<std::size_t>(step)], neighbour));
        }
        held = heapInUse() - before;
        benchmark::DoNotOptimize(history.undoSteps());
    }
    return held;
}

template <bool picks, Keeping keeping>
void BM_Keep(benchmark::State& run) {
    const Steps& chosen = steps(picks);
    run.counters["heap_bytes"] = static_cast<double>(keep(chosen, keeping));
    for (auto _ : run) {
        benchmark::DoNotOptimize(keep(chosen, keeping));
    }
}

// Undo and redo of the last pick with a full history, against two copies of the whole state.
void BM_UndoRedo(benchmark::State& run) {
    const Steps& chosen = steps(true);
    UndoHistory history(kLevels);
    for (int step = 0; step < kLevels; ++step) {
        history.record(StateSnapshot(chosen[static_cast<std::size_t>(step)], history.latest()));
    }
    SelectorState state = chosen.back();
    for (auto _ : run) {
        history.undo(state);
        history.redo(state);
        benchmark::DoNotOptimize(state.PickIndex[1]);
    }
}

void BM_CopyTwice(benchmark::State& run) {
    const Steps& chosen = steps(true);
    SelectorState state = chosen.back();
    for (auto _ : run) {
        state = chosen[chosen.size() - 2];
        state = chosen.back();
        benchmark::DoNotOptimize(state.PickIndex[1]);
    }
}

#define DRAWLET_KEEP_BENCHMARK(name, picks, keeping)                                               \
    BENCHMARK(BM_Keep<picks, keeping>)                                                             \
        ->Name(name)                                                                               \
        ->Unit(benchmark::kMicrosecond)                                                            \
        ->Repetitions(5)                                                                           \
        ->ReportAggregatesOnly(true)

DRAWLET_KEEP_BENCHMARK("BM_HistoryTyping", false, Keeping::Shared);
DRAWLET_KEEP_BENCHMARK("BM_UnsharedTyping", false, Keeping::Unshared);
DRAWLET_KEEP_BENCHMARK("BM_FullCopiesTyping", false, Keeping::FullCopies);
DRAWLET_KEEP_BENCHMARK("BM_HistoryPicks", true, Keeping::Shared);
DRAWLET_KEEP_BENCHMARK("BM_UnsharedPicks", true, Keeping::Unshared);
DRAWLET_KEEP_BENCHMARK("BM_FullCopiesPicks", true, Keeping::FullCopies);
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_CopyTwice)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

void printBytes() {
    constexpr double kMiB = 1024.0 * 1024.0;
    constexpr double kBudget = 5.0 * kMiB;
    std::printf("\nHeap held by 100 levels of undo (goal <= 5 MiB)\n");
    std::printf("%-8s %14s %14s %14s %9s  %s\n", "run", "history", "unshared", "full copies",
                "ratio", "goal");
    for (const bool picks : {false, true}) {
        const Steps& chosen = steps(picks);
        const double shared = static_cast<double>(keep(chosen, Keeping::Shared));
        const double unshared = static_cast<double>(keep(chosen, Keeping::Unshared));
        const double full = static_cast<double>(keep(chosen, Keeping::FullCopies));
        std::printf("%-8s %10.2f MiB %10.2f MiB %10.2f MiB %8.3fx  %s\n",
                    picks ? "picks" : "typing", shared / kMiB, unshared / kMiB, full / kMiB,
                    shared / full, unshared <= kBudget ? "met, even unshared" : "MISSED");
    }
    std::fflush(stdout);
}

} // namespace
} // namespace drawlet::bench

int main(int argc, char** argv) {
    return drawlet::bench::runSideBySide(
        argc, argv, "Filling 100 levels, and undo + redo (median of 5 repetitions)",
        {{"typing: history / full copies", "BM_HistoryTyping", "BM_FullCopiesTyping", 0.0},
         {"picks: history / full copies", "BM_HistoryPicks", "BM_FullCopiesPicks", 0.0},
         {"undo + redo / two full copies", "BM_UndoRedo", "BM_CopyTwice", 0.0}},
        drawlet::bench::printBytes);
}
