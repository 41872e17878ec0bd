// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TypeOfSelection.h"

#include <array>

namespace drawlet {

void chooseTypeOfSelection(SelectorState& state, SelectionType type) {
    // In the order of SelectionType.
    constexpr std::array<void (*)(SelectorState&), 3> clicks = {optExclusion_Click,
                                                                optInclusion_Click, optNone_Click};
    state.typeOfSelection = type;
    clicks[static_cast<std::size_t>(type)](state);
}

} // namespace drawlet
