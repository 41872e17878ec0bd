// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Events.h"

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "BoxText.h"
#include "CombinationEntry.h"
#include "CombinationReset.h"
#include "Focus.h"
#include "PlayNumbers.h"
#include "Quantity.h"
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

void focusControl(SelectorState& state, FocusTarget target) {
    switch (target.control) {
    case ControlId::txtNumber:
        if (target.index >= 0 && target.index < kEntryBoxes) {
            focusNumberBox(state, target.index);
        }
        return;
    case ControlId::txtSelNumbers:
        if (target.index >= 0 && target.index < kBaseSetBoxes) {
            focusBaseSetBox(state, target.index);
        }
        return;
    case ControlId::optExclusion:
        recordFocus(state, target);
        optExclusion_GotFocus(state);
        return;
    case ControlId::optInclusion:
        recordFocus(state, target);
        optInclusion_GotFocus(state);
        return;
    case ControlId::optNone:
        recordFocus(state, target);
        optNone_GotFocus(state);
        return;
    default:
        recordFocus(state, target);
        return;
    }
}

bool editEntryBox(SelectorState& state, int index, std::string_view text) {
    return index >= 0 && index < kEntryBoxes &&
           acceptBoxText(state.txtNumber[static_cast<std::size_t>(index)], text);
}

bool editBaseSetBox(SelectorState& state, int index, std::string_view text) {
    return index >= 0 && index < kBaseSetBoxes &&
           acceptBoxText(state.txtSelNumbers[static_cast<std::size_t>(index)], text);
}

} // namespace drawlet
