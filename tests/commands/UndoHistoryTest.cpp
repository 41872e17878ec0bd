// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UndoHistory.h"

#include "SelectorDriver.h"
#include "TabOrder.h"

#include <gtest/gtest.h>
#include <typeinfo>

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

// The snapshot takes, restores and compares each group of the state whole: a state changed in
// every field comes back exactly, and putting back any one group's default is a change the
// player sees, but for the focus (no step) and the keys held (the present's, never restored).
TEST(StateSnapshot, TakesRestoresAndComparesEveryGroupWhole) {
    const SelectorState initial;
    const SelectorState changed = everyFieldChanged();
    const StateSnapshot neighbour(initial);
    for (const StateSnapshot& snapshot :
         {StateSnapshot(changed), StateSnapshot(changed, &neighbour)}) {
        SelectorState restored = initial;
        snapshot.restoreInto(restored);
        EXPECT_EQ(restored.commandKeysDown, initial.commandKeysDown);
        restored.commandKeysDown = changed.commandKeysDown;
        EXPECT_TRUE(restored == changed);
    }
    const StateSnapshot snapshot(changed);
    SelectorState::forEachGroupType([&]<typename Group>() {
        SCOPED_TRACE(typeid(Group).name());
        EXPECT_FALSE(group<Group>(changed) == group<Group>(initial)) << "not changed";
        SelectorState oneGroupBack = changed;
        group<Group>(oneGroupBack) = group<Group>(initial);
        EXPECT_EQ(snapshot.looksLike(oneGroupBack), historyPart<Group>() != HistoryPart::Shown);
    });
}

// 101 states, each with one more number typed into the base set, recorded one by one into a
// history of 100 levels: undo walks back to the oldest kept, redo forward again, and a new change
// after an undo drops the redo steps.
TEST(UndoHistory, KeepsOneHundredLevelsAndANewChangeDropsTheRedoSteps) {
    std::vector<SelectorState> states;
    Selector app;
    app.setBaseSet(100, 0);
    for (int i = 0; i <= 101; ++i) {
        states.push_back(app.s);
        app.typeBaseSet(i % kBaseSetBoxes, twoDigitText(i % 100));
    }
    UndoHistory history(100);
    SelectorState state = states[0];
    for (std::size_t i = 1; i <= 101; ++i) {
        history.record(StateSnapshot(state, history.latest()));
        state = states[i];
    }
    for (std::size_t i = 100; i >= 1; --i) {
        ASSERT_TRUE(history.undo(state));
        ASSERT_TRUE(state == states[i]) << "undo to " << i;
    }
    EXPECT_FALSE(history.undo(state));
    ASSERT_TRUE(history.redo(state));
    EXPECT_TRUE(state == states[2]);

    history.record(StateSnapshot(state, history.latest()));
    state = states[101];
    EXPECT_FALSE(history.redo(state));
    ASSERT_TRUE(history.undo(state));
    EXPECT_TRUE(state == states[2]);
}

} // namespace
} // namespace drawlet::testing
