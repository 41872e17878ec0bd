// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PlayNumbers.h"
#include "SelectorState.h"

namespace drawlet {

// The type of selection, optExclusion, optInclusion and optNone: what the picked numbers do to
// the base set. Its buttons only recompute the play numbers, whether chosen or merely focused.
inline constexpr void (*optExclusion_Click)(SelectorState&) = Display_Play_Numbers;
inline constexpr void (*optExclusion_GotFocus)(SelectorState&) = Display_Play_Numbers;
inline constexpr void (*optInclusion_Click)(SelectorState&) = Display_Play_Numbers;
inline constexpr void (*optInclusion_GotFocus)(SelectorState&) = Display_Play_Numbers;
inline constexpr void (*optNone_Click)(SelectorState&) = Display_Play_Numbers;
inline constexpr void (*optNone_GotFocus)(SelectorState&) = Display_Play_Numbers;

// The player chooses a type of selection: the button becomes selected and its click runs.
void chooseTypeOfSelection(SelectorState& state, SelectionType type);

} // namespace drawlet
