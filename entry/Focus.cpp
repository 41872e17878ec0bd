// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Focus.h"

namespace drawlet {

void recordFocus(SelectorState& state, FocusTarget target) {
    state.focus = target;
    ++state.focusMoves;
}

void selectWholeText(TextBox& box) {
    box.selStart = 0;
    box.selLength = 2;
}

} // namespace drawlet
