// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayerEvents.h"

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "BoxText.h"
#include "CombinationEntry.h"
#include "PlayNumbers.h"
#include "RandomPick.h"
#include "Resets.h"
#include "TabOrder.h"

#include <iterator>

namespace drawlet {
namespace {

// The bit of a key that a Tab move may leave down, 0 for any other key. Shift, Control and Alt
// have consecutive codes.
std::uint8_t tabKeyBit(int keyCode) {
    if (keyCode == keys::Tab) {
        return TabKeys::Tab;
    }
    if (keyCode >= keys::Shift && keyCode <= keys::Alt) {
        return static_cast<std::uint8_t>(TabKeys::Shift << (keyCode - keys::Shift));
    }
    return 0;
}

// The modifiers held, as bits of tabKeysDown.
std::uint8_t heldModifierBits(int shift) {
    return static_cast<std::uint8_t>(
        (shift & (modifiers::Shift | modifiers::Control | modifiers::Alt)) << 1);
}

// The handlers of the buttons that take nothing but the state.
using Command = void (*)(SelectorState&);
struct CommandButton {
    ControlId button;
    Command click;
};
constexpr CommandButton kCommandButtons[] = {
    {ControlId::cmdClearComb, cmdClearComb_Click},
    {ControlId::cmdClear, cmdClear_Click},
    {ControlId::cmdClearBaseSet, cmdClearBaseSet_Click},
    {ControlId::Command1, Command1_Click},
};
constexpr ControlId kTypeButtons[] = {ControlId::optExclusion, ControlId::optInclusion,
                                      ControlId::optNone}; // in the order of SelectionType

bool isBoxControl(FocusTarget control) {
    return control.control == ControlId::txtNumber || control.control == ControlId::txtSelNumbers;
}

struct Applier {
    SelectorState& state;
    RandomSource& random;

    bool operator()(const KeyPressed& key) const {
        if (key.keyCode == keys::Tab) {
            state.tabKeysDown =
                static_cast<std::uint8_t>(TabKeys::Tab | heldModifierBits(key.shift));
        } else if (tabKeyBit(key.keyCode) == 0) {
            state.tabKeysDown = 0;
        }
        if (key.character == 0 || !isBoxControl(key.control)) {
            return true;
        }
        return passesKeyFilter(key.character);
    }

    bool operator()(const TextEdited& edit) const {
        TextBox* box = boxAt(state, edit.box);
        return box != nullptr && acceptBoxText(*box, edit.text);
    }

    bool operator()(const KeyReleased& key) const {
        const std::uint8_t bit = tabKeyBit(key.keyCode);
        if (key.keyCode == keys::Tab || (state.tabKeysDown & bit) != 0) {
            state.tabKeysDown = static_cast<std::uint8_t>(state.tabKeysDown & ~bit);
            return false;
        }
        if (boxAt(state, key.control) == nullptr) {
            return false;
        }
        if (key.control.control == ControlId::txtNumber) {
            txtNumber_KeyUp(state, random, key.control.index);
        } else {
            txtSelNumbers_KeyUp(state, key.control.index);
        }
        return true;
    }

    bool operator()(const Clicked& click) const {
        const ControlId button = click.button.control;
        if (button == ControlId::cmdPick) {
            cmdPick_Click(state, random);
        } else if (button == ControlId::Option1) {
            chooseAutoFillStart(state, click.button.index);
        }
        for (const CommandButton& command : kCommandButtons) {
            if (command.button == button) {
                command.click(state);
            }
        }
        for (std::size_t type = 0; type < std::size(kTypeButtons); ++type) {
            if (kTypeButtons[type] == button) {
                chooseTypeOfSelection(state, static_cast<SelectionType>(type));
            }
        }
        return true;
    }

    bool operator()(const SliderMoved& move) const {
        moveSlider(state, move.slider, move.value);
        return true;
    }

    bool operator()(const FocusArrived& arrival) const {
        focusControl(state, arrival.control);
        return true;
    }
};

} // namespace

bool apply(SelectorState& state, RandomSource& random, const PlayerEvent& event) {
    const FocusTarget focused = state.focus;
    const bool focusedShown = isShown(state, focused);
    const bool taken = std::visit(Applier{state, random}, event);
    if (focusedShown) {
        passFocusFromHiddenBox(state, focused);
    }
    return taken;
}

} // namespace drawlet
