// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Startup.h"

#include "CombinationEntry.h"
#include "Resets.h"

namespace drawlet {

void Form_Load(SelectorState& state, RandomSource& random) {
    random.seedFromTimeOfDay();
    state.Label3.clear();
    state.Label5.clear();
    for (TextBox& box : state.txtNumber) {
        box.text.clear();
    }
    for (TextBox& box : state.txtSelNumbers) {
        box.text.clear();
        box.visible = false;
    }
    // The slider already stands at 4, so writing it would raise nothing: the pick-size change
    // is applied as if the player had moved the slider there.
    state.HScroll2.value = 4;
    HScroll2_Change(state);
    state.txtNumberToolTip = kEntryToolTip;
}

void Form_Shown(SelectorState& state) {
    focusNumberBox(state, 0);
}

} // namespace drawlet
