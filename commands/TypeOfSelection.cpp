// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TypeOfSelection.h"

#include "PlayNumbers.h"

namespace drawlet {

void optExclusion_Click(SelectorState& state) {
    Display_Play_Numbers(state);
}
void optExclusion_GotFocus(SelectorState& state) {
    Display_Play_Numbers(state);
}
void optInclusion_Click(SelectorState& state) {
    Display_Play_Numbers(state);
}
void optInclusion_GotFocus(SelectorState& state) {
    Display_Play_Numbers(state);
}
void optNone_Click(SelectorState& state) {
    Display_Play_Numbers(state);
}
void optNone_GotFocus(SelectorState& state) {
    Display_Play_Numbers(state);
}

void chooseTypeOfSelection(SelectorState& state, SelectionType type) {
    state.typeOfSelection = type;
    switch (type) {
    case SelectionType::Exclude:
        optExclusion_Click(state);
        break;
    case SelectionType::Include:
        optInclusion_Click(state);
        break;
    case SelectionType::None:
        optNone_Click(state);
        break;
    }
}

} // namespace drawlet
