// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawletControls.h"
#include "SelectorState.h"

namespace drawlet {

// Brings every widget in line with the state: captions, sliders, box texts and visibility, the
// combination list, the option buttons and the tool tips. Only what differs from what a widget
// shows is written, with the widget's signals blocked, so nothing echoes back as an event.
void renderState(const DrawletControls& controls, const SelectorState& state);

// Puts the keyboard focus on the state's control and gives a box the selection its focus
// handling asked for, clamped to the box's text.
void applyFocus(const DrawletControls& controls, const SelectorState& state);

} // namespace drawlet
