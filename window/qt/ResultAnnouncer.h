// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Tells a running screen reader what changed in the window's results, without moving the
// focus. Qt has no announcement call of its own, so the sentence is the label of a small
// object with the notification role that is shown afresh for each one: Orca speaks a
// notification as it appears, after the word "notification", flashes it in braille and keeps
// it in its notification list. The object takes no room, paints nothing and never takes the
// focus; without a screen reader it is never even made, and nothing is compared.

#include "ResultSpeech.h"

#include <optional>

class QLabel;
class QWidget;

namespace drawlet {

class ResultAnnouncer {
public:
    explicit ResultAnnouncer(QWidget& window) : window_(window) {}

    // Call after every render: announces what changed since the state last rendered.
    void rendered(const SelectorState& state);

    // Pick was pressed: its numbers are said after the next render even when the new pick
    // is the same as the last.
    void pickPressed() { pickPressed_ = true; }

    // An undo or redo ran: the next render says so before the results it changed, and says it
    // even when no result changed.
    void historyStep(HistoryStep step) { historyStep_ = step; }

private:
    void announce(const std::string& sentence);

    QWidget& window_;
    std::optional<SpokenResults> last_; // empty while no screen reader listens
    QWidget* notice_ = nullptr;         // made on the first announcement, owned by the window
    QLabel* noticeText_ = nullptr;
    bool pickPressed_ = false;
    std::optional<HistoryStep> historyStep_;
};

} // namespace drawlet
