// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// Records where the focus is and counts the move, so the window applies it.
void recordFocus(SelectorState& state, FocusTarget target);

// Selects the whole two-character text of a box, so the next digit typed replaces it.
void selectWholeText(TextBox& box);

} // namespace drawlet
