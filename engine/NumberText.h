// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The two-digit text convention: numbers live as texts "00" to "99", compare by value, and are
// joined for display with one space after each.

#include "SortedList.h"

#include <string>
#include <string_view>

namespace drawlet {

// 7 -> "07", 42 -> "42".
std::string formatTwoDigits(int number);

// The value of a text: its leading decimal digits read as a number, 0 when there are none.
int valueOfText(std::string_view text);

// True for "", "7" or "07": a box text made of at most two digits.
bool isBoxText(std::string_view text);

// A box holds a number only when its text has exactly two characters.
inline bool holdsNumber(std::string_view text) {
    return text.size() == 2;
}

// The lines of a list, each followed by one space: "03 17 42 ".
std::string joinNumbers(const SortedList& list);

// "12 - Play Numbers": the count, " - ", then the text.
std::string countFirstCaption(int count, std::string_view text);

// "Combinations - 3": a text ending in "-", one space, then the count.
std::string countLastCaption(std::string_view text, int count);

// Walks a sorted list from its end and drops every line whose value equals the one before it,
// so each value stays once.
void removeRepeats(SortedList& list);

} // namespace drawlet
