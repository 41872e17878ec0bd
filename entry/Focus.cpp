// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Focus.h"

#include "BaseSetEntry.h"
#include "CombinationEntry.h"

namespace drawlet {

void recordFocus(SelectorState& state, FocusTarget target) {
    state.focus = target;
    ++state.focusMoves;
}

void selectWholeText(TextBox& box) {
    box.selStart = 0;
    box.selLength = 2;
}

void focusNumberBox(SelectorState& state, int index) {
    recordFocus(state, {ControlId::txtNumber, index});
    txtNumber_GotFocus(state, index);
}

void focusBaseSetBox(SelectorState& state, int index) {
    recordFocus(state, {ControlId::txtSelNumbers, index});
    txtSelNumbers_GotFocus(state, index);
}

} // namespace drawlet
