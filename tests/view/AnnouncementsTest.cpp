// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Announcements.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace drawlet::view {
namespace {

// One render: what happened before it, whether a screen reader listens, what it is told.
struct Step {
    std::function<void(SelectorState&, Announcements&)> before;
    bool listening;
    std::optional<std::string> said;
};

struct Scenario {
    const char* what;
    std::vector<Step> steps;
};

void nothing(SelectorState&, Announcements&) {}

void secondCombination(SelectorState& state, Announcements&) {
    state.Label1 = "Combinations - 2";
}

void samePick(SelectorState& state, Announcements& announcements) {
    state.focus = {ControlId::cmdPick, 0};
    announcements.pickPressed();
}

TEST(Announcements, SaysWhatChangedOnlyToAScreenReaderThatListened) {
    const Scenario scenarios[] = {
        {"no screen reader: nothing is said",
         {{nothing, false, {}}, {secondCombination, false, {}}}},
        {"a screen reader that comes hears only later changes",
         {{secondCombination, true, {}},
          {nothing, true, {}},
          {[](SelectorState& s, Announcements&) { s.Label1 = "Combinations - 3"; }, true,
           "Combinations - 3"}}},
        {"a pick that drew the same numbers is said again",
         {{nothing, true, {}},
          {samePick, true, "5 - Exclusion or Inclusion Numbers: 03 15 22 37 41"},
          {nothing, true, {}}}},
        {"a pick pressed while no one listened is forgotten",
         {{samePick, false, {}}, {nothing, true, {}}, {nothing, true, {}}}},
        {"an undo that changed no result says so",
         {{nothing, true, {}},
          {[](SelectorState&, Announcements& a) { a.historyStep(HistoryStep::Undone); }, true,
           "Undone"},
          {nothing, true, {}}}},
        {"a redo before the results it brought back",
         {{nothing, true, {}},
          {[](SelectorState& s, Announcements& a) {
               a.historyStep(HistoryStep::Redone);
               secondCombination(s, a);
           },
           true, "Redone. Combinations - 2"}}},
        {"a screen reader that went away and came back starts afresh",
         {{nothing, true, {}}, {nothing, false, {}}, {secondCombination, true, {}}}},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.what);
        SelectorState state;
        state.Label1 = "Combinations - 1";
        state.Frame1 = "5 - Exclusion or Inclusion Numbers";
        state.Label3 = "03 15 22 37 41 ";
        state.focus = {ControlId::txtNumber, 0};
        Announcements announcements;
        int render = 0;
        for (const Step& step : scenario.steps) {
            step.before(state, announcements);
            EXPECT_EQ(announcements.rendered(state, step.listening), step.said)
                << "render " << ++render;
        }
    }
}

} // namespace
} // namespace drawlet::view
