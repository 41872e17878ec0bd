// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"
#include "SelectorState.h"

namespace drawlet {

// What the player does to the controls, turned into the handlers the controls name. The window
// calls these for its Qt events; tests and the fuzzer call them for theirs.

enum class SliderId : std::uint8_t { HScroll1, HScroll2, HScroll3 };

// A completed move of a slider to a value (arrow, track, keyboard step, released thumb, or the
// accessibility interface). The value is clamped to the slider's range; a changed value runs
// the slider's Change handler.
void moveSlider(SelectorState& state, SliderId slider, int value);

// The focus arrives at a control, by Tab or by a click: it is recorded and the control's focus
// handling runs, where it has one.
void focusControl(SelectorState& state, FocusTarget target);

// The text an entry box or base set box now holds after the player edited it, by typing,
// pasting, dropping or composing. Returns false when the box refused the text.
bool editEntryBox(SelectorState& state, int index, std::string_view text);
bool editBaseSetBox(SelectorState& state, int index, std::string_view text);

} // namespace drawlet
