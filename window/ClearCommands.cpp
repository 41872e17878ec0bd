// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClearCommands.h"

#include "BaseSetSize.h"
#include "Focus.h"
#include "PlayNumbers.h"
#include "Quantity.h"

namespace drawlet {

void cmdClear_Click(SelectorState& state) {
    const int inUse = inUseCount(state);
    for (TextBox& box : state.txtNumber) {
        box.text.clear();
    }
    for (TextBox& box : state.txtSelNumbers) {
        box.text.clear();
    }
    state.lstNumbers.clear();
    state.lstSort.clear();
    state.lstPlaySort.clear();
    state.Label1 = "Combinations - 0";
    state.Label2 = "Quantity of Combination Numbers to Pick - 1";
    state.Label3.clear();
    state.Label5.clear();
    state.Frame1 = "0 - Exclusion or Inclusion Numbers";
    state.Frame2 = baseSetCaption(inUse);
    state.Frame3 = "0 - Play Numbers";
    if (state.typeOfSelection != SelectionType::Exclude) {
        chooseTypeOfSelection(state, SelectionType::Exclude);
    }
    setQuantity(state, 1);
    state.HScroll1.max = 1;
    state.CombNumbers.zero();
    focusNumberBox(state, 0);
    Display_Play_Numbers(state);
}

void cmdClearBaseSet_Click(SelectorState& state) {
    state.lstPlaySort.clear();
    for (TextBox& box : state.txtSelNumbers) {
        box.text.clear();
    }
    showBoxesInUse(state, inUseCount(state));
    Display_Play_Numbers(state);
}

} // namespace drawlet
