// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Resets.h"

#include "BaseSetSize.h"
#include "CombinationEntry.h"
#include "PlayNumbers.h"
#include "Quantity.h"
#include "TypeOfSelection.h"

namespace drawlet {
namespace {

void clearBaseSetTexts(SelectorState& state) {
    for (TextBox& box : state.txtSelNumbers) {
        box.text.clear();
    }
}

} // namespace

void resetCombinations(SelectorState& state) {
    state.lstNumbers.clear();
    state.lstSort.clear();
    state.Frame1 = pickedCaption(0);
    state.Label1 = combinationsCaption(0);
    state.Label3.clear();
    state.Label4 = pickSizeCaption(pickSize(state));
    // The value comes down before the bound, so the slider never holds a value above its max.
    setQuantity(state, 1);
    state.HScroll1.max = 1;
    for (int i = 0; i < kEntryBoxes; ++i) {
        state.txtNumber[i].text.clear();
        state.txtNumber[i].visible = i < pickSize(state);
    }
    Display_Play_Numbers(state);
}

void cmdClear_Click(SelectorState& state) {
    clearBaseSetTexts(state);
    resetCombinations(state);
    state.CombNumbers.zero();
    state.Frame2 = baseSetCaption(inUseCount(state));
    if (state.typeOfSelection != SelectionType::Exclude) {
        chooseTypeOfSelection(state, SelectionType::Exclude);
    }
    focusNumberBox(state, 0);
}

void cmdClearBaseSet_Click(SelectorState& state) {
    state.lstPlaySort.clear();
    clearBaseSetTexts(state);
    showBoxesInUse(state, inUseCount(state));
    Display_Play_Numbers(state);
}

} // namespace drawlet
