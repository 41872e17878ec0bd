// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

std::vector<bool> firstShown(int count) {
    std::vector<bool> shown(kBaseSetBoxes, false);
    for (int i = 0; i < count; ++i) {
        shown[static_cast<std::size_t>(i)] = true;
    }
    return shown;
}

// Base set size and auto-fill start against the boxes shown, the two captions and what
// auto-fill writes. Every box holds "77" beforehand, so the boxes auto-fill must not touch show.
struct SizeRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const SizeRow& row, std::ostream* out) { *out << row.name; }
    int size;
    int start;
    int inUse; // boxes 0..inUse-1 shown, and auto-filled with start, start + 1, ...
    const char* command1;
    const char* frame2;
};

const SizeRow kSizeRows[] = {
    {"Size0Start1", 0, 1, 0, "Auto Fill Base Set 00 to NN", "0 - Base Set Numbers"},
    {"Size0Start0", 0, 0, 0, "Auto Fill Base Set 00 to NN", "0 - Base Set Numbers"},
    {"Size1Start1", 1, 1, 0, "Auto Fill Base Set 00 to NN", "0 - Base Set Numbers"},
    {"Size1Start0", 1, 0, 1, "Auto Fill Base Set 00 to 00", "1 - Base Set Numbers"},
    {"Size2Start1", 2, 1, 1, "Auto Fill Base Set 01 to 01", "1 - Base Set Numbers"},
    {"Size10Start0", 10, 0, 10, "Auto Fill Base Set 00 to 09", "10 - Base Set Numbers"},
    {"Size50Start1", 50, 1, 49, "Auto Fill Base Set 01 to 49", "49 - Base Set Numbers"},
    {"Size50Start0", 50, 0, 50, "Auto Fill Base Set 00 to 49", "50 - Base Set Numbers"},
    {"Size100Start0", 100, 0, 100, "Auto Fill Base Set 00 to 99", "100 - Base Set Numbers"},
    {"Size100Start1", 100, 1, 99, "Auto Fill Base Set 01 to 99", "99 - Base Set Numbers"},
};

class BaseSetSize : public ::testing::TestWithParam<SizeRow> {};

TEST_P(BaseSetSize, ShowsTheBoxesInUseAndAutoFillWritesOnlyThem) {
    const SizeRow& row = GetParam();
    Selector app;
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        ASSERT_TRUE(app.editBaseSet(i, "77"));
    }
    app.setBaseSet(row.size, row.start);

    EXPECT_EQ(visibilityOf(app.s.txtSelNumbers), firstShown(row.inUse));
    EXPECT_EQ(app.s.Command1, row.command1);
    EXPECT_EQ(app.s.Frame2, row.frame2);
    EXPECT_EQ(textsOf(app.s.txtSelNumbers), std::vector<std::string>(kBaseSetBoxes, "77"))
        << "size and start rewrite no box";

    Command1_Click(app.s);

    std::vector<std::string> expected(kBaseSetBoxes, "77");
    std::string line;
    for (int i = 0; i < row.inUse; ++i) {
        const int number = row.start + i;
        expected[static_cast<std::size_t>(i)] = twoDigitText(number);
        line += expected[static_cast<std::size_t>(i)];
        line += ' ';
    }
    EXPECT_EQ(textsOf(app.s.txtSelNumbers), expected);
    EXPECT_EQ(visibilityOf(app.s.txtSelNumbers), firstShown(row.inUse));
    EXPECT_EQ(app.s.Command1, row.command1);
    EXPECT_EQ(app.s.Frame2, row.frame2);
    EXPECT_EQ(app.s.Frame3, std::to_string(row.inUse) + " - Play Numbers");
    EXPECT_EQ(app.s.Label5, line);
}

INSTANTIATE_TEST_SUITE_P(Table, BaseSetSize, ::testing::ValuesIn(kSizeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BaseSetSize, ChangingTheStartAfterAutoFillKeepsEveryText) {
    Selector app;
    app.setBaseSet(50, 1);
    Command1_Click(app.s);
    const auto filled = textsOf(app.s.txtSelNumbers);

    chooseAutoFillStart(app.s, 0);

    EXPECT_EQ(textsOf(app.s.txtSelNumbers), filled);
    EXPECT_TRUE(app.s.txtSelNumbers[49].visible);
    EXPECT_EQ(app.s.txtSelNumbers[49].text, "");
    EXPECT_EQ(app.s.txtSelNumbers[48].text, "49");
    EXPECT_EQ(app.s.Command1, "Auto Fill Base Set 00 to 49");
    EXPECT_EQ(app.s.Frame2, "50 - Base Set Numbers");
    EXPECT_EQ(app.s.Frame3, "49 - Play Numbers") << "the empty box 49 adds nothing";

    Command1_Click(app.s);
    EXPECT_EQ(app.s.txtSelNumbers[0].text, "00");
    EXPECT_EQ(app.s.txtSelNumbers[49].text, "49");
    EXPECT_EQ(app.s.Frame3, "50 - Play Numbers");
}

TEST(BaseSetSize, BoxesThatLeaveUseKeepTheirNumbersForWhenTheyReturn) {
    Selector app;
    app.setBaseSet(100, 0);
    Command1_Click(app.s);
    const auto filled = textsOf(app.s.txtSelNumbers);

    moveSlider(app.s, ControlId::HScroll3, 10);
    EXPECT_EQ(visibilityOf(app.s.txtSelNumbers), firstShown(10));
    EXPECT_EQ(textsOf(app.s.txtSelNumbers), filled);
    EXPECT_EQ(app.s.Label5, "00 01 02 03 04 05 06 07 08 09 ");

    moveSlider(app.s, ControlId::HScroll3, 100);
    EXPECT_EQ(visibilityOf(app.s.txtSelNumbers), firstShown(100));
    EXPECT_EQ(app.s.Frame3, "100 - Play Numbers");
}

// Typing into the base set: after two characters the focus moves to the next box in use, from
// the last box in use back to the first, and every release rebuilds the play numbers.
struct TypingRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const TypingRow& row, std::ostream* out) { *out << row.name; }
    int size;
    int start;
    int box;
    int focusAfter;
};

const TypingRow kTypingRows[] = {
    {"MovesToTheNextBox", 10, 0, 3, 4},        {"LastBoxInUseGoesBackToTheFirst", 10, 0, 9, 0},
    {"StartOneMakesBox8TheLast", 10, 1, 8, 0}, {"StartOneStillMovesOnBeforeTheLast", 10, 1, 7, 8},
    {"OneBoxInUseKeepsTheFocus", 1, 0, 0, 0},  {"OneBoxInUseWithStartOne", 2, 1, 0, 0},
};

class BaseSetTyping : public ::testing::TestWithParam<TypingRow> {};

TEST_P(BaseSetTyping, MovesTheFocusOnAndTheNumberJoinsThePlayNumbersAtOnce) {
    const TypingRow& row = GetParam();
    Selector app;
    app.setBaseSet(row.size, row.start);
    app.click(ControlId::txtSelNumbers, row.box);

    app.pressBaseSetKey(row.box, '0');
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(row.box)) << "one digit keeps the focus";
    EXPECT_EQ(app.s.Frame3, "0 - Play Numbers") << "one digit is no number";

    app.pressBaseSetKey(row.box, '5');
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(row.focusAfter));
    EXPECT_EQ(app.s.txtSelNumbers[static_cast<std::size_t>(row.focusAfter)].selLength, 2);
    EXPECT_EQ(app.s.Frame3, "1 - Play Numbers");
    EXPECT_EQ(app.s.Label5, "05 ");
}

INSTANTIATE_TEST_SUITE_P(Table, BaseSetTyping, ::testing::ValuesIn(kTypingRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BaseSetTyping, BackspaceTakesTheNumberOutAtTheRelease) {
    Selector app;
    app.setBaseSet(10, 0);
    app.click(ControlId::txtSelNumbers, 3);
    app.typeBaseSet(3, "05");
    app.click(ControlId::txtSelNumbers, 3);
    app.pressBaseSetKey(3, kBackspace);
    EXPECT_EQ(app.s.txtSelNumbers[3].text, "");
    EXPECT_EQ(app.s.Frame3, "0 - Play Numbers");
    EXPECT_EQ(app.s.Label5, "");
}

TEST(BaseSetTyping, AnyReleaseRebuildsAndAnArrowInAFinishedBoxMovesOn) {
    Selector app;
    app.setBaseSet(10, 0);
    ASSERT_TRUE(app.editBaseSet(2, "42"));
    ASSERT_TRUE(app.editBaseSet(5, "4"));
    app.click(ControlId::txtSelNumbers, 5);

    app.releaseBaseSetKey(5, kKeyLeft);
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(5));
    EXPECT_EQ(app.s.Label5, "42 ");

    app.click(ControlId::txtSelNumbers, 2);
    app.releaseBaseSetKey(2, kKeyShift);
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(3));
}

} // namespace
} // namespace drawlet::testing
