// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The pick is fair: single picks from 1000 stored numbers land on every position about equally
// often, and the largest generator value still lands on the last position.

#include "PlayerEvents.h"
#include "RandomPick.h"
#include "ScriptedRandom.h"
#include "Startup.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace drawlet {
namespace {

// The picks are the subject here; the history records the typing as the program does.
UndoHistory history;

// Types a whole combination the way the player does, key by key; the focus moves on by itself.
void typeCombination(SelectorState& state, RandomSource& random, int first) {
    const auto play = [&](const PlayerEvent& event) {
        return apply(state, history, random, event);
    };
    for (int box = 0; box <= state.HScroll2.value; ++box) {
        const std::string number = std::to_string(10 + (first + box) % 90);
        for (const char digit : number) {
            const FocusTarget focused = state.focus;
            typeKey(play, focused, boxAt(state, focused)->text, digit, false);
        }
    }
}

// One hundred combinations of ten: the quantity slider then stands at 1000 of 1000. The
// generator is seeded after start-up, which seeds it from the clock.
void enterFullList(SelectorState& state, ClockSeededRandom& random) {
    Form_Load(state, random);
    random.seed(20240611);
    Form_Shown(state);
    apply(state, history, random, SliderMoved{ControlId::HScroll2, 9});
    apply(state, history, random, FocusArrived{{ControlId::txtNumber, 0}});
    for (int combination = 0; combination < 100; ++combination) {
        typeCombination(state, random, combination);
    }
    ASSERT_EQ(state.lstNumbers.size(), 100U);
    ASSERT_EQ(state.HScroll1.max, 1000);
}

// Chi-square over 1000 positions (999 degrees of freedom). The bounds are the 0.1% and 99.9%
// points of that distribution (866.55 and 1142.85): a fair pick fails either side once in a
// thousand seeds, a pick that favours or avoids positions, or walks them in a pattern, fails
// them by far. With this seed the statistic comes out at 947.06.
TEST(FairPick, SinglePicksFromAThousandPositionsAreUniform) {
    ClockSeededRandom random;
    SelectorState state;
    enterFullList(state, random);
    apply(state, history, random, SliderMoved{ControlId::HScroll1, 1});
    ASSERT_EQ(state.HScroll1.value, 1);

    constexpr int kPicks = 100'000;
    constexpr int kPositions = 1000;
    std::array<int, kPositions + 1> landed{};
    for (int i = 0; i < kPicks; ++i) {
        cmdPick_Click(state, random);
        const int position = state.PickIndex[1];
        ASSERT_GE(position, 1);
        ASSERT_LE(position, kPositions);
        ++landed[static_cast<std::size_t>(position)];
    }

    constexpr double expected = static_cast<double>(kPicks) / kPositions;
    double chiSquare = 0.0;
    int unreached = 0;
    for (int position = 1; position <= kPositions; ++position) {
        const double off = landed[static_cast<std::size_t>(position)] - expected;
        chiSquare += off * off / expected;
        unreached += landed[static_cast<std::size_t>(position)] == 0 ? 1 : 0;
    }
    EXPECT_EQ(unreached, 0);
    EXPECT_GT(chiSquare, 866.55);
    EXPECT_LT(chiSquare, 1142.85);
    RecordProperty("chi_square", std::to_string(chiSquare));
}

// floor(N * r) + 1 for r just below 1 rounds to N + 1 for some N; the position is held at N.
TEST(FairPick, LargestValueBelowOneLandsOnTheLastPosition) {
    const double largest = std::nextafter(1.0, 0.0);
    for (int positions = 1; positions <= 1000; ++positions) {
        ASSERT_EQ(positionFor(largest, positions), positions) << positions << " positions";
        ASSERT_EQ(positionFor(0.0, positions), 1) << positions << " positions";
    }
}

TEST(FairPick, LargestValueBelowOnePicksTheLastStoredNumber) {
    // Each combination draws every stored position, so the list is entered with a seeded
    // generator and only the single pick is scripted.
    SelectorState state;
    ClockSeededRandom seeded;
    enterFullList(state, seeded);
    apply(state, history, seeded, SliderMoved{ControlId::HScroll1, 1});
    testing::ScriptedRandom largest({std::nextafter(1.0, 0.0)});
    cmdPick_Click(state, largest);
    EXPECT_EQ(state.PickIndex[1], 1000);
    EXPECT_EQ(state.Label3, std::to_string(state.CombNumbers[1000]) + " ");
    EXPECT_EQ(state.Frame1, "1 - Exclusion or Inclusion Numbers");
}

} // namespace
} // namespace drawlet
