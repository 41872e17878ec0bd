// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One event of a storm: a single handler call, exactly as the window would make it for one Qt
// event, with what it returned. The checker judges the state after each one.

#include "SelectorState.h"

#include <cstdint>
#include <string>
#include <utility>

namespace drawlet::storm {

enum class Action : std::uint8_t {
    EntryKeyPress,       // txtNumber_KeyPress(index, key)
    EntryKeyUp,          // txtNumber_KeyUp(index, value, shift)
    EntryGotFocus,       // txtNumber_GotFocus(index)
    EntryEdit,           // editEntryBox(index, text)
    BaseKeyPress,        // txtSelNumbers_KeyPress(index, key)
    BaseKeyUp,           // txtSelNumbers_KeyUp(index, value, shift)
    BaseGotFocus,        // txtSelNumbers_GotFocus(index)
    BaseEdit,            // editBaseSetBox(index, text)
    MoveSlider,          // moveSlider(slider index, value)
    SliderChange,        // HScroll1/2/3_Change run directly (index 1..3)
    Focus,               // focusControl(target)
    Pick,                // cmdPick_Click
    ClearCombinations,   // cmdClearComb_Click
    ClearAll,            // cmdClear_Click
    ClearBaseSet,        // cmdClearBaseSet_Click
    AutoFill,            // Command1_Click
    ChooseAutoFillStart, // chooseAutoFillStart(index)
    Option1Click,        // Option1_Click(index)
    ChooseType,          // chooseTypeOfSelection(index as Exclude, Include, None)
    TypeButtonClick,     // optExclusion/optInclusion/optNone_Click by index
    TypeButtonGotFocus,  // optExclusion/optInclusion/optNone_GotFocus by index
    RebuildPlayNumbers,  // Display_Play_Numbers
};

struct StormEvent {
    Action action = Action::Pick;
    int index = 0;
    int value = 0;
    int shift = 0;
    std::int16_t key = 0;
    std::string text;
    FocusTarget target;

    // What the handler gave back: the key after the filter, whether a box took an edited text.
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
    StormEvent& withShift(int shiftState) {
        shift = shiftState;
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
