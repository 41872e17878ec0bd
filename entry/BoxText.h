// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

#include <string_view>

namespace drawlet {

// The key filter of both rows of boxes (their KeyPress handlers): a digit or Backspace gets into
// the box, any other character is swallowed.
bool passesKeyFilter(int keyAscii);

// The text a box receives by any route: typed, pasted, dropped or composed. Only digits are
// taken, two at the most; a text with anything else is refused whole and the box keeps its
// text. Returns whether the box took it.
bool acceptBoxText(TextBox& box, std::string_view text);

} // namespace drawlet
