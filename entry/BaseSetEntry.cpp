// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BaseSetEntry.h"

#include "Focus.h"
#include "NumberText.h"
#include "PlayNumbers.h"

namespace drawlet {

void txtSelNumbers_GotFocus(SelectorState& state, int index) {
    if (TextBox* box = state.txtSelNumbers.at(index)) {
        selectWholeText(*box);
    }
}

void focusBaseSetBox(SelectorState& state, int index) {
    recordFocus(state, {ControlId::txtSelNumbers, index});
    txtSelNumbers_GotFocus(state, index);
}

void txtSelNumbers_KeyUp(SelectorState& state, int index) {
    const TextBox* box = state.txtSelNumbers.at(index);
    if (box == nullptr) {
        return;
    }
    const int inUse = inUseCount(state);
    if (holdsNumber(box->text)) {
        if (index < inUse - 1) {
            focusBaseSetBox(state, index + 1);
        } else if (index == inUse - 1) {
            focusBaseSetBox(state, 0);
        }
    }
    Display_Play_Numbers(state);
}

} // namespace drawlet
