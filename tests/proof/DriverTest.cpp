// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The storm's own machinery: the pick source it feeds from the input, the player it plays, and
// replay, which a fuzz finding is worthless without.

#include "EventStorm.h"
#include "StormRandom.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace drawlet::storm {
namespace {

TEST(ByteFedRandom, TakesTwoBytesAValueThenFallsBackWithinZeroToOne) {
    const std::vector<std::uint8_t> slice = {0x00, 0x00, 0x80, 0x00, 0xFF, 0xFF, 0x12};
    ByteFedRandom random(slice, 99);
    EXPECT_EQ(random.next(), 0.0);
    EXPECT_EQ(random.next(), 0.5);
    EXPECT_EQ(random.next(), std::nextafter(1.0, 0.0));
    // The odd last byte is not half a value: the generator takes over from here.
    for (int i = 0; i < 1000; ++i) {
        const double value = random.next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
    }
}

// Profile 1 ("fill"), pick size 3, then two whole combinations typed key by key: a move byte
// of 100 enters a combination in that profile, and each following byte is one number.
TEST(EventStormPlayer, TypesCombinationsKeyByKey) {
    const std::vector<std::uint8_t> bytes = {1, 2, 100, 5, 17, 42, 100, 17, 33, 90};
    SeededRandom random(1);
    EventStorm storm(random);
    const StormResult result = storm.run(bytes);

    ASSERT_FALSE(result.failure) << *result.failure;
    EXPECT_EQ(storm.state().lstNumbers, (std::vector<std::string>{"05 17 42 ", "17 33 90 "}));
    EXPECT_EQ(storm.state().Label3, "05 17 33 42 90 ");
    EXPECT_EQ(result.combinationsStored, 2U);
    // The pick-size move, then per combination a click into the first box and, for each of
    // its six digits, the key filter, the edited text and the release.
    EXPECT_EQ(result.events, 1U + 2U * (1U + 6U * 3U));
}

TEST(EventStormPlayer, ReplaysExactlyFromTheSameBytesAndSeed) {
    for (const std::uint8_t profile : {0, 1, 2}) {
        const std::vector<std::uint8_t> bytes = seededStormBytes(77, profile, 800);
        SeededRandom first(77);
        SeededRandom second(77);
        EventStorm once(first);
        EventStorm again(second);
        const StormResult a = once.run(bytes);
        const StormResult b = again.run(bytes);
        EXPECT_EQ(a.events, b.events);
        EXPECT_EQ(once.state().lstNumbers, again.state().lstNumbers);
        EXPECT_EQ(once.state().lstSort, again.state().lstSort);
        EXPECT_EQ(once.state().lstPlaySort, again.state().lstPlaySort);
        EXPECT_EQ(once.state().txtSelNumbers, again.state().txtSelNumbers);
        EXPECT_EQ(once.state().focus, again.state().focus);
    }
}

} // namespace
} // namespace drawlet::storm
