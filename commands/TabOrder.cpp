// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TabOrder.h"

#include "Focus.h"
#include "PlayNumbers.h"

#include <algorithm>
#include <array>

namespace drawlet {
namespace {

constexpr std::size_t kTabStops = kEntryBoxes + kBaseSetBoxes + 16;

constexpr std::array<FocusTarget, kTabStops> buildTabOrder() {
    std::array<FocusTarget, kTabStops> order{};
    std::size_t next = 0;
    const auto add = [&](ControlId control, int index = 0) { order[next++] = {control, index}; };
    for (int i = 0; i <= 5; ++i) {
        add(ControlId::txtNumber, i);
    }
    for (const ControlId control : {ControlId::lstNumbers, ControlId::cmdClear, ControlId::Label3,
                                    ControlId::HScroll2, ControlId::HScroll1, ControlId::cmdPick}) {
        add(control);
    }
    for (int i = kBaseSetBoxes - 1; i >= 0; --i) {
        add(ControlId::txtSelNumbers, i);
    }
    for (const ControlId control :
         {ControlId::Label5, ControlId::optExclusion, ControlId::optInclusion, ControlId::optNone,
          ControlId::cmdClearComb}) {
        add(control);
    }
    for (int i = 6; i < kEntryBoxes; ++i) {
        add(ControlId::txtNumber, i);
    }
    for (const ControlId control :
         {ControlId::cmdClearBaseSet, ControlId::HScroll3, ControlId::Command1}) {
        add(control);
    }
    add(ControlId::Option1, 1);
    add(ControlId::Option1, 0);
    return order;
}

constexpr std::array<FocusTarget, kTabStops> kTabOrder = buildTabOrder();

} // namespace

std::span<const FocusTarget> tabOrder() {
    return kTabOrder;
}

bool isShown(const SelectorState& state, FocusTarget control) {
    const bool box =
        control.control == ControlId::txtNumber || control.control == ControlId::txtSelNumbers;
    if (!box) {
        return true;
    }
    const TextBox* shown = boxAt(state, control);
    return shown != nullptr && shown->visible;
}

FocusTarget nextShownInTabOrder(const SelectorState& state, FocusTarget from) {
    const auto place = std::find(kTabOrder.begin(), kTabOrder.end(), from);
    if (place == kTabOrder.end()) {
        return from;
    }
    const auto start = static_cast<std::size_t>(place - kTabOrder.begin());
    for (std::size_t step = 1; step < kTabStops; ++step) {
        const FocusTarget candidate = kTabOrder[(start + step) % kTabStops];
        if (isShown(state, candidate)) {
            return candidate;
        }
    }
    return from;
}

void focusControl(SelectorState& state, FocusTarget target) {
    switch (target.control) {
    case ControlId::txtNumber:
        if (state.txtNumber.at(target.index) != nullptr) {
            focusNumberBox(state, target.index);
        }
        return;
    case ControlId::txtSelNumbers:
        if (state.txtSelNumbers.at(target.index) != nullptr) {
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

void passFocusFromHiddenBox(SelectorState& state, FocusTarget hidden) {
    if (state.focus == hidden && boxAt(state, hidden) != nullptr && !isShown(state, hidden)) {
        focusControl(state, nextShownInTabOrder(state, hidden));
    }
}

} // namespace drawlet
