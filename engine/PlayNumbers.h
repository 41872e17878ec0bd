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

} // namespace drawlet
