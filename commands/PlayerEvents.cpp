#include "PlayerEvents.h"

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "BoxText.h"
#include "CombinationEntry.h"
#include "PlayNumbers.h"
#include "RandomPick.h"
#include "Resets.h"
#include "TabOrder.h"

namespace drawlet {
namespace {

// The bit of a key that a Tab move may leave down, 0 for any other key.
std::uint8_t tabKeyBit(int keyCode) {
    switch (keyCode) {
    case keys::Tab:
        return TabKeys::Tab;
    case keys::Shift:
        return TabKeys::Shift;
    case keys::Control:
        return TabKeys::Control;
    case keys::Alt:
        return TabKeys::Alt;
    default:
        return 0;
    }
}

std::uint8_t heldModifierBits(int shift) {
    return static_cast<std::uint8_t>(((shift & modifiers::Shift) != 0 ? TabKeys::Shift : 0) |
                                     ((shift & modifiers::Control) != 0 ? TabKeys::Control : 0) |
                                     ((shift & modifiers::Alt) != 0 ? TabKeys::Alt : 0));
}

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
        switch (click.button.control) {
        case ControlId::cmdPick:
            cmdPick_Click(state, random);
            break;
        case ControlId::cmdClearComb:
            cmdClearComb_Click(state);
            break;
        case ControlId::cmdClear:
            cmdClear_Click(state);
            break;
        case ControlId::cmdClearBaseSet:
            cmdClearBaseSet_Click(state);
            break;
        case ControlId::Command1:
            Command1_Click(state);
            break;
        case ControlId::optExclusion:
            chooseTypeOfSelection(state, SelectionType::Exclude);
            break;
        case ControlId::optInclusion:
            chooseTypeOfSelection(state, SelectionType::Include);
            break;
        case ControlId::optNone:
            chooseTypeOfSelection(state, SelectionType::None);
            break;
        case ControlId::Option1:
            chooseAutoFillStart(state, click.button.index);
            break;
        default:
            break;
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
