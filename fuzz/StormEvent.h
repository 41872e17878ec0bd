// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One event of a storm: one player event through apply(), exactly as the window would make it
// for one Qt event, or one handler called directly with any arguments; with what it returned.
// The checker judges the state after each one.

#include "SelectorState.h"

#include <cstdint>
#include <string>
#include <utility>

namespace drawlet::storm {

enum class Action : std::uint8_t {
    EntryKeyPress,       // KeyPressed in txtNumber(index), key as code and character
    EntryKeyUp,          // KeyReleased in txtNumber(index): value is the key code
    EntryGotFocus,       // txtNumber_GotFocus(index) run directly
    EntryEdit,           // TextEdited in txtNumber(index)
    BaseKeyPress,        // KeyPressed in txtSelNumbers(index)
    BaseKeyUp,           // KeyReleased in txtSelNumbers(index)
    BaseGotFocus,        // txtSelNumbers_GotFocus(index) run directly
    BaseEdit,            // TextEdited in txtSelNumbers(index)
    MoveSlider,          // SliderMoved (slider index 1..3, value)
    SliderChange,        // HScroll1/2/3_Change run directly (index 1..3)
    Focus,               // FocusArrived at target
    Pick,                // Clicked cmdPick
    ClearCombinations,   // Clicked cmdClearComb
    ClearAll,            // Clicked cmdClear
    ClearBaseSet,        // Clicked cmdClearBaseSet
    AutoFill,            // Clicked Command1
    ChooseAutoFillStart, // Clicked Option1(index)
    Option1Click,        // Option1_Click run directly
    ChooseType,          // Clicked optExclusion, optInclusion or optNone (index 0..2)
    TypeButtonClick,     // optExclusion/optInclusion/optNone_Click by index
    TypeButtonGotFocus,  // optExclusion/optInclusion/optNone_GotFocus by index
    RebuildPlayNumbers,  // Display_Play_Numbers
    Undo,                // Undo: accepted when it took a step
    Redo,                // Redo: accepted when it took a step
    Paste,               // Pasted text at target: accepted when it was typed
};

// A handler called directly, as no player event calls it: the undo history never sees it, and
// the rules that span the controls (the focus leaving a hidden box) are not kept.
inline bool isDirectCall(Action action) {
    switch (action) {
    case Action::EntryGotFocus:
    case Action::BaseGotFocus:
    case Action::SliderChange:
    case Action::Option1Click:
    case Action::TypeButtonClick:
    case Action::TypeButtonGotFocus:
    case Action::RebuildPlayNumbers:
        return true;
    default:
        return false;
    }
}

struct StormEvent {
    Action action = Action::Pick;
    int index = 0;
    int value = 0;
    int modifiers = 0;
    std::int16_t key = 0;
    std::string text;
    FocusTarget target;

    // What apply() gave back: the key after the filter, whether a box took an edited text, a
    // release reached the box, an undo or redo took a step or a paste was typed.
    std::int16_t keyAfter = 0;
    bool accepted = false;

    static StormEvent of(Action action) {
        StormEvent event;
        event.action = action;
        return event;
    }
    StormEvent& at(int boxOrButton) {
        index = boxOrButton;
        return *this;
    }
    StormEvent& withValue(int sliderValueOrKeyCode) {
        value = sliderValueOrKeyCode;
        return *this;
    }
    StormEvent& withModifiers(int held) {
        modifiers = held;
        return *this;
    }
    StormEvent& withKey(std::int16_t keyAscii) {
        key = keyAscii;
        return *this;
    }
    StormEvent& withText(std::string boxText) {
        text = std::move(boxText);
        return *this;
    }
    StormEvent& on(ControlId control, int controlIndex) {
        target = {control, controlIndex};
        return *this;
    }
};

// "EntryKeyUp(3, 51, 0)": enough to replay the event by hand.
std::string describe(const StormEvent& event);

} // namespace drawlet::storm
