// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// "Clear All": throws away the combinations, the picked numbers, every entry and base set text
// and every stored number, resets the captions and the quantity, selects Exclude, puts the
// focus in the first entry box and rebuilds the play numbers. Sizes and visibility stay.
void cmdClear_Click(SelectorState& state);

// "Clear Base Set Numbers": empties all 100 base set boxes, shows exactly the boxes in use and
// rebuilds the play numbers. Nothing else changes.
void cmdClearBaseSet_Click(SelectorState& state);

} // namespace drawlet
