// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BaseSetSize.h"

#include "NumberText.h"
#include "PlayNumbers.h"

namespace drawlet {

void showBoxesInUse(SelectorState& state, int inUse) {
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        state.txtSelNumbers[i].visible = i + 1 <= inUse;
    }
}

void HScroll3_Change(SelectorState& state) {
    state.lstPlaySort.clear();
    const int inUse = inUseCount(state);
    showBoxesInUse(state, inUse);
    state.Command1 = autoFillCaption(inUse, autoFillStart(state), state.HScroll3.value - 1);
    state.Frame2 = baseSetCaption(inUse);
    Display_Play_Numbers(state);
}

void Command1_Click(SelectorState& state) {
    const int start = autoFillStart(state);
    const int inUse = inUseCount(state);
    for (int i = 0; i < inUse; ++i) {
        state.txtSelNumbers[i].text = formatTwoDigits(start + i);
    }
    HScroll3_Change(state);
}

void Option1_Click(SelectorState& state) {
    HScroll3_Change(state);
    Display_Play_Numbers(state);
}

void chooseAutoFillStart(SelectorState& state, int index) {
    if (index != 0 && index != 1) {
        return;
    }
    state.Option1 = {index == 0, index == 1};
    Option1_Click(state);
}

} // namespace drawlet
