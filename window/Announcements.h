// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told after a render, and when: the results that changed away from the
// focus, "Undone" or "Redone" before them, and a pick's numbers even when the new pick drew the
// same. A window hands the sentence to its accessibility layer; while no screen reader listens
// nothing is compared, and a screen reader that starts listening is told only later changes.

#include "ResultSpeech.h"
#include "SelectorState.h"

#include <optional>
#include <string>

namespace drawlet::view {

class Announcements {
public:
    // Call after every render. `listening`: whether a screen reader is there now. Returns the
    // sentence to say, if any.
    std::optional<std::string> rendered(const SelectorState& state, bool listening);

    // Pick was pressed: its numbers are said after the next render even when unchanged.
    void pickPressed() { pickPressed_ = true; }

    // An undo or redo ran: the next render says so, even when no result changed.
    void historyStep(HistoryStep step) { historyStep_ = step; }

private:
    std::optional<SpokenResults> last_; // empty while no screen reader listens
    bool pickPressed_ = false;
    std::optional<HistoryStep> historyStep_;
};

} // namespace drawlet::view
