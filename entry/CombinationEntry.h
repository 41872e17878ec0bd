// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"
#include "SelectorState.h"

namespace drawlet {

// The combination entry row txtNumber(0..9). The player types a two-digit number into each box
// in use and the focus moves on by itself; finishing the last box stores the combination and
// runs a pick of all stored numbers. Their key filter is passesKeyFilter (BoxText.h). An index
// that names no box is ignored.

void txtNumber_GotFocus(SelectorState& state, int index);
// Moves the focus into the box and runs its focus handling at once, before the caller goes on,
// as it does when the player clicks or tabs into the box.
void focusNumberBox(SelectorState& state, int index);
// A key was released in the box: which key does not matter, only what the box now holds.
void txtNumber_KeyUp(SelectorState& state, RandomSource& random, int index);

} // namespace drawlet
