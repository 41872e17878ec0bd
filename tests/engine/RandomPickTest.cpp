// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomPick.h"

#include "Resets.h"
#include "SelectorDriver.h"

#include <cmath>
#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

const double kJustBelowOne = std::nextafter(1.0, 0.0);

TEST(PositionFor, IsFloorOfPositionsTimesRPlusOneUpToTheLast) {
    const struct {
        double r;
        int positions;
        int expected;
    } rows[] = {{0.0, 5, 1},           {kJustBelowOne, 1, 1},
                {kJustBelowOne, 5, 5}, {kJustBelowOne, 1000, 1000},
                {0.2, 5, 2},           {std::nextafter(0.2, 0.0), 5, 1},
                {0.55, 10, 6}};
    for (const auto& row : rows) {
        EXPECT_EQ(positionFor(row.r, row.positions), row.expected)
            << row.r << " of " << row.positions;
    }
}

// One combination 03 15 22 37 41 stored at positions 1 to 5, then "Pick" with a chosen
// quantity and scripted generator values.
struct PickRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const PickRow& row, std::ostream* out) { *out << row.name; }
    int quantity;
    std::vector<double> values;
    std::vector<int> positions; // PickIndex 1..quantity afterwards
    const char* frame1;
    const char* label3;
};

const PickRow kPickRows[] = {
    {"OneNumber", 1, {0.45}, {3}, "1 - Exclusion or Inclusion Numbers", "22 "},
    {"ShownAscendingNotInDrawOrder",
     2,
     {0.9, 0.0},
     {5, 1},
     "2 - Exclusion or Inclusion Numbers",
     "03 41 "},
    {"ARepeatedPositionIsRedrawnEachTime",
     2,
     {0.5, 0.5, 0.41, 0.1},
     {3, 1},
     "2 - Exclusion or Inclusion Numbers",
     "03 22 "},
    {"ValueJustBelowOneGivesTheLastPosition",
     1,
     {kJustBelowOne},
     {5},
     "1 - Exclusion or Inclusion Numbers",
     "41 "},
    {"AllPositionsWhateverTheValues",
     5,
     {0.99, 0.99, 0.0, 0.0, 0.5, 0.99, 0.3, 0.0, 0.7},
     {5, 1, 3, 2, 4},
     "5 - Exclusion or Inclusion Numbers",
     "03 15 22 37 41 "},
};

class Pick : public ::testing::TestWithParam<PickRow> {};

TEST_P(Pick, DrawsTheScriptedPositionsAndShowsTheirNumbers) {
    const PickRow& row = GetParam();
    Selector app;
    app.enterCombination({"03", "15", "22", "37", "41"});
    app.setQuantity(row.quantity);
    ASSERT_EQ(app.s.HScroll1.value, row.quantity);

    app.random.script(row.values);
    cmdPick_Click(app.s, app.random);

    EXPECT_EQ(app.random.drawn(), row.values.size()) << "one generator value per draw";
    for (std::size_t k = 0; k < row.positions.size(); ++k) {
        EXPECT_EQ(app.s.PickIndex[static_cast<int>(k) + 1], row.positions[k]) << "pick " << k + 1;
    }
    EXPECT_EQ(app.s.Frame1, row.frame1);
    EXPECT_EQ(app.s.Label3, row.label3);
}

INSTANTIATE_TEST_SUITE_P(Table, Pick, ::testing::ValuesIn(kPickRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Pick, ANumberStoredTwiceIsShownOnce) {
    Selector app;
    app.setPickSize(3);
    app.enterCombination({"01", "02", "03"});
    app.enterCombination({"03", "04", "05"});
    ASSERT_EQ(app.s.HScroll1.value, 6);

    app.random.script({0.9, 0.4, 0.1, 0.6, 0.2, 0.75});
    cmdPick_Click(app.s, app.random);

    EXPECT_EQ(app.s.Label3, "01 02 03 04 05 ");
    EXPECT_EQ(app.s.Frame1, "5 - Exclusion or Inclusion Numbers");
}

TEST(Pick, WithNoCombinationDrawsNothingAndOnlyRebuildsThePlayNumbers) {
    Selector app;
    app.enterCombination({"03", "15", "22", "37", "41"});
    cmdClearComb_Click(app.s);
    app.s.Frame3 = "stale";
    app.s.Label5 = "stale";
    const std::int16_t earlierPick = app.s.PickIndex[1];

    app.random.script({});
    cmdPick_Click(app.s, app.random);

    EXPECT_EQ(app.random.drawn(), 0U);
    EXPECT_EQ(app.s.PickIndex[1], earlierPick);
    EXPECT_EQ(app.s.Frame1, "0 - Exclusion or Inclusion Numbers");
    EXPECT_EQ(app.s.Label3, "");
    EXPECT_EQ(app.s.Frame3, "0 - Play Numbers");
    EXPECT_EQ(app.s.Label5, "");
}

TEST(Pick, MovingTheQuantityAlonePicksNothing) {
    Selector app;
    app.enterCombination({"03", "15", "22", "37", "41"});
    const Shown afterEntry(app.s);

    app.random.script({});
    app.setQuantity(2);

    Shown expected = afterEntry;
    expected.HScroll1.value = 2;
    expected.Label2 = "Quantity of Combination Numbers to Pick - 2";
    EXPECT_EQ(Shown(app.s), expected);
    EXPECT_EQ(app.random.drawn(), 0U);
}

} // namespace
} // namespace drawlet::testing
