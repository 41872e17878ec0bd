// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

#include <cstdint>

namespace drawlet {

// The base set boxes txtSelNumbers(0..99). The focus runs from the first box in use to the last
// and back to the first, and every key release rebuilds the play numbers, so they follow the
// typing live.

void txtSelNumbers_GotFocus(SelectorState& state, int index);
void txtSelNumbers_KeyPress(SelectorState& state, int index, std::int16_t& KeyAscii);
void txtSelNumbers_KeyUp(SelectorState& state, int index, int KeyCode, int Shift);

} // namespace drawlet
