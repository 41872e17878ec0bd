// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Hands a sentence to a running screen reader, without moving the focus; what to say and when is
// the view's decision (Announcements.h). Qt has no announcement call of its own, so the sentence
// is the label of a small object with the notification role that is shown afresh for each one:
// Orca speaks a notification as it appears, after the word "notification", flashes it in
// braille and keeps it in its notification list. The object takes no room, paints nothing and
// never takes the focus; without a screen reader it is never even made.

#include <string>

class QLabel;
class QWidget;

namespace drawlet {

class ResultAnnouncer {
public:
    explicit ResultAnnouncer(QWidget& window) : window_(window) {}

    void announce(const std::string& sentence);

private:
    QWidget& window_;
    QWidget* notice_ = nullptr; // made on the first announcement, owned by the window
    QLabel* noticeText_ = nullptr;
};

} // namespace drawlet
