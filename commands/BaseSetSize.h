// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// The auto-fill start Option1(0..1) and the auto-fill button Command1, which with the base set
// size slider HScroll3 (Sliders.h) decide which base set boxes are in use and can fill them with
// consecutive numbers; the boxes keep their texts when they leave use and show them again when
// they return.

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
