// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CombinationReset.h"

#include "NumberText.h"
#include "PlayNumbers.h"
#include "Quantity.h"

namespace drawlet {
namespace {

void resetCombinations(SelectorState& state) {
    state.lstNumbers.clear();
    state.lstSort.clear();
    state.Frame1 = "0 - Exclusion or Inclusion Numbers";
    state.Label1 = "Combinations - 0";
    state.Label3.clear();
    state.Label4 = countLastCaption("Lottery Pick Size -", pickSize(state));
    // The value comes down before the bound, so the slider never holds a value above its max.
    setQuantity(state, 1);
    state.HScroll1.max = 1;
    for (int i = 0; i < kEntryBoxes; ++i) {
        TextBox& box = state.txtNumber[static_cast<std::size_t>(i)];
        box.text.clear();
        box.visible = i <= state.HScroll2.value;
    }
    Display_Play_Numbers(state);
}

} // namespace

void HScroll2_Change(SelectorState& state) {
    resetCombinations(state);
}

void cmdClearComb_Click(SelectorState& state) {
    resetCombinations(state);
}

} // namespace drawlet
