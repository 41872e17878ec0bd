// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPushButton;

namespace drawlet {

// Return and Enter on a focused button press it exactly as Space does: down on the press,
// clicked on the release, a held key clicking once. Forms on other desktops work this way;
// Qt's own Return handling would click at once, again on every auto-repeat, and only on
// buttons marked as possible defaults, which some styles draw wider.
void pressOnReturn(QPushButton* button);

} // namespace drawlet
