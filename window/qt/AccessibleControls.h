// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What screen readers are told about the controls beyond what Qt tells them by itself:
//
// - The pick-size slider reads as the pick size, 1 to 10, and the base set size slider as the
//   number of base set boxes in use, as the captions beside them show; setting a value through
//   the accessibility interface sets what it reads. The quantity slider already reads as its
//   caption does.
// - Exclude, Include and None are labelled by "Type of Selection -", so a screen reader names
//   the group when the focus enters it, as it names the frame of the auto-fill starts.
//
// Nothing here changes what the window shows.

#include "DrawletControls.h"
#include "SelectorState.h"

namespace drawlet {

// Replaces Qt's accessible interfaces of those controls with ones that read as above. Call it
// once the controls are built; `state` must outlive them.
void describeToAssistiveTools(const DrawletControls& controls, const SelectorState& state);

// Tells screen readers what a slider reads as now, where that changed without the slider moving
// (a new auto-fill start changes what the base set size slider reads).
void tellValueRead(QScrollBar* slider);

} // namespace drawlet
