// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SelectorState.h"

namespace drawlet {

// Writes a scroll bar's value, clamped to its range, and tells whether it changed: only a
// changed value runs the slider's Change handler, which is the caller's to run.
bool writeSliderValue(ScrollBar& slider, int value);

} // namespace drawlet
