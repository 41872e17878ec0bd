// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TabOrder.h"

#include "Controls.h"
#include "Focus.h"

#include <algorithm>
#include <vector>

namespace drawlet {
namespace {

// Every place of the table, one box of a control array at a time.
std::vector<FocusTarget> buildTabOrder() {
    std::vector<FocusTarget> order;
    for (const Control& row : controlTable()) {
        const int step = row.first <= row.last ? 1 : -1;
        for (int index = row.first;; index += step) {
            order.push_back({row.id, index});
            if (index == row.last) {
                break;
            }
        }
    }
    return order;
}

} // namespace

std::span<const FocusTarget> tabOrder() {
    static const std::vector<FocusTarget> order = buildTabOrder();
    return order;
}

bool isShown(const SelectorState& state, FocusTarget control) {
    if (!isBox(control)) {
        return true;
    }
    const TextBox* shown = boxAt(state, control);
    return shown != nullptr && shown->visible;
}

FocusTarget nextShownInTabOrder(const SelectorState& state, FocusTarget from) {
    const std::span<const FocusTarget> order = tabOrder();
    const auto place = std::find(order.begin(), order.end(), from);
    if (place == order.end()) {
        return from;
    }
    const auto start = static_cast<std::size_t>(place - order.begin());
    for (std::size_t step = 1; step < order.size(); ++step) {
        const FocusTarget candidate = order[(start + step) % order.size()];
        if (isShown(state, candidate)) {
            return candidate;
        }
    }
    return from;
}

void focusControl(SelectorState& state, FocusTarget target) {
    const Control* row = controlRow(target.control);
    if (row != nullptr && row->kind == ControlKind::BoxRow && boxAt(state, target) == nullptr) {
        return;
    }
    recordFocus(state, target);
    if (row != nullptr && row->gotFocus != nullptr) {
        row->gotFocus(state, target.index);
    }
}

void passFocusFromHiddenBox(SelectorState& state, FocusTarget hidden) {
    if (state.focus == hidden && boxAt(state, hidden) != nullptr && !isShown(state, hidden)) {
        focusControl(state, nextShownInTabOrder(state, hidden));
    }
}

} // namespace drawlet
