// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

#include <cstdint>

namespace drawlet {

// The three sliders. The quantity slider HScroll1 belongs to the pick and its Change handler
// lives with it (Quantity.h), since the entry row writes it too; the other two reset or reshape
// rows of boxes, so theirs live here.

enum class SliderId : std::uint8_t { HScroll1, HScroll2, HScroll3 };

// A completed move of a slider to a value (arrow, track, keyboard step, released thumb, wheel or
// the accessibility interface). The value is clamped to the slider's range; a changed value runs
// the slider's Change handler.
void moveSlider(SelectorState& state, SliderId slider, int value);

// The pick size changed: the combination reset (Resets.h) for the new size.
void HScroll2_Change(SelectorState& state);

// The base set size changed: shows exactly the boxes in use, rewrites the captions of Command1
// and Frame2, and rebuilds the play numbers.
void HScroll3_Change(SelectorState& state);

} // namespace drawlet
