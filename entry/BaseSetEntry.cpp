// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BaseSetEntry.h"

#include "BoxText.h"
#include "Focus.h"
#include "NumberText.h"
#include "PlayNumbers.h"

namespace drawlet {
namespace {

bool isBaseSetBox(int index) {
    return index >= 0 && index < kBaseSetBoxes;
}

} // namespace

void txtSelNumbers_GotFocus(SelectorState& state, int index) {
    if (isBaseSetBox(index)) {
        selectWholeText(state.txtSelNumbers[static_cast<std::size_t>(index)]);
    }
}

void txtSelNumbers_KeyPress(SelectorState& /*state*/, int /*index*/, std::int16_t& KeyAscii) {
    KeyAscii = filterDigitKey(KeyAscii);
}

void txtSelNumbers_KeyUp(SelectorState& state, int index, int /*KeyCode*/, int /*Shift*/) {
    if (!isBaseSetBox(index)) {
        return;
    }
    const int inUse = inUseCount(state);
    if (holdsNumber(state.txtSelNumbers[static_cast<std::size_t>(index)].text)) {
        if (index < inUse - 1) {
            focusBaseSetBox(state, index + 1);
        } else if (index == inUse - 1) {
            focusBaseSetBox(state, 0);
        }
    }
    Display_Play_Numbers(state);
}

} // namespace drawlet
