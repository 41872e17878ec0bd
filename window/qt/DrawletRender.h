// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "DrawletControls.h"
#include "SelectorState.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace drawlet {

// The texts the widgets were last given, so that a render compares the state with these and
// touches only the widgets whose content changed, instead of reading every widget back. Empty
// where not known: before the first render, and for a box the player has just edited, whose
// widget then shows what the player typed.
struct ShownTexts {
    static constexpr std::size_t kCaptions = 9; // Label1 to Label5, Frame1 to Frame3, Command1

    std::array<std::optional<std::string>, kCaptions> captions;
    std::array<std::optional<std::string>, kEntryBoxes> entryBoxes;
    std::array<std::optional<std::string>, kBaseSetBoxes> baseSetBoxes;
    std::optional<std::vector<std::string>> lines;
    std::optional<std::string> toolTip;

    // The player edited this box: its widget is read again at the next render.
    void edited(FocusTarget box);
};

// Brings the widgets in line with the state: captions, sliders, box texts and visibility, the
// combination list, the option buttons and the tool tips. Only what changed since the last
// render and differs from what the widget shows is written, with the widget's signals blocked,
// so nothing echoes back as an event.
void renderState(const DrawletControls& controls, const SelectorState& state, ShownTexts& shown);

// Puts the keyboard focus on the state's control and gives a box the selection its focus
// handling asked for, clamped to the box's text.
void applyFocus(const DrawletControls& controls, const SelectorState& state);

} // namespace drawlet
