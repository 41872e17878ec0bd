// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// The base set's reach: the base set size slider HScroll3, the auto-fill start Option1(0..1) and
// the auto-fill button Command1. The size and the start decide which base set boxes are in use;
// auto-fill writes consecutive numbers into them. The boxes keep their texts when they leave use
// and show them again when they return.

// The base set size changed: shows exactly the boxes in use, rewrites the captions of Command1
// and Frame2, and rebuilds the play numbers.
void HScroll3_Change(SelectorState& state);

// Auto-fill: writes start, start + 1, ... into the boxes in use, then runs HScroll3_Change.
void Command1_Click(SelectorState& state);

// The auto-fill start changed: runs HScroll3_Change and rebuilds the play numbers once more.
void Option1_Click(SelectorState& state);

// The player selects Option1(index); the other button of the pair clears. Any other index is
// ignored.
void chooseAutoFillStart(SelectorState& state, int index);

// Shows the base set boxes in use and hides all others.
void showBoxesInUse(SelectorState& state, int inUse);

} // namespace drawlet
