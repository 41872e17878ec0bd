// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

std::vector<int> combNumbers(const SelectorState& s, int first, int last) {
    std::vector<int> numbers;
    for (int position = first; position <= last; ++position) {
        numbers.push_back(s.CombNumbers[position]);
    }
    return numbers;
}

TEST(CombinationEntry, TheSecondDigitMovesTheFocusOnAndTheLastBoxStoresTheCombination) {
    Selector app;
    chooseTypeOfSelection(app.s, SelectionType::Include);
    app.random.script(drawInOrder(5));

    app.pressEntryKey(0, '0');
    EXPECT_EQ(app.s.focus, entryBoxFocus(0)) << "one digit keeps the focus";
    EXPECT_EQ(app.s.txtNumber[0].text, "0");
    app.pressEntryKey(0, '3');
    EXPECT_EQ(app.s.focus, entryBoxFocus(1));
    EXPECT_EQ(app.s.txtNumber[1].selLength, 2);

    app.typeEntry(1, "15");
    app.typeEntry(2, "22");
    app.typeEntry(3, "37");
    EXPECT_TRUE(app.s.lstNumbers.empty());
    app.typeEntry(4, "41");

    EXPECT_EQ(app.s.lstNumbers, std::vector<std::string>{"03 15 22 37 41 "});
    EXPECT_EQ(app.s.Label1, "Combinations - 1");
    EXPECT_EQ(app.s.HScroll1, (ScrollBar{.value = 5, .min = 1, .max = 5, .largeChange = 1}));
    EXPECT_EQ(app.s.Label2, "Quantity of Combination Numbers to Pick - 5");
    EXPECT_EQ(combNumbers(app.s, 1, 5), (std::vector<int>{3, 15, 22, 37, 41}));
    EXPECT_EQ(textsOf(app.s.txtNumber), std::vector<std::string>(kEntryBoxes, ""));
    EXPECT_EQ(app.s.focus, entryBoxFocus(0));
    EXPECT_EQ(app.s.txtNumber[0].selLength, 2);
    EXPECT_EQ(app.random.drawn(), 5U);
    EXPECT_EQ(app.s.Frame1, "5 - Exclusion or Inclusion Numbers");
    EXPECT_EQ(app.s.Label3, "03 15 22 37 41 ");
    EXPECT_EQ(app.s.Frame3, "5 - Play Numbers");
    EXPECT_EQ(app.s.Label5, "03 15 22 37 41 ");
}

TEST(CombinationEntry, TheNextCombinationFollowsTheEarlierOnes) {
    Selector app;
    app.enterCombination({"03", "15", "22", "37", "41"});
    app.enterCombination({"44", "05", "15", "60", "99"});

    EXPECT_EQ(app.s.lstNumbers.back(), "44 05 15 60 99 ");
    EXPECT_EQ(app.s.Label1, "Combinations - 2");
    EXPECT_EQ(app.s.HScroll1, (ScrollBar{.value = 10, .min = 1, .max = 10, .largeChange = 2}));
    EXPECT_EQ(combNumbers(app.s, 1, 10), (std::vector<int>{3, 15, 22, 37, 41, 44, 5, 15, 60, 99}));
    EXPECT_EQ(app.s.Label3, "03 05 15 22 37 41 44 60 99 ");
    EXPECT_EQ(app.s.Frame1, "9 - Exclusion or Inclusion Numbers");
}

TEST(CombinationEntry, PickSizeOneStoresEachFinishedBoxAtOnce) {
    Selector app;
    app.setPickSize(1);
    app.enterCombination({"42"});
    app.enterCombination({"07"});
    app.enterCombination({"00"});

    EXPECT_EQ(app.s.lstNumbers, (std::vector<std::string>{"42 ", "07 ", "00 "}));
    EXPECT_EQ(combNumbers(app.s, 1, 3), (std::vector<int>{42, 7, 0}));
    EXPECT_EQ(app.s.Label3, "00 07 42 ");
}

TEST(CombinationEntry, AnArrowOrShiftReleasedInAFinishedBoxActsAsTheSecondDigit) {
    Selector app;
    app.random.script(drawInOrder(5));
    app.typeEntry(0, "03");
    app.click(ControlId::txtNumber, 0);
    app.releaseEntryKey(0, kKeyLeft);
    EXPECT_EQ(app.s.focus, entryBoxFocus(1));

    app.typeEntry(1, "15");
    app.typeEntry(2, "22");
    app.typeEntry(3, "37");
    ASSERT_TRUE(app.editEntry(4, "41"));
    app.releaseEntryKey(4, kKeyShift);
    EXPECT_EQ(app.s.lstNumbers, std::vector<std::string>{"03 15 22 37 41 "});
}

TEST(CombinationEntry, ReleasingAKeyInAnUnfinishedBoxChangesNothing) {
    Selector app;
    app.typeEntry(0, "0");
    const Shown before(app.s);
    app.releaseEntryKey(0, kKeyLeft);
    app.releaseEntryKey(0, kKeyShift);
    EXPECT_EQ(Shown(app.s), before);
}

TEST(CombinationEntry, BackspaceTakesBackADigit) {
    Selector app;
    app.typeEntry(0, "4");
    app.pressEntryKey(0, kBackspace);
    EXPECT_EQ(app.s.txtNumber[0].text, "");
    app.typeEntry(0, "42");
    EXPECT_EQ(app.s.txtNumber[0].text, "42");
    EXPECT_EQ(app.s.focus, entryBoxFocus(1));
}

// A combination is stored only when every box in use holds two digits. Finishing the last box
// while an earlier one is empty or half typed sends the focus to the first such box instead,
// storing nothing and keeping every text.
struct UnfinishedRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const UnfinishedRow& row, std::ostream* out) { *out << row.name; }
    std::vector<std::string> texts; // boxes 0..4, the last one finished
    int firstUnfinished;
};

const UnfinishedRow kUnfinishedRows[] = {
    {"SkippedBox", {"03", "", "22", "37", "41"}, 1},
    {"OneDigitBox", {"03", "4", "22", "37", "41"}, 1},
    {"FirstBoxEmpty", {"", "15", "22", "37", "41"}, 0},
    {"TwoUnfinishedTheFirstWins", {"03", "15", "2", "", "41"}, 2},
    {"OnlyTheLastBoxFinished", {"", "", "", "", "41"}, 0},
};

class UnfinishedCombination : public ::testing::TestWithParam<UnfinishedRow> {};

TEST_P(UnfinishedCombination, IsNotStoredAndTheFocusGoesToTheFirstUnfinishedBox) {
    const UnfinishedRow& row = GetParam();
    Selector app;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(app.editEntry(i, row.texts[static_cast<std::size_t>(i)]));
    }
    app.random.script({});
    app.click(ControlId::txtNumber, 4);
    app.releaseEntryKey(4, '1');

    EXPECT_EQ(app.s.focus, entryBoxFocus(row.firstUnfinished));
    EXPECT_TRUE(app.s.lstNumbers.empty());
    EXPECT_EQ(app.s.Label1, "Combinations - 0");
    EXPECT_EQ(app.s.HScroll1.max, 1);
    EXPECT_EQ(app.s.CombNumbers[5], 0);
    EXPECT_EQ(app.random.drawn(), 0U);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(app.s.txtNumber[static_cast<std::size_t>(i)].text,
                  row.texts[static_cast<std::size_t>(i)]);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, UnfinishedCombination, ::testing::ValuesIn(kUnfinishedRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CombinationEntry, FillingTheSkippedBoxThenFinishingTheRowStoresIt) {
    Selector app;
    app.typeEntry(0, "03");
    app.click(ControlId::txtNumber, 2);
    app.typeEntry(2, "22");
    app.typeEntry(3, "37");
    app.typeEntry(4, "41");
    ASSERT_EQ(app.s.focus, entryBoxFocus(1));

    app.random.script(drawInOrder(5));
    app.typeEntry(1, "09");
    EXPECT_EQ(app.s.focus, entryBoxFocus(2)) << "box 1 is not the last box in use";
    app.releaseEntryKey(2, kKeyLeft);
    app.releaseEntryKey(3, kKeyLeft);
    app.releaseEntryKey(4, kKeyLeft);
    EXPECT_EQ(app.s.lstNumbers, std::vector<std::string>{"03 09 22 37 41 "});
}

TEST(CombinationEntry, AFinishedBoxBeyondThePickSizeDoesNothing) {
    Selector app;
    ASSERT_TRUE(app.editEntry(7, "12"));
    const Shown before(app.s);
    app.releaseEntryKey(7, '2');
    EXPECT_EQ(Shown(app.s), before);
}

// With 100 combinations the list is full: finishing a box sends the focus back to the first
// box, stores nothing and keeps the typed text.
TEST(CombinationEntry, TheHundredthCombinationFillsTheListAndPosition1000) {
    Selector app;
    app.setPickSize(10);
    const std::vector<std::string> row{"01", "02", "03", "04", "05", "06", "07", "08", "09", "10"};
    for (int k = 0; k < kMaxCombinations - 1; ++k) {
        app.enterCombination(row);
    }
    std::vector<std::string> last = row;
    last.back() = "77";
    app.enterCombination(last);

    EXPECT_EQ(app.s.Label1, "Combinations - 100");
    EXPECT_EQ(app.s.HScroll1,
              (ScrollBar{.value = 1000, .min = 1, .max = 1000, .largeChange = 101}));
    EXPECT_EQ(app.s.CombNumbers[1000], 77);
    EXPECT_EQ(app.s.PickIndex[1000], 1000);
    EXPECT_EQ(app.s.Frame1, "11 - Exclusion or Inclusion Numbers");

    Shown expected(app.s);
    expected.entryTexts[0] = "55";
    const unsigned focusMoves = app.s.focusMoves;
    app.random.script({});
    app.typeEntry(0, "55");

    EXPECT_EQ(Shown(app.s), expected) << "focus back on box 0, nothing stored";
    EXPECT_GT(app.s.focusMoves, focusMoves);
    EXPECT_EQ(app.s.CombNumbers[1001], 0);
    EXPECT_EQ(app.random.drawn(), 0U);
}

} // namespace
} // namespace drawlet::testing
