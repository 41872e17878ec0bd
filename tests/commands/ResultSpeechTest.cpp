// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultSpeech.h"

#include <functional>
#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// One combination of five stored and picked, base set 01..10 auto-filled, Exclude.
SpokenResults shown() {
    SpokenResults results;
    results.Label1 = "Combinations - 1";
    results.Label2 = "Quantity of Combination Numbers to Pick - 5";
    results.Frame1 = "5 - Exclusion or Inclusion Numbers";
    results.Label3 = "03 15 22 37 41 ";
    results.Frame3 = "9 - Play Numbers";
    results.Label5 = "01 02 04 05 06 07 08 09 10 ";
    results.baseSetNumbers = 10;
    return results;
}

struct Change {
    const char* what;
    std::function<void(SpokenResults&)> change;
    ControlId focus;
    const char* heard;
};

TEST(ResultSpeech, SaysWhatChangedInWindowOrderAndLeavesOutWhatTheFocusSays) {
    const Change changes[] = {
        {"nothing", [](SpokenResults&) {}, ControlId::cmdPick, ""},
        {"a second combination",
         [](SpokenResults& r) {
             r.Label1 = "Combinations - 2";
             r.Frame1 = "6 - Exclusion or Inclusion Numbers";
             r.Label3 = "03 15 22 37 41 44 ";
         },
         ControlId::txtNumber,
         "Combinations - 2. 6 - Exclusion or Inclusion Numbers: 03 15 22 37 41 44"},
        {"same count, other picked numbers", [](SpokenResults& r) { r.Label3 = "03 15 22 37 44 "; },
         ControlId::cmdPick, "5 - Exclusion or Inclusion Numbers: 03 15 22 37 44"},
        {"same count, other play numbers", [](SpokenResults& r) { r.Label5 = "01 02 "; },
         ControlId::optInclusion, "9 - Play Numbers"},
        {"auto-fill, play numbers unchanged", [](SpokenResults& r) { r.baseSetNumbers = 100; },
         ControlId::Command1, "Base Set Numbers filled"},
        {"one more base set number typed", [](SpokenResults& r) { r.baseSetNumbers = 11; },
         ControlId::txtSelNumbers, ""},
        {"a pick, or its undo, drawing as many other numbers",
         [](SpokenResults& r) { r.Label3 = "04 16 23 38 42 "; }, ControlId::cmdPick,
         "5 - Exclusion or Inclusion Numbers: 04 16 23 38 42"},
        {"Include chosen with its button",
         [](SpokenResults& r) { r.typeOfSelection = SelectionType::Include; },
         ControlId::optInclusion, ""},
        {"the quantity slider moved", [](SpokenResults& r) { r.Label2 = "Quantity - 2"; },
         ControlId::HScroll1, ""},
        {"Clear All",
         [](SpokenResults& r) {
             r = SpokenResults{"Combinations - 0",
                               "Quantity of Combination Numbers to Pick - 1",
                               "0 - Exclusion or Inclusion Numbers",
                               "",
                               "0 - Play Numbers",
                               ""};
             r.typeOfSelection = SelectionType::Exclude;
         },
         ControlId::txtNumber,
         "Combinations - 0. Quantity of Combination Numbers to Pick - 1. 0 - Exclusion or "
         "Inclusion Numbers. Base Set Numbers cleared. 0 - Play Numbers"},
    };
    for (const Change& c : changes) {
        SpokenResults before = shown();
        before.typeOfSelection = SelectionType::Exclude;
        SpokenResults after = before;
        c.change(after);
        EXPECT_EQ(resultAnnouncement(before, after, {c.focus, 0}), c.heard) << c.what;
    }
    SpokenResults included = shown();
    included.typeOfSelection = SelectionType::Include;
    EXPECT_EQ(resultAnnouncement(included, shown(), {ControlId::cmdClear, 0}),
              "Type of Selection - Exclude")
        << "a reset of the type of selection away from its buttons";
}

TEST(ResultSpeech, SaysUndoneOrRedoneBeforeTheResultsTheStepChanged) {
    EXPECT_EQ(historyAnnouncement(HistoryStep::Undone, ""), "Undone") << "a typed digit undone";
    EXPECT_EQ(historyAnnouncement(HistoryStep::Redone, ""), "Redone");
    EXPECT_EQ(historyAnnouncement(HistoryStep::Undone, "Base Set Numbers cleared"),
              "Undone. Base Set Numbers cleared");
    EXPECT_EQ(historyAnnouncement(HistoryStep::Redone, "Combinations - 3"),
              "Redone. Combinations - 3");
}

} // namespace
} // namespace drawlet::testing
