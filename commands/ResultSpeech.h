// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told when the window's results change without the focus moving to
// them: the combination count, the picked numbers, the play numbers, and what a clear command
// reset. Toolkit-free, so the wording is decided and checked apart from any widget.

#include "SelectorState.h"

#include <string>

namespace drawlet {

// The part of the state a player listens to, as the window last showed it.
struct SpokenResults {
    std::string Label1; // "Combinations - N"
    std::string Label2; // the quantity to pick
    std::string Frame1; // "N - Exclusion or Inclusion Numbers"
    std::string Label3; // the picked numbers
    std::string Frame3; // "N - Play Numbers"
    std::string Label5; // the play numbers
    SelectionType typeOfSelection = SelectionType::Exclude;
    int baseSetNumbers = 0; // base set boxes holding a number, in use or not

    bool operator==(const SpokenResults&) const = default;
};

SpokenResults spokenResults(const SelectorState& state);

// One sentence per result that changed from `before` to `after`, in the order the window shows
// them, joined by ". "; empty when nothing worth saying changed. A change the focused control
// announces itself (a type of selection chosen with its button, the quantity slider moved) is
// left out, so it is not heard twice.
std::string resultAnnouncement(const SpokenResults& before, const SpokenResults& after,
                               FocusTarget focus);

enum class HistoryStep { Undone, Redone };

// After an undo or redo: "Undone" or "Redone", then the results it changed, if any.
std::string historyAnnouncement(HistoryStep step, const std::string& results);

} // namespace drawlet
