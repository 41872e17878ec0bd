// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

#include <span>

namespace drawlet {

// Where the keyboard focus goes: the tab order of the window, and the focus arriving at a
// control with the control's own focus handling.

// Every control that takes the focus, in the order Tab visits them (the controls' tab indexes).
// The window chains its widgets in this order.
std::span<const FocusTarget> tabOrder();

// Whether the player can see the control: a box only while it is shown, any other always.
bool isShown(const SelectorState& state, FocusTarget control);

// The next control after `from` in the tab order that the player can see, wrapping round, as
// Tab reaches it; `from` itself when no other is shown.
FocusTarget nextShownInTabOrder(const SelectorState& state, FocusTarget from);

// The focus arrives at a control, by Tab, by a click or from a handler: it is recorded and the
// control's focus handling runs, where it has one. A box index that names no box is ignored.
void focusControl(SelectorState& state, FocusTarget target);

// When a handler hid the box that held the focus (the pick size or base set size went down),
// the focus goes on to the next shown control in the tab order with its focus handling, just as
// the toolkit passes it on when the focused widget is hidden.
void passFocusFromHiddenBox(SelectorState& state, FocusTarget hidden);

} // namespace drawlet
