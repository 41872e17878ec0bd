// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Resets.h"

#include "RandomPick.h"
#include "SelectorDriver.h"

#include <gtest/gtest.h>
#include <tuple>

namespace drawlet::testing {
namespace {

// A window in full use: two combinations of five (01..07 picked, the quantity moved to 4 of
// 10), base set size 50 with auto-fill start 1 auto-filled (01..49), Include selected, a digit
// half typed into the entry row and the focus left in base set box 5.
Selector busySelector() {
    Selector app;
    app.enterCombination({"01", "02", "03", "04", "05"});
    app.enterCombination({"03", "04", "05", "06", "07"});
    app.setQuantity(4);
    app.setBaseSet(50, 1);
    Command1_Click(app.s);
    chooseTypeOfSelection(app.s, SelectionType::Include);
    app.click(ControlId::txtNumber, 0);
    app.typeEntry(0, "1");
    app.click(ControlId::txtSelNumbers, 5);
    return app;
}

// What the combination reset and "Clear All" both do to the combination side.
void clearCombinationSide(Shown& shown) {
    shown.entryTexts.assign(kEntryBoxes, "");
    shown.lstNumbers.clear();
    shown.Label1 = "Combinations - 0";
    shown.Label2 = "Quantity of Combination Numbers to Pick - 1";
    shown.Label3 = "";
    shown.Frame1 = "0 - Exclusion or Inclusion Numbers";
    shown.HScroll1.value = 1;
    shown.HScroll1.max = 1;
}

void pickSizeShown(Shown& shown, int pickSize) {
    shown.Label4 = "Lottery Pick Size - " + std::to_string(pickSize);
    for (int i = 0; i < kEntryBoxes; ++i) {
        shown.entryShown[static_cast<std::size_t>(i)] = i < pickSize;
    }
}

// Each reset against the busy window: what it changes (everything else must stay as it was).
struct ResetRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const ResetRow& row, std::ostream* out) { *out << row.name; }
    void (*press)(Selector&);
    void (*changes)(Shown&);
    bool zeroesCombNumbers;
};

const ResetRow kResetRows[] = {
    {"ClearAll", [](Selector& app) { cmdClear_Click(app.s); },
     [](Shown& shown) {
         clearCombinationSide(shown);
         shown.baseSetTexts.assign(kBaseSetBoxes, "");
         shown.typeOfSelection = SelectionType::Exclude;
         shown.focus = entryBoxFocus(0);
         shown.Frame3 = "0 - Play Numbers";
         shown.Label5 = "";
     },
     true},
    {"ClearBaseSetNumbers", [](Selector& app) { cmdClearBaseSet_Click(app.s); },
     [](Shown& shown) {
         shown.baseSetTexts.assign(kBaseSetBoxes, "");
         shown.Frame3 = "7 - Play Numbers";
         shown.Label5 = numberLine(1, 7);
     },
     false},
    {"ClearCombinations", [](Selector& app) { cmdClearComb_Click(app.s); },
     [](Shown& shown) {
         clearCombinationSide(shown);
         pickSizeShown(shown, 5);
         shown.Frame3 = "49 - Play Numbers";
         shown.Label5 = numberLine(1, 49);
     },
     false},
    {"PickSizeFrom5To7", [](Selector& app) { app.setPickSize(7); },
     [](Shown& shown) {
         clearCombinationSide(shown);
         pickSizeShown(shown, 7);
         shown.HScroll2.value = 6;
         shown.Frame3 = "49 - Play Numbers";
         shown.Label5 = numberLine(1, 49);
     },
     false},
};

class Reset : public ::testing::TestWithParam<ResetRow> {};

TEST_P(Reset, ChangesExactlyWhatItOwns) {
    const ResetRow& row = GetParam();
    Selector app = busySelector();
    ASSERT_EQ(app.s.Frame3, "49 - Play Numbers");
    ASSERT_EQ(app.s.Label2, "Quantity of Combination Numbers to Pick - 4");
    Shown expected(app.s);
    row.changes(expected);

    row.press(app);

    EXPECT_EQ(Shown(app.s), expected);
    EXPECT_EQ(app.s.CombNumbers[10], row.zeroesCombNumbers ? 0 : 7);
    EXPECT_EQ(app.s.HScroll1.largeChange, 2)
        << "the large step stays as the last combination set it";
    const bool keepsCombinations = !expected.lstNumbers.empty();
    EXPECT_EQ(app.s.lstSort.count(), keepsCombinations ? 7U : 0U) << "picked numbers";
}

INSTANTIATE_TEST_SUITE_P(Table, Reset, ::testing::ValuesIn(kResetRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClearAll, RightAfterStartUpLeavesTheWindowAsStartUpLeftIt) {
    Selector app;
    const Shown startUp(app.s);
    cmdClear_Click(app.s);
    EXPECT_EQ(Shown(app.s), startUp);
    EXPECT_EQ(app.s.Frame2, "0 - Base Set Numbers");
    EXPECT_EQ(app.s.txtNumber[0].selLength, 2);
}

TEST(ClearAll, RewritesTheBaseSetCountNeverNegative) {
    for (const auto& [size, start, frame2] :
         {std::tuple{1, 1, "0 - Base Set Numbers"}, std::tuple{100, 0, "100 - Base Set Numbers"}}) {
        Selector app;
        app.setBaseSet(size, start);
        app.s.Frame2 = "stale";
        cmdClear_Click(app.s);
        EXPECT_EQ(app.s.Frame2, frame2) << size << '/' << start;
    }
}

TEST(ClearAll, EndsWithExcludeAndNoPlayNumbersFromEveryTypeOfSelection) {
    for (const SelectionType type :
         {SelectionType::Exclude, SelectionType::Include, SelectionType::None}) {
        Selector app = busySelector();
        chooseTypeOfSelection(app.s, type);
        cmdClear_Click(app.s);
        EXPECT_EQ(app.s.typeOfSelection, SelectionType::Exclude);
        EXPECT_EQ(app.s.Frame3, "0 - Play Numbers");
        EXPECT_EQ(app.s.Label5, "");
    }
}

TEST(ClearAll, ZeroesEveryStoredNumberWhichNoOtherResetDoes) {
    Selector app = busySelector();
    cmdClearComb_Click(app.s);
    ASSERT_EQ(app.s.CombNumbers[6], 3) << "Clear Combinations leaves the stored numbers";

    cmdClear_Click(app.s);
    for (int position = 1; position <= kArraySize; ++position) {
        ASSERT_EQ(app.s.CombNumbers[position], 0) << "position " << position;
    }
    EXPECT_EQ(app.s.PickIndex[1], 1) << "the drawn positions are kept";
}

TEST(CombinationReset, TheNextCombinationIsStoredFromPosition1) {
    Selector app = busySelector();
    cmdClearComb_Click(app.s);
    app.click(ControlId::txtNumber, 0);
    app.enterCombination({"90", "91", "92", "93", "94"});

    EXPECT_EQ(app.s.lstNumbers, std::vector<std::string>{"90 91 92 93 94 "});
    EXPECT_EQ(app.s.CombNumbers[1], 90);
    EXPECT_EQ(app.s.CombNumbers[5], 94);
    EXPECT_EQ(app.s.CombNumbers[6], 3) << "older numbers beyond stay, unread";
    EXPECT_EQ(app.s.HScroll1.max, 5);
    EXPECT_EQ(app.s.Label3, "90 91 92 93 94 ");
}

TEST(CombinationReset, WithNoCombinationStillRebuildsThePlayNumbers) {
    Selector app;
    const Shown startUp(app.s);
    app.s.Frame3 = "stale";
    cmdClearComb_Click(app.s);
    EXPECT_EQ(Shown(app.s), startUp);

    app.s.Frame3 = "stale";
    app.random.script({});
    cmdPick_Click(app.s, app.random);
    EXPECT_EQ(Shown(app.s), startUp) << "a pick after the reset only rebuilds";
}

TEST(ClearBaseSet, EmptiesTheHiddenBoxesTooSoALargerSizeBringsThemBackEmpty) {
    Selector app;
    app.setBaseSet(100, 0);
    Command1_Click(app.s);
    moveSlider(app.s, ControlId::HScroll3, 10);

    cmdClearBaseSet_Click(app.s);
    EXPECT_EQ(app.s.Frame2, "10 - Base Set Numbers");
    moveSlider(app.s, ControlId::HScroll3, 100);

    EXPECT_EQ(textsOf(app.s.txtSelNumbers), std::vector<std::string>(kBaseSetBoxes, ""));
    EXPECT_EQ(visibilityOf(app.s.txtSelNumbers), std::vector<bool>(kBaseSetBoxes, true));
    EXPECT_EQ(app.s.Frame3, "0 - Play Numbers");
}

} // namespace
} // namespace drawlet::testing
