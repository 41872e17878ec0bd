// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Quantity.h"

#include "Slider.h"

namespace drawlet {

void HScroll1_Change(SelectorState& state) {
    state.Label2 = quantityCaption(state.HScroll1.value);
}

void setQuantity(SelectorState& state, int value) {
    if (writeSliderValue(state.HScroll1, value)) {
        HScroll1_Change(state);
    }
}

} // namespace drawlet
