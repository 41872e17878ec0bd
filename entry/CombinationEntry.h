// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"
#include "SelectorState.h"

#include <cstdint>

namespace drawlet {

// The combination entry row txtNumber(0..9). The player types a two-digit number into each box
// in use and the focus moves on by itself; finishing the last box stores the combination and
// runs a pick of all stored numbers.

void txtNumber_GotFocus(SelectorState& state, int index);
void txtNumber_KeyPress(SelectorState& state, int index, std::int16_t& KeyAscii);
void txtNumber_KeyUp(SelectorState& state, RandomSource& random, int index, int KeyCode, int Shift);

} // namespace drawlet
