// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// The base set boxes txtSelNumbers(0..99). The focus runs from the first box in use to the last
// and back to the first, and every key release rebuilds the play numbers, so they follow the
// typing live. Their key filter is passesKeyFilter (BoxText.h). An index that names no box is
// ignored.

void txtSelNumbers_GotFocus(SelectorState& state, int index);
// Moves the focus into the box and runs its focus handling at once, before the caller goes on,
// as it does when the player clicks or tabs into the box.
void focusBaseSetBox(SelectorState& state, int index);
// A key was released in the box: which key does not matter, only what the box now holds.
void txtSelNumbers_KeyUp(SelectorState& state, int index);

} // namespace drawlet
