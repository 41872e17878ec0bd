// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Undo, redo and paste through apply(): each kind of change undone and redone exactly, what a
// pasted line of numbers types, and what is refused.

#include "SelectorDriver.h"

#include <functional>
#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// Two combinations of pick size 3, a base set of 12 with two numbers typed, Include chosen.
Selector busySelector() {
    Selector app;
    app.setPickSize(3);
    app.enterCombination({"11", "12", "13"});
    app.enterCombination({"21", "22", "23"});
    app.setBaseSet(12, 0);
    app.click(ControlId::txtSelNumbers, 0);
    app.typeBaseSet(0, "22");
    app.typeBaseSet(1, "40");
    app.press(ControlId::optInclusion);
    return app;
}

struct ChangeRow {
    const char* name;
    friend void PrintTo(const ChangeRow& row, std::ostream* out) { *out << row.name; }
    std::function<void(Selector&)> setUp; // steps before the change, such as the focus it needs
    std::function<void(Selector&)> change;
};

void nothing(Selector&) {}

const ChangeRow kChangeRows[] = {
    {"StoredCombinationWithItsPick",
     [](Selector& app) {
         app.click(ControlId::txtNumber, 0);
         app.typeEntry(0, "31");
         app.typeEntry(1, "32");
     },
     [](Selector& app) {
         app.random.script(drawInOrder(9));
         app.typeEntry(2, "33");
     }},
    {"TypedBaseSetBox", [](Selector& app) { app.click(ControlId::txtSelNumbers, 5); },
     [](Selector& app) { app.typeBaseSet(5, "07"); }},
    // Include is chosen already: the click between the digits changes nothing, yet ends the
    // typing step of the first digit.
    {"DigitAfterAnEventBetween",
     [](Selector& app) {
         app.click(ControlId::txtNumber, 0);
         app.typeEntry(0, "3");
         app.press(ControlId::optInclusion);
     },
     [](Selector& app) { app.typeEntry(0, "1"); }},
    {"PickSizeSlider", nothing, [](Selector& app) { app.setPickSize(7); }},
    {"QuantitySlider", nothing, [](Selector& app) { app.setQuantity(2); }},
    {"BaseSetSizeSlider", nothing, [](Selector& app) { app.setBaseSet(3, 0); }},
    {"AutoFill", nothing, [](Selector& app) { app.press(ControlId::Command1); }},
    {"TypeOfSelection", nothing, [](Selector& app) { app.press(ControlId::optNone); }},
    {"AutoFillStart", nothing, [](Selector& app) { app.press(ControlId::Option1, 1); }},
    {"Pick", nothing,
     [](Selector& app) {
         app.random.script({0.99, 0.5, 0.01, 0.3, 0.7, 0.4});
         app.press(ControlId::cmdPick);
     }},
    {"ClearCombinations", nothing, [](Selector& app) { app.press(ControlId::cmdClearComb); }},
    {"ClearAll", nothing, [](Selector& app) { app.press(ControlId::cmdClear); }},
    {"ClearBaseSet", nothing, [](Selector& app) { app.press(ControlId::cmdClearBaseSet); }},
    // An undo ends the typing in a box: typed into again, the box makes a new step, and undoing
    // it must not take back the step below as well.
    {"TypingAgainAfterAnUndo",
     [](Selector& app) {
         app.click(ControlId::txtSelNumbers, 5);
         app.typeBaseSet(5, "0");
         app.play(Undo{});
     },
     [](Selector& app) { app.typeBaseSet(5, "7"); }},
    {"PastedLine", [](Selector& app) { app.click(ControlId::txtNumber, 0); },
     [](Selector& app) {
         app.random.script(drawInOrder(9));
         app.play(Pasted{entryBoxFocus(0), "41 42 43 44"});
     }},
};

class UndoRedo : public ::testing::TestWithParam<ChangeRow> {};

// The keys typed into one box are one step, the combination the box completes and its pick
// included; the focus moved into the box is no step, but comes back with the undo.
TEST_P(UndoRedo, UndoGivesBackTheStateBeforeTheChangeAndRedoTheStateAfter) {
    Selector app = busySelector();
    GetParam().setUp(app);
    const SelectorState before = app.s;
    GetParam().change(app);
    const SelectorState after = app.s;
    const std::size_t steps = app.history.undoSteps();

    ASSERT_TRUE(app.play(Undo{}));
    EXPECT_TRUE(app.s == before) << Shown(app.s) << "\n" << Shown(before);
    EXPECT_EQ(app.history.undoSteps(), steps - 1);

    ASSERT_TRUE(app.play(Redo{}));
    EXPECT_TRUE(app.s == after) << Shown(app.s) << "\n" << Shown(after);
    EXPECT_FALSE(app.play(Redo{}));
}

INSTANTIATE_TEST_SUITE_P(Table, UndoRedo, ::testing::ValuesIn(kChangeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UndoRedo, AFocusMoveAloneIsNoStepAndNothingToUndoChangesNothing) {
    Selector app;
    EXPECT_FALSE(app.play(Undo{}));
    app.click(ControlId::cmdPick);
    app.click(ControlId::txtSelNumbers, 0);
    EXPECT_EQ(app.history.undoSteps(), 0U);
}

struct PasteRow {
    const char* name;
    friend void PrintTo(const PasteRow& row, std::ostream* out) { *out << row.name; }
    std::function<void(Selector&)> setUp; // leaves the focus in the box pasted into
    const char* text;
    std::vector<int> picks; // the size of each pick the paste runs, every position drawn in order
    bool typed;
    std::vector<std::string> lines;   // the lines the paste added to lstNumbers
    std::vector<std::string> entry;   // the entry boxes in use afterwards
    std::vector<std::string> baseSet; // base set boxes 0 to 3 afterwards
    FocusTarget focus;
};

void pickSizeThree(Selector& app) {
    app.setPickSize(3);
    app.click(ControlId::txtNumber, 0);
}

void fourBaseSetBoxesAtTwo(Selector& app) {
    app.setBaseSet(4, 0);
    app.click(ControlId::txtSelNumbers, 0);
    app.typeBaseSet(0, "90");
    app.typeBaseSet(1, "91");
}

const PasteRow kPasteRows[] = {
    {"RunsOnIntoTheNextCombination",
     pickSizeThree,
     "01 02 03\r\n04,05",
     {3},
     true,
     {"01 02 03 "},
     {"04", "05", ""},
     {"", "", "", ""},
     entryBoxFocus(2)},
    {"StartsAtTheFocusedBoxAndReplacesItsText",
     [](Selector& app) {
         pickSizeThree(app);
         app.typeEntry(0, "09");
         app.typeEntry(1, "5");
     },
     "02 03",
     {3},
     true,
     {"09 02 03 "},
     {"", "", ""},
     {"", "", "", ""},
     entryBoxFocus(0)},
    {"StopsAtTheHundredthCombination",
     [](Selector& app) {
         app.setPickSize(1);
         for (int i = 0; i < kMaxCombinations - 2; ++i) {
             app.enterCombination({twoDigitText(i)});
         }
     },
     "97 98 99",
     {99, 100},
     true,
     {"97 ", "98 "},
     {""},
     {"", "", "", ""},
     entryBoxFocus(0)},
    {"FullListRefused",
     [](Selector& app) {
         app.setPickSize(1);
         for (int i = 0; i < kMaxCombinations; ++i) {
             app.enterCombination({twoDigitText(i % 100)});
         }
     },
     "01",
     {},
     false,
     {},
     {""},
     {"", "", "", ""},
     entryBoxFocus(0)},
    {"BaseSetStopsAfterTheLastBoxInUse",
     fourBaseSetBoxesAtTwo,
     "10 11 12",
     {},
     true,
     {},
     {"", "", "", "", ""},
     {"90", "91", "10", "11"},
     baseSetBoxFocus(0)},
    {"OneDigitNumberRefused",
     pickSizeThree,
     "01 2 03",
     {},
     false,
     {},
     {"", "", ""},
     {"", "", "", ""},
     entryBoxFocus(0)},
    {"NoNumberRefused",
     pickSizeThree,
     " \r\n",
     {},
     false,
     {},
     {"", "", ""},
     {"", "", "", ""},
     entryBoxFocus(0)},
    {"OutsideTheBoxesRefused",
     [](Selector& app) { app.click(ControlId::cmdPick); },
     "01",
     {},
     false,
     {},
     {"", "", "", "", ""},
     {"", "", "", ""},
     FocusTarget{ControlId::cmdPick, 0}},
};

class Paste : public ::testing::TestWithParam<PasteRow> {};

TEST_P(Paste, TypesALineOfNumbersFromTheFocusedBoxOrRefusesItWhole) {
    const PasteRow& row = GetParam();
    Selector app;
    row.setUp(app);
    const SelectorState before = app.s;
    const std::vector<std::string> linesBefore = app.s.lstNumbers;
    std::vector<double> draws;
    for (const int positions : row.picks) {
        const std::vector<double> pick = drawInOrder(positions);
        draws.insert(draws.end(), pick.begin(), pick.end());
    }
    app.random.script(draws);

    EXPECT_EQ(app.play(Pasted{app.s.focus, row.text}), row.typed);
    if (!row.typed) {
        EXPECT_TRUE(app.s == before);
        return;
    }
    const auto added = static_cast<std::ptrdiff_t>(linesBefore.size());
    EXPECT_EQ(std::vector<std::string>(app.s.lstNumbers.begin() + added, app.s.lstNumbers.end()),
              row.lines);
    const std::vector<std::string> entry = textsOf(app.s.txtNumber);
    EXPECT_EQ(std::vector<std::string>(entry.begin(), entry.begin() + pickSize(app.s)), row.entry);
    const std::vector<std::string> baseSet = textsOf(app.s.txtSelNumbers);
    EXPECT_EQ(std::vector<std::string>(baseSet.begin(), baseSet.begin() + 4), row.baseSet);
    EXPECT_EQ(app.s.focus, row.focus);

    ASSERT_TRUE(app.play(Undo{}));
    EXPECT_TRUE(app.s == before) << "one paste is one undo step";
}

INSTANTIATE_TEST_SUITE_P(Table, Paste, ::testing::ValuesIn(kPasteRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Ctrl+V pastes into base set box 0, and the focus moves on to box 1, which holds a number: the
// releases of V and Ctrl there belong to the shortcut and must not send the focus on again. So
// for Ctrl+Z.
TEST(Shortcuts, TheirKeyReleasesAreNotKeysOfTheBox) {
    Selector app;
    fourBaseSetBoxesAtTwo(app);
    ASSERT_EQ(app.s.focus, baseSetBoxFocus(2));
    app.click(ControlId::txtSelNumbers, 0);
    app.play(KeyPressed{baseSetBoxFocus(0), keys::Control, modifiers::Control});
    ASSERT_TRUE(app.play(Pasted{baseSetBoxFocus(0), "05", 'V', modifiers::Control}));
    EXPECT_FALSE(app.play(KeyReleased{baseSetBoxFocus(1), 'V', modifiers::Control}));
    EXPECT_FALSE(app.play(KeyReleased{baseSetBoxFocus(1), keys::Control, 0}));
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(1));

    ASSERT_TRUE(app.play(Undo{'Z', modifiers::Control}));
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(0));
    EXPECT_FALSE(app.play(KeyReleased{baseSetBoxFocus(0), keys::Control, 0}));
    EXPECT_FALSE(app.play(KeyReleased{baseSetBoxFocus(0), 'Z', 0}));
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(0));
    EXPECT_TRUE(app.play(KeyReleased{baseSetBoxFocus(0), keys::Right, 0}));
    EXPECT_EQ(app.s.focus, baseSetBoxFocus(1));
}

} // namespace
} // namespace drawlet::testing
