// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// The combination reset, run by "Clear Combinations", by a change of the pick size and as part
// of "Clear All": the combinations, the picked numbers and the entry row are thrown away, the
// entry boxes of the pick size are shown, the quantity goes back to 1 of 1, and the play numbers
// are rebuilt. The stored numbers themselves stay until overwritten.
void resetCombinations(SelectorState& state);

// "Clear Combinations": the combination reset.
inline void cmdClearComb_Click(SelectorState& state) {
    resetCombinations(state);
}

// The pick size HScroll2 changed: the combination reset for the new size.
inline void HScroll2_Change(SelectorState& state) {
    resetCombinations(state);
}

// "Clear All": the combination reset, and every base set text and stored number thrown away too;
// Exclude is selected, the focus goes to the first entry box and the play numbers are rebuilt.
// Sizes and visibility stay.
void cmdClear_Click(SelectorState& state);

// "Clear Base Set Numbers": empties all 100 base set boxes, shows exactly the boxes in use and
// rebuilds the play numbers. Nothing else changes.
void cmdClearBaseSet_Click(SelectorState& state);

} // namespace drawlet
