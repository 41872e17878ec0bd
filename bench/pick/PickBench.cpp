// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pick after the 100th combination of pick size 10: 1000 stored numbers, all 1000 drawn.
//
// Three contenders run in one process with the same compiler flags, each reseeded with the
// same seeds in the same order, so all three consume exactly the same generator values:
//   BM_Pick              cmdPick_Click as the program runs it;
//   BM_DrawsOnly         only the generator values one pick consumes, drawn through the same
//                        RandomSource interface: the floor no pick can go below;
//   BM_LiteralPick       the pick as the straightforward reading writes it: every draw
//                        compared with every earlier pick, then every number added to the
//                        sorted list and the repeats walked out.

#include "NumberText.h"
#include "PlayNumbers.h"
#include "RandomPick.h"
#include "RandomSource.h"
#include "SelectorState.h"
#include "Startup.h"
#include "handlers/CoreStates.h"
#include "support/SideBySide.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace drawlet::bench {
namespace {

constexpr int kSeedCount = 64;

// Counts the values handed out, so the draws-only floor can consume exactly as many.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(RandomSource& inner) : inner_(inner) {}
    void seedFromTimeOfDay() override { inner_.seedFromTimeOfDay(); }
    double next() override {
        ++drawn_;
        return inner_.next();
    }
    long drawn() const { return drawn_; }

private:
    RandomSource& inner_;
    long drawn_ = 0;
};

std::uint64_t seedFor(std::int64_t iteration) {
    return 0x5eed0000U + static_cast<std::uint64_t>(iteration % kSeedCount);
}

// 100 combinations of pick size 10 typed in through the handlers, as the player enters them:
// each finished row stores the combination, sets the quantity to every stored number and picks.
SelectorState stateWithHundredCombinations() {
    SelectorState state;
    ClockSeededRandom random;
    Form_Load(state, random);
    random.seed(1);
    bench::play(state, random, SliderMoved{ControlId::HScroll2, 9});
    for (int combination = 0; combination < kMaxCombinations; ++combination) {
        for (int box = 0; box < kEntryBoxes; ++box) {
            bench::fillEntryBox(state, random, box, bench::digitsFor(combination, box));
        }
    }
    if (state.lstNumbers.size() != kMaxCombinations || state.HScroll1.value != 1000 ||
        state.HScroll1.max != 1000) {
        std::fprintf(stderr, "setup failed: %zu combinations, quantity %d of %d\n",
                     state.lstNumbers.size(), state.HScroll1.value, state.HScroll1.max);
        std::exit(1);
    }
    return state;
}

const SelectorState& hundredCombinations() {
    static const SelectorState state = stateWithHundredCombinations();
    return state;
}

// How many generator values the pick consumes after each seed.
const std::array<long, kSeedCount>& drawsPerSeed() {
    static const std::array<long, kSeedCount> draws = [] {
        std::array<long, kSeedCount> counts{};
        SelectorState state = hundredCombinations();
        ClockSeededRandom random;
        for (int i = 0; i < kSeedCount; ++i) {
            CountingRandom counting(random);
            random.seed(seedFor(i));
            cmdPick_Click(state, counting);
            counts[static_cast<std::size_t>(i)] = counting.drawn();
        }
        return counts;
    }();
    return draws;
}

// Kept out of line so the draws go through the interface exactly as the pick's do.
[[gnu::noinline]] double drawValues(RandomSource& random, long count) {
    double sum = 0.0;
    for (long i = 0; i < count; ++i) {
        sum += random.next();
    }
    return sum;
}

// The pick written as the behaviour reads, step by step.
void literalPick(SelectorState& state, RandomSource& random) {
    if (!state.lstNumbers.empty()) {
        const int quantity = state.HScroll1.value;
        for (int k = 1; k <= quantity; ++k) {
            bool repeated = false;
            do {
                state.PickIndex[k] =
                    static_cast<std::int16_t>(positionFor(random.next(), state.HScroll1.max));
                repeated = false;
                for (int earlier = 1; earlier <= k - 1; ++earlier) {
                    if (state.PickIndex[k] == state.PickIndex[earlier]) {
                        repeated = true;
                    }
                }
            } while (repeated);
        }
        state.lstSort.clear();
        for (int k = 1; k <= quantity; ++k) {
            state.lstSort.add(formatTwoDigits(state.CombNumbers[state.PickIndex[k]]));
        }
        removeRepeats(state.lstSort);
        state.Frame1 = countFirstCaption(static_cast<int>(state.lstSort.count()),
                                         "Exclusion or Inclusion Numbers");
        state.Label3 = joinNumbers(state.lstSort);
    }
    Display_Play_Numbers(state);
}

// The literal pick must choose the very positions and numbers the program does; a floor or a
// rival that did different work would make the ratios meaningless.
void checkContendersAgree() {
    SelectorState program = hundredCombinations();
    SelectorState literal = hundredCombinations();
    ClockSeededRandom random;
    for (int i = 0; i < 8; ++i) {
        random.seed(seedFor(i));
        cmdPick_Click(program, random);
        random.seed(seedFor(i));
        literalPick(literal, random);
        for (int k = 1; k <= 1000; ++k) {
            if (program.PickIndex[k] != literal.PickIndex[k]) {
                std::fprintf(stderr, "seed %d: pick %d differs\n", i, k);
                std::exit(1);
            }
        }
        if (program.lstSort != literal.lstSort || program.Label3 != literal.Label3 ||
            program.Frame1 != literal.Frame1 || program.lstPlaySort != literal.lstPlaySort) {
            std::fprintf(stderr, "seed %d: the picked numbers differ\n", i);
            std::exit(1);
        }
    }
    long total = 0;
    for (const long draws : drawsPerSeed()) {
        total += draws;
    }
    std::printf("One pick of 1000 out of 1000 consumes %.1f generator values on average "
                "(%d seeds).\n",
                static_cast<double>(total) / kSeedCount, kSeedCount);
}

// Times one way of picking over the same 100 combinations and the same seeds.
template <void (*pick)(SelectorState&, RandomSource&)>
void timePicks(benchmark::State& run) {
    SelectorState state = hundredCombinations();
    ClockSeededRandom random;
    std::int64_t iteration = 0;
    for (auto _ : run) {
        random.seed(seedFor(iteration++));
        pick(state, random);
        benchmark::DoNotOptimize(state.PickIndex[1000]);
    }
}

void BM_Pick(benchmark::State& run) {
    timePicks<cmdPick_Click>(run);
}

void BM_DrawsOnly(benchmark::State& run) {
    const auto& draws = drawsPerSeed();
    ClockSeededRandom generator;
    RandomSource& random = generator;
    std::int64_t iteration = 0;
    for (auto _ : run) {
        generator.seed(seedFor(iteration));
        benchmark::DoNotOptimize(
            drawValues(random, draws[static_cast<std::size_t>(iteration % kSeedCount)]));
        ++iteration;
    }
}

void BM_LiteralPick(benchmark::State& run) {
    timePicks<literalPick>(run);
}

BENCHMARK(BM_Pick)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawsOnly)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LiteralPick)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace drawlet::bench

int main(int argc, char** argv) {
    drawlet::bench::checkContendersAgree();
    return drawlet::bench::runSideBySide(
        argc, argv, "The pick of 1000 out of 1000 stored numbers (median of 5 repetitions)",
        {{"pick / draws only (floor)", "BM_Pick", "BM_DrawsOnly", 2.0},
         {"literal pick / pick (times faster)", "BM_LiteralPick", "BM_Pick", 0.0}});
}
