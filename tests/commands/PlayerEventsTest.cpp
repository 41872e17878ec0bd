// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules apply() keeps across the controls: the releases that belong to a Tab move, and the
// focus leaving a box that a handler hid.

#include "SelectorDriver.h"
#include "TabOrder.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// Entry boxes 1 and 2 hold 01 and 02, base set boxes 0 to 2 hold 11 to 13 (ten in use).
Selector withFinishedBoxes() {
    Selector app;
    app.setBaseSet(10, 0);
    app.click(ControlId::txtSelNumbers, 0);
    app.typeBaseSet(0, "11");
    app.typeBaseSet(1, "12");
    app.typeBaseSet(2, "13");
    app.click(ControlId::txtNumber, 0);
    app.typeEntry(0, "01");
    app.typeEntry(1, "02");
    return app;
}

struct TabRow {
    const char* name;
    friend void PrintTo(const TabRow& row, std::ostream* out) { *out << row.name; }
    FocusTarget from;
    FocusTarget to; // where the toolkit's tab chain takes the focus
    int modifiers;
    std::vector<int> releases; // in the order the keys are let go, in the box the focus reached
    FocusTarget afterTyping;   // where a number typed there then sends the focus
    bool pressedHere = true;   // false: the keys went down elsewhere (another window, a shortcut)
};

const TabRow kTabRows[] = {
    {"EntryShiftTabTabLetGoFirst",
     entryBoxFocus(2),
     entryBoxFocus(1),
     modifiers::Shift,
     {keys::Tab, keys::Shift},
     entryBoxFocus(2)},
    {"EntryShiftTabShiftLetGoFirst",
     entryBoxFocus(2),
     entryBoxFocus(1),
     modifiers::Shift,
     {keys::Shift, keys::Tab},
     entryBoxFocus(2)},
    {"BaseSetShiftTabTabLetGoFirst",
     baseSetBoxFocus(1),
     baseSetBoxFocus(2),
     modifiers::Shift,
     {keys::Tab, keys::Shift},
     baseSetBoxFocus(3)},
    {"BaseSetShiftTabShiftLetGoFirst",
     baseSetBoxFocus(1),
     baseSetBoxFocus(2),
     modifiers::Shift,
     {keys::Shift, keys::Tab},
     baseSetBoxFocus(3)},
    {"BaseSetTab", baseSetBoxFocus(3), baseSetBoxFocus(2), 0, {keys::Tab}, baseSetBoxFocus(3)},
    {"EntryAltShiftTabAltLetGoFirst",
     entryBoxFocus(2),
     entryBoxFocus(1),
     modifiers::Shift | modifiers::Alt,
     {keys::Alt, keys::Tab, keys::Shift},
     entryBoxFocus(2)},
    {"TabReleaseWithoutItsPress",
     entryBoxFocus(1),
     entryBoxFocus(1),
     0,
     {keys::Tab},
     entryBoxFocus(2),
     false},
};

class TabRule : public ::testing::TestWithParam<TabRow> {};

// Tab into a finished box and the focus stays there, whichever key is let go first; typing
// there then corrects the box and moves on as usual.
TEST_P(TabRule, TheReleasesOfATabMoveStayOutOfTheBoxItReached) {
    const TabRow& row = GetParam();
    Selector app = withFinishedBoxes();
    app.click(row.from.control, row.from.index);
    const std::string textBefore = boxAt(app.s, row.to)->text;
    ASSERT_EQ(textBefore.size(), 2U);

    if (row.pressedHere) {
        if (row.modifiers != 0) {
            app.play(KeyPressed{
                .control = row.from, .keyCode = keys::Shift, .modifiers = row.modifiers});
        }
        EXPECT_TRUE(app.play(
            KeyPressed{.control = row.from, .keyCode = keys::Tab, .modifiers = row.modifiers}));
        app.play(FocusArrived{row.to});
    }
    for (const int key : row.releases) {
        EXPECT_FALSE(app.play(KeyReleased{.control = row.to, .keyCode = key}));
    }

    EXPECT_EQ(app.s.focus, row.to);
    EXPECT_EQ(boxAt(app.s, row.to)->text, textBefore);
    EXPECT_EQ(app.s.lstNumbers.size(), 0U);

    app.typeKey(row.to, '4');
    app.typeKey(row.to, '4');
    EXPECT_EQ(boxAt(app.s, row.to)->text, "44");
    EXPECT_EQ(app.s.focus, row.afterTyping);
}

INSTANTIATE_TEST_SUITE_P(Table, TabRule, ::testing::ValuesIn(kTabRows),
                         [](const auto& info) { return std::string(info.param.name); });

// After a Tab move, a key that is not a modifier ends the rule: Shift let go later is a key of
// the box again, and moves on from a finished box.
TEST(TabRule, EndsAtTheNextKeyThatIsNotAModifier) {
    Selector app = withFinishedBoxes();
    app.play(KeyPressed{
        .control = entryBoxFocus(2), .keyCode = keys::Tab, .modifiers = modifiers::Shift});
    app.play(FocusArrived{entryBoxFocus(1)});
    app.play(KeyPressed{.control = entryBoxFocus(1), .keyCode = keys::Left});
    EXPECT_TRUE(app.play(KeyReleased{.control = entryBoxFocus(1), .keyCode = keys::Shift}));
    EXPECT_EQ(app.s.focus, entryBoxFocus(2));
}

struct HandOffRow {
    const char* name;
    friend void PrintTo(const HandOffRow& row, std::ostream* out) { *out << row.name; }
    FocusTarget focused;
    ControlId slider;
    int value;
    FocusTarget expected; // the next shown control in the tab chain
};

const HandOffRow kHandOffRows[] = {
    {"PickSizeHidesTheEntryBox",
     entryBoxFocus(4),
     ControlId::HScroll2,
     2,
     {ControlId::lstNumbers, 0}},
    {"PickSizeHidesALateEntryBox",
     entryBoxFocus(7),
     ControlId::HScroll2,
     5,
     {ControlId::cmdClearBaseSet, 0}},
    {"BaseSetSizeHidesTheBox", baseSetBoxFocus(15), ControlId::HScroll3, 10, baseSetBoxFocus(9)},
    {"BaseSetSizeHidesTheBoxJustPastTheLast", baseSetBoxFocus(10), ControlId::HScroll3, 10,
     baseSetBoxFocus(9)},
    {"BaseSetSizeHidesEveryBox",
     baseSetBoxFocus(3),
     ControlId::HScroll3,
     0,
     {ControlId::Label5, 0}},
};

class FocusHandOff : public ::testing::TestWithParam<HandOffRow> {};

// A slider moved without taking the focus (mouse wheel, assistive tool) hides the box that has
// it: the focus goes where the tab chain leads, with that control's focus handling.
TEST_P(FocusHandOff, GoesOnAlongTheTabChainWhenTheFocusedBoxIsHidden) {
    const HandOffRow& row = GetParam();
    Selector app;
    app.setPickSize(10);
    app.setBaseSet(20, 0);
    app.press(ControlId::Command1);
    app.click(row.focused.control, row.focused.index);
    const unsigned movesBefore = app.s.focusMoves;

    app.play(SliderMoved{row.slider, row.value});

    EXPECT_EQ(app.s.focus, row.expected);
    EXPECT_EQ(app.s.focusMoves, movesBefore + 1);
    EXPECT_TRUE(isShown(app.s, app.s.focus));
    if (const TextBox* box = boxAt(app.s, row.expected)) {
        EXPECT_EQ(box->selStart, 0);
        EXPECT_EQ(box->selLength, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FocusHandOff, ::testing::ValuesIn(kHandOffRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drawlet::testing
