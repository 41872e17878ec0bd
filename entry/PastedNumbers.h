// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace drawlet {

// A pasted line of numbers, as the player copies it from a note, a web page or the play numbers:
// two-digit numbers separated by spaces, commas, semicolons, tabs or line breaks, in any mix and
// any number, before, between and after the numbers. Returns the digits to type one by one,
// "0314" for "03, 14\r\n". Any other text is refused whole (no value): a letter, a sign, a
// number of one digit or of three, and a text with no number at all.
std::optional<std::string> pastedDigits(std::string_view text);

} // namespace drawlet
