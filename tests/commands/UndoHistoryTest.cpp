// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UndoHistory.h"

#include "SelectorDriver.h"
#include "TabOrder.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// A state with something in every part: numbers left in the arrays beyond the stored
// combinations by an earlier, cleared set, a base set, a pick, the focus in a box.
SelectorState busyState() {
    Selector app;
    app.setPickSize(3);
    app.enterCombination({"11", "12", "13"});
    app.enterCombination({"21", "22", "23"});
    app.setPickSize(2);
    app.enterCombination({"31", "32"});
    app.setBaseSet(12, 0);
    app.click(ControlId::txtSelNumbers, 4);
    app.typeBaseSet(4, "32");
    app.click(ControlId::optInclusion);
    app.click(ControlId::txtNumber, 1);
    app.typeEntry(1, "7");
    EXPECT_EQ(app.s.CombNumbers[6], 23); // stale, beyond the two stored numbers
    return app.s;
}

TEST(StateSnapshot, GivesBackTheExactStateAloneOrSharingWithANeighbour) {
    const SelectorState busy = busyState();
    Selector app;
    app.s = busy;
    app.press(ControlId::cmdClear);
    const SelectorState cleared = app.s;

    const StateSnapshot alone(busy);
    const StateSnapshot sharing(busy, &alone);
    const StateSnapshot clearedSnapshot(cleared, &sharing);
    for (const StateSnapshot* snapshot : {&alone, &sharing}) {
        SelectorState restored;
        snapshot->restoreInto(restored);
        EXPECT_TRUE(restored == busy);
    }
    SelectorState restored = busy;
    clearedSnapshot.restoreInto(restored);
    EXPECT_TRUE(restored == cleared);
}

TEST(StateSnapshot, TellsAChangeFromAFocusMove) {
    const SelectorState busy = busyState();
    const StateSnapshot snapshot(busy);
    SelectorState moved = busy;
    focusControl(moved, {ControlId::txtSelNumbers, 0});
    EXPECT_TRUE(snapshot.looksLike(moved));

    SelectorState staleNumber = busy;
    staleNumber.CombNumbers[5] = 0; // beyond the stored numbers, and still a change of state
    SelectorState hidden = busy;
    hidden.txtSelNumbers[11].visible = false;
    SelectorState picked = busy;
    picked.PickIndex[1] = 3;
    for (const SelectorState* changed : {&staleNumber, &hidden, &picked}) {
        EXPECT_FALSE(snapshot.looksLike(*changed));
    }
}

// States 0, 1, 2 ...: each with one more number typed into the base set.
struct Steps {
    std::vector<SelectorState> states;
    explicit Steps(int count) {
        Selector app;
        app.setBaseSet(100, 0);
        for (int i = 0; i < count; ++i) {
            states.push_back(app.s);
            app.typeBaseSet(i % kBaseSetBoxes, twoDigitText(i % 100));
        }
        states.push_back(app.s);
    }
};

TEST(UndoHistory, UndoesAndRedoesStepByStepAndANewChangeDropsTheRedoSteps) {
    const Steps steps(3);
    UndoHistory history;
    SelectorState state = steps.states[0];
    for (int i = 1; i <= 3; ++i) {
        history.record(StateSnapshot(state, history.latest()));
        state = steps.states[static_cast<std::size_t>(i)];
    }
    for (int i = 2; i >= 0; --i) {
        ASSERT_TRUE(history.undo(state));
        EXPECT_TRUE(state == steps.states[static_cast<std::size_t>(i)]) << "undo to " << i;
    }
    EXPECT_FALSE(history.undo(state));
    EXPECT_TRUE(state == steps.states[0]);
    for (int i = 1; i <= 2; ++i) {
        ASSERT_TRUE(history.redo(state));
        EXPECT_TRUE(state == steps.states[static_cast<std::size_t>(i)]) << "redo to " << i;
    }

    history.record(StateSnapshot(state, history.latest()));
    state = steps.states[0];
    EXPECT_FALSE(history.redo(state));
    EXPECT_EQ(history.undoSteps(), 3U);
    ASSERT_TRUE(history.undo(state));
    EXPECT_TRUE(state == steps.states[2]);
}

TEST(UndoHistory, KeepsItsLevelsAndDropsTheOldestStep) {
    const Steps steps(101);
    UndoHistory history(100);
    SelectorState state = steps.states[0];
    for (std::size_t i = 1; i < steps.states.size(); ++i) {
        history.record(StateSnapshot(state, history.latest()));
        state = steps.states[i];
    }
    EXPECT_EQ(history.undoSteps(), 100U);
    while (history.undo(state)) {
    }
    EXPECT_TRUE(state == steps.states[1]);
}

TEST(UndoHistory, MakesOneStepOfAGroupUntilTheGroupEnds) {
    const Steps steps(5);
    UndoHistory history;
    SelectorState state = steps.states[0];
    const std::uint32_t groups[] = {7, 7, 0, 7, 7};
    for (std::size_t i = 1; i <= 5; ++i) {
        if (i == 5) {
            history.endGroup();
        }
        history.record(StateSnapshot(state, history.latest()), groups[i - 1]);
        state = steps.states[i];
    }
    // Steps: the first two changes as one, then one step each: after a change of no group, and
    // after the group was ended.
    for (const std::size_t expected : {4U, 3U, 2U, 0U}) {
        ASSERT_TRUE(history.undo(state));
        EXPECT_TRUE(state == steps.states[expected]) << "undo to " << expected;
    }
    EXPECT_FALSE(history.undo(state));
}

} // namespace
} // namespace drawlet::testing
