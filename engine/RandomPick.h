// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"
#include "SelectorState.h"

namespace drawlet {

// "Pick": draws the quantity to pick of distinct positions from the stored combination numbers,
// shows the distinct numbers found there in ascending order (Label3) with their count (Frame1),
// and rebuilds the play numbers. With no combination entered it only rebuilds the play numbers.
void cmdPick_Click(SelectorState& state, RandomSource& random);

// A position from 1 to positions for a value in [0, 1): floor(positions * r) + 1. Rounding can
// make positions * r reach positions for r just below 1, so the result is held at positions.
int positionFor(double r, int positions);

} // namespace drawlet
