// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayerEvents.h"

#include "BoxText.h"
#include "Controls.h"
#include "PastedNumbers.h"
#include "TabOrder.h"

#include <optional>
#include <type_traits>

namespace drawlet {
namespace {

// The bit of a key that a Tab move or shortcut may leave down, 0 for any other key. Shift, Control
// and Alt have consecutive codes.
std::uint8_t commandKeyBit(int keyCode) {
    if (keyCode == keys::Tab) {
        return CommandKeys::Tab;
    }
    if (keyCode >= keys::Shift && keyCode <= keys::Alt) {
        return static_cast<std::uint8_t>(CommandKeys::Shift << (keyCode - keys::Shift));
    }
    return 0;
}

// The modifiers held, as bits of commandKeysDown.
std::uint8_t heldModifierBits(int held) {
    return static_cast<std::uint8_t>(
        (held & (modifiers::Shift | modifiers::Control | modifiers::Alt)) << 1);
}

// The keys of a shortcut that ran are still down: their releases are not keys of the box.
void holdShortcutKeys(SelectorState& state, int keyCode, int held) {
    if (keyCode != 0) {
        state.commandKeysDown =
            static_cast<std::uint8_t>(CommandKeys::ShortcutKey | heldModifierBits(held));
    }
}

// A key goes down: Tab starts a Tab move whose keys are still down, a modifier changes nothing,
// and any other key ends whatever a Tab move or shortcut left down.
void notePressed(SelectorState& state, const KeyPressed& key) {
    if (key.keyCode == keys::Tab) {
        state.commandKeysDown =
            static_cast<std::uint8_t>(CommandKeys::Tab | heldModifierBits(key.modifiers));
    } else if (commandKeyBit(key.keyCode) == 0) {
        state.commandKeysDown = 0;
    }
}

// Whether a key's release belongs to a Tab move or a shortcut rather than to the box; it is
// then no longer down.
bool releasesATabMoveOrShortcut(SelectorState& state, const KeyReleased& key) {
    std::uint8_t bit = commandKeyBit(key.keyCode);
    if (bit == 0 && (state.commandKeysDown & CommandKeys::ShortcutKey) != 0) {
        bit = CommandKeys::ShortcutKey;
    }
    if (key.keyCode == keys::Tab || (state.commandKeysDown & bit) != 0) {
        state.commandKeysDown = static_cast<std::uint8_t>(state.commandKeysDown & ~bit);
        return true;
    }
    return false;
}

bool applyEvent(SelectorState& state, RandomSource& random, const PlayerEvent& event);

// Types the pasted numbers as the player types them, from the box with the focus on: each
// number goes into the box the focus has reached, replacing what it held, as the whole text
// of a box is selected when the focus arrives. In the entry row the focus returns to the
// first box after each stored combination, and typing stops once the list is full; in the
// base set it stops after the last box in use.
bool typePasted(SelectorState& state, RandomSource& random, const Pasted& paste) {
    const std::optional<std::string> digits = pastedDigits(paste.text);
    const bool entryRow = paste.box.control == ControlId::txtNumber;
    if (!digits || !isBox(paste.box) || paste.box != state.focus ||
        boxAt(state, paste.box) == nullptr || !isShown(state, paste.box) ||
        (entryRow && state.lstNumbers.size() >= kMaxCombinations)) {
        return false;
    }
    const auto play = [&](const PlayerEvent& event) { return applyEvent(state, random, event); };
    for (std::size_t next = 0; next < digits->size(); next += 2) {
        const FocusTarget box = state.focus;
        const std::string number = digits->substr(next, 2);
        typeKey(play, box, boxAt(state, box)->text, number[0], true);
        typeKey(play, box, boxAt(state, box)->text, number[1], false);
        const bool full = entryRow ? state.lstNumbers.size() >= kMaxCombinations
                                   : state.focus.index != box.index + 1;
        if (full || !isBox(state.focus)) {
            break;
        }
    }
    return true;
}

// Hands each event to what handles it.
struct Applier {
    SelectorState& state;
    RandomSource& random;

    bool operator()(const KeyPressed& key) const {
        notePressed(state, key);
        if (key.character == 0 || !isBox(key.control)) {
            return true;
        }
        return passesKeyFilter(key.character);
    }

    bool operator()(const TextEdited& edit) const {
        TextBox* box = boxAt(state, edit.box);
        return box != nullptr && acceptBoxText(*box, edit.text);
    }

    bool operator()(const KeyReleased& key) const {
        if (releasesATabMoveOrShortcut(state, key) || boxAt(state, key.control) == nullptr) {
            return false;
        }
        controlRow(key.control.control)->keyUp(state, random, key.control.index);
        return true;
    }

    bool operator()(const Clicked& click) const {
        const Control* row = controlRow(click.button.control);
        if (row != nullptr && row->click != nullptr) {
            row->click(state, random, click.button.index);
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

    // Undo and redo need the history; apply() takes them before they get here.
    bool operator()(const Undo&) const { return false; }
    bool operator()(const Redo&) const { return false; }

    bool operator()(const Pasted& paste) const {
        const bool typed = typePasted(state, random, paste);
        holdShortcutKeys(state, paste.keyCode, paste.modifiers);
        return typed;
    }
};

bool applyEvent(SelectorState& state, RandomSource& random, const PlayerEvent& event) {
    const FocusTarget focused = state.focus;
    const bool focusedShown = isShown(state, focused);
    const bool taken = std::visit(Applier{state, random}, event);
    if (focusedShown) {
        passFocusFromHiddenBox(state, focused);
    }
    return taken;
}

// The keys typed into one box make one step of the history: their events share the box's group.
std::uint32_t historyGroup(const PlayerEvent& event) {
    FocusTarget box;
    if (const auto* key = std::get_if<KeyPressed>(&event)) {
        box = key->control;
    } else if (const auto* edit = std::get_if<TextEdited>(&event)) {
        box = edit->box;
    } else if (const auto* release = std::get_if<KeyReleased>(&event)) {
        box = release->control;
    }
    if (!isBox(box)) {
        return 0;
    }
    return (static_cast<std::uint32_t>(box.control) << 16) +
           static_cast<std::uint32_t>(box.index & 0xffff) + 1;
}

// Undo or redo: the whole state comes back, but for the keys held now.
template <typename Step>
bool stepThroughHistory(SelectorState& state, UndoHistory& history, const Step& step) {
    constexpr bool undo = std::is_same_v<Step, Undo>;
    const bool stepped = undo ? history.undo(state) : history.redo(state);
    holdShortcutKeys(state, step.keyCode, step.modifiers);
    return stepped;
}

} // namespace

bool apply(SelectorState& state, UndoHistory& history, RandomSource& random,
           const PlayerEvent& event) {
    if (const auto* undo = std::get_if<Undo>(&event)) {
        return stepThroughHistory(state, history, *undo);
    }
    if (const auto* redo = std::get_if<Redo>(&event)) {
        return stepThroughHistory(state, history, *redo);
    }
    StateSnapshot before(state, history.latest());
    const bool taken = applyEvent(state, random, event);
    if (!before.looksLike(state)) {
        history.record(std::move(before), historyGroup(event));
    } else {
        history.unchanged(historyGroup(event));
    }
    return taken;
}

} // namespace drawlet
