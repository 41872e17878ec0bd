// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Sliders.h"

#include "BaseSetSize.h"
#include "PlayNumbers.h"
#include "Quantity.h"
#include "Resets.h"
#include "Slider.h"

namespace drawlet {

void moveSlider(SelectorState& state, SliderId slider, int value) {
    switch (slider) {
    case SliderId::HScroll1:
        setQuantity(state, value);
        break;
    case SliderId::HScroll2:
        if (writeSliderValue(state.HScroll2, value)) {
            HScroll2_Change(state);
        }
        break;
    case SliderId::HScroll3:
        if (writeSliderValue(state.HScroll3, value)) {
            HScroll3_Change(state);
        }
        break;
    }
}

void HScroll2_Change(SelectorState& state) {
    resetCombinations(state);
}

void HScroll3_Change(SelectorState& state) {
    state.lstPlaySort.clear();
    const int inUse = inUseCount(state);
    showBoxesInUse(state, inUse);
    state.Command1 = autoFillCaption(inUse, autoFillStart(state), state.HScroll3.value - 1);
    state.Frame2 = baseSetCaption(inUse);
    Display_Play_Numbers(state);
}

} // namespace drawlet
