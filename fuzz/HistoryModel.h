// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The storm's own account of the undo history, kept from the rules the player is told rather than
// from the history's code: every event that changes what the player sees is one step, but for the
// keys typed into one box, which make one step until another event comes between; an undo or a
// redo ends that typing. The model keeps the whole state from before each step, so an undo must
// give back exactly that state, group by group and field by field, and a redo exactly the state
// the undo left. Where the focus is comes back too; the keys held down stay as they are.

#include "SelectorState.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace drawlet::storm {

// The first group that differs between two states, by name, or nothing when they are equal.
// `shownOnly` leaves out where the focus is, what the boxes have selected and the keys held.
std::optional<std::string> firstDifference(const SelectorState& a, const SelectorState& b,
                                           bool shownOnly);

class HistoryModel {
public:
    static constexpr std::size_t kLevels = 100;

    explicit HistoryModel(const SelectorState& started) : present_(started) {}

    // The state after the last event, as the model saw it.
    const SelectorState& present() const { return present_; }

    // After any event through apply() but undo and redo. `typedInto` is the box the event's key
    // or text went to, none for any other event.
    void played(const SelectorState& now, std::optional<FocusTarget> typedInto);

    // After a handler called directly, which the history never sees.
    void bypassed(const SelectorState& now) { present_ = now; }

    // After an undo (or a redo) that apply() reported as taken or not: what went wrong, if
    // anything.
    std::optional<std::string> undone(const SelectorState& now, bool taken);
    std::optional<std::string> redone(const SelectorState& now, bool taken);

    std::size_t undoSteps() const { return undo_.size(); }

private:
    std::optional<std::string> stepped(std::deque<SelectorState>& from,
                                       std::deque<SelectorState>& to, const SelectorState& now,
                                       bool taken, const char* what);

    SelectorState present_;
    std::deque<SelectorState> undo_;
    std::deque<SelectorState> redo_;
    std::optional<FocusTarget> typing_; // the box whose keys make the open step
};

} // namespace drawlet::storm
