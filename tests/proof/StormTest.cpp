// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded event storms: the same driver and rules as the fuzzer, over fixed random sequences, so
// every build of the suite replays them exactly.

#include "EventStorm.h"
#include "StormRandom.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace drawlet::storm {
namespace {

struct StormTotals {
    std::size_t events = 0;
    std::size_t combinations = 0;
    std::size_t fullLists = 0;
};

StormTotals runSeededStorms(std::uint8_t profile, std::uint64_t firstSeed, int storms,
                            std::size_t bytesEach) {
    StormTotals totals;
    for (int i = 0; i < storms; ++i) {
        const std::uint64_t seed = firstSeed + static_cast<std::uint64_t>(i);
        SeededRandom random(seed);
        EventStorm storm(random);
        const StormResult result = storm.run(seededStormBytes(seed, profile, bytesEach));
        EXPECT_FALSE(result.failure) << "profile " << int{profile} << ", seed " << seed << ":\n"
                                     << result.failure.value_or("");
        totals.events += result.events;
        totals.combinations += result.combinationsStored;
        totals.fullLists += result.mostCombinations >= 100 ? 1 : 0;
    }
    std::printf("profile %d: %zu storms, %zu events, %zu combinations stored, %zu full lists\n",
                int{profile}, static_cast<std::size_t>(storms), totals.events, totals.combinations,
                totals.fullLists);
    return totals;
}

// Each profile must also reach what it is there for, or the storms prove less than they seem.
TEST(SeededStorms, BalancedMixKeepsEveryRule) {
    const StormTotals totals = runSeededStorms(0, 1000, 12, 1000);
    EXPECT_GE(totals.events, 10000U);
    EXPECT_GE(totals.combinations, 100U);
}

TEST(SeededStorms, FillingTheListToOneHundredKeepsEveryRule) {
    const StormTotals totals = runSeededStorms(1, 2000, 2, 3000);
    EXPECT_GE(totals.events, 10000U);
    EXPECT_EQ(totals.fullLists, 2U) << "every filling storm should reach the full list";
}

TEST(SeededStorms, BaseSetWorkKeepsEveryRule) {
    const StormTotals totals = runSeededStorms(2, 3000, 8, 1000);
    EXPECT_GE(totals.events, 10000U);
}

// Bytes that end in the middle of a move, or carry nothing but a profile, still make a storm.
TEST(SeededStorms, ShortAndEmptyInputsAreHarmless) {
    for (std::size_t size : {0U, 1U, 2U, 3U, 7U}) {
        SeededRandom random(size);
        EventStorm storm(random);
        const StormResult result = storm.run(seededStormBytes(size, 0, size));
        EXPECT_FALSE(result.failure) << result.failure.value_or("");
    }
}

} // namespace
} // namespace drawlet::storm
