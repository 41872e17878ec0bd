// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// The pick-size slider and "Clear Combinations" run the same reset: the combinations, the
// picked numbers and the entry row are thrown away, the entry boxes of the pick size are shown,
// the quantity goes back to 1 of 1, and the play numbers are rebuilt.
void HScroll2_Change(SelectorState& state);
void cmdClearComb_Click(SelectorState& state);

} // namespace drawlet
