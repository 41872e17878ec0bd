// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// Rebuilds the play numbers from scratch: the base set boxes in use, less the picked numbers
// (Exclude), plus them (Include), or alone (None). Writes lstPlaySort, Frame3 and Label5 and
// nothing else.
void Display_Play_Numbers(SelectorState& state);

// The type-of-selection buttons only recompute, whether chosen or merely focused.
void optExclusion_Click(SelectorState& state);
void optExclusion_GotFocus(SelectorState& state);
void optInclusion_Click(SelectorState& state);
void optInclusion_GotFocus(SelectorState& state);
void optNone_Click(SelectorState& state);
void optNone_GotFocus(SelectorState& state);

// The player chooses a type of selection: the button becomes selected and its click runs.
void chooseTypeOfSelection(SelectorState& state, SelectionType type);

} // namespace drawlet
