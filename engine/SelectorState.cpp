// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SelectorState.h"

#include "NumberText.h"

namespace drawlet {

std::string designNumbersCaption() {
    std::string caption;
    for (int number = 0; number < 100; ++number) {
        if (number > 0) {
            caption += ' ';
        }
        caption += formatTwoDigits(number);
    }
    return caption;
}

// At design time every box shows "00".
EntryRow::EntryRow() {
    for (TextBox& box : txtNumber) {
        box.text = "00";
    }
}

BaseSetBoxes::BaseSetBoxes() {
    for (TextBox& box : txtSelNumbers) {
        box.text = "00";
    }
}

int autoFillStart(const SelectorState& state) {
    if (state.Option1[0]) {
        return 0;
    }
    return state.Option1[1] ? 1 : 0;
}

int inUseCount(const SelectorState& state) {
    return state.HScroll3.value - autoFillStart(state);
}

namespace {

template <class State>
auto boxIn(State& state, FocusTarget target) -> decltype(state.txtNumber.at(0)) {
    switch (target.control) {
    case ControlId::txtNumber:
        return state.txtNumber.at(target.index);
    case ControlId::txtSelNumbers:
        return state.txtSelNumbers.at(target.index);
    default:
        return nullptr;
    }
}

} // namespace

TextBox* boxAt(SelectorState& state, FocusTarget target) {
    return boxIn(state, target);
}

const TextBox* boxAt(const SelectorState& state, FocusTarget target) {
    return boxIn(state, target);
}

} // namespace drawlet
