// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// The quantity slider HScroll1: how many stored numbers the next pick draws. It lives with the
// pick because the pick reads it; the combination row and the resets write it.

// Rewrites the quantity caption Label2, and nothing else: moving the slider picks nothing.
void HScroll1_Change(SelectorState& state);

// Writes HScroll1's value, clamped to its range; a value that differs runs HScroll1_Change.
void setQuantity(SelectorState& state, int value);

} // namespace drawlet
