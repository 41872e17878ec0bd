// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"
#include "SelectorState.h"

namespace drawlet {

// The tool tip every combination entry box gets at start-up.
inline constexpr const char* kEntryToolTip =
    "This is Automated Entry. Enter your numbers in double digit XX and check each combination. "
    "You'll have to start over if there is a mistake.";

// Runs once when the window has been created with its design-time values, before it is first
// shown: seeds the random source, empties every box and the two result lines, hides the base
// set, applies pick size 5 and sets the entry boxes' tool tip.
void Form_Load(SelectorState& state, RandomSource& random);

// The window is shown: the focus goes to the control with the lowest tab index, txtNumber(0).
void Form_Shown(SelectorState& state);

} // namespace drawlet
