// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The player's input in one vocabulary, and the one way it changes the state.
//
// The window turns each toolkit event into one of these; the tests, the fuzzer and the
// benchmarks make them directly. apply() is the only place where a player's event becomes a
// change of the state: it picks the control's handler, and it keeps the rules that span the
// controls (the Tab rule, and the focus leaving a box that a handler hid).

#include "RandomSource.h"
#include "SelectorState.h"
#include "UndoHistory.h"

#include <cstdint>
#include <string>
#include <variant>

namespace drawlet {

// Key codes as the KeyUp handlers number them. A digit or letter key has the code of its
// character ('0' to '9', 'A' to 'Z').
namespace keys {
enum : int { Backspace = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Alt = 18 };
enum : int { Escape = 27, Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46 };
} // namespace keys

// The modifiers held with a key, added up as a KeyUp handler's shift state adds them.
namespace modifiers {
enum : int { Shift = 1, Control = 2, Alt = 4 };
} // namespace modifiers

// A key goes down in the control with the focus. `character` is the character it types, 0 for
// a key that types none (a modifier, an arrow, Tab, Delete).
struct KeyPressed {
    FocusTarget control;
    int keyCode = 0;
    int modifiers = 0; // every modifier held with it, added up as above
    int character = 0;
};

// The text a box now holds after the player edited it: typed, pasted, dropped or composed.
struct TextEdited {
    FocusTarget box;
    std::string text;
};

// A key comes up in the control with the focus (a held key's repeats are not releases).
struct KeyReleased {
    FocusTarget control;
    int keyCode = 0;
    int modifiers = 0;
};

// A button is clicked or chosen: cmdPick, cmdClearComb, cmdClear, cmdClearBaseSet, Command1,
// optExclusion, optInclusion, optNone or Option1(index).
struct Clicked {
    FocusTarget button;
};

// A completed move of a slider (see moveSlider in Controls.h).
struct SliderMoved {
    ControlId slider = ControlId::HScroll1;
    int value = 0;
};

// The focus arrives at a control, by Tab or by a click.
struct FocusArrived {
    FocusTarget control;
};

// The player's edit commands, by their shortcut keys or from a box's context menu. `keyCode`
// and `modifiers` are the shortcut's key and the modifiers held with it, 0 from a menu or the
// mouse.

// Ctrl+Z: the last change is undone.
struct Undo {
    int keyCode = 0;
    int modifiers = 0;
};

// Ctrl+Shift+Z or Ctrl+Y: the last change undone is made again.
struct Redo {
    int keyCode = 0;
    int modifiers = 0;
};

// A text pasted into the box with the focus (Ctrl+V, Shift+Insert, the context menu, the middle
// mouse button). A line of two-digit numbers is typed key by key from that box on; any other
// text is refused whole.
struct Pasted {
    FocusTarget box;
    std::string text;
    int keyCode = 0;
    int modifiers = 0;
};

using PlayerEvent = std::variant<KeyPressed, TextEdited, KeyReleased, Clicked, SliderMoved,
                                 FocusArrived, Undo, Redo, Pasted>;

// Applies one event to the state and says whether the control took the input: false for a
// character the key filter swallows, an edited text the box refuses, a key release that is not a
// key of the box (it belongs to a Tab move or a shortcut, or no box has the focus), a refused
// paste, or an undo or redo with no step to take; true otherwise.
//
// Every event that changes what the player sees leaves the state before it in `history`, as one
// step to undo; moving the focus alone is no change. The keys typed into one box make one step
// until the focus leaves it or another event comes between (the combination a box completes is
// part of that step, with its pick); one paste is one step. Undo and redo bring the whole state
// back exactly, the focus and the selection of its box included; the window sets the focus again
// after each.
//
// The Tab rule: Tab moves the focus, and the releases of Tab and of the modifiers held with it
// (Shift+Tab) land in the control the focus moved to. They are focus navigation, not keys typed
// into that box, so they run no KeyUp, whichever is let go first, until the next key that is not
// a modifier goes down.
bool apply(SelectorState& state, UndoHistory& history, RandomSource& random,
           const PlayerEvent& event);

// The bits of SelectorState::commandKeysDown, the keys of the last focus move or command that
// are still down: Tab, or a shortcut's key (Ctrl+Z, Ctrl+V ...), and the modifiers held with it,
// one place above their bit in `modifiers`. Their releases are not keys typed into the box.
namespace CommandKeys {
enum : std::uint8_t { Tab = 1, Shift = 2, Control = 4, Alt = 8, ShortcutKey = 16 };
} // namespace CommandKeys

// Typing a key into a two-character box, as the toolkit hands it to the core: the key goes down
// (the key filter may swallow its character), the box shows the text the key makes of its old
// one, and the key comes up. A pasted line is typed this way key by key; the test driver and the
// fuzzer type every key this way, so the three never drift apart.

// The text a two-character box holds after one key, as a line edit makes it: the key replaces a
// selected text, a character goes in while there is room, Backspace removes the last one (or the
// selected text).
inline std::string textAfterKey(const std::string& text, int key, bool wholeTextSelected) {
    const bool replaces = wholeTextSelected && !text.empty();
    if (key == keys::Backspace) {
        return replaces || text.empty() ? std::string() : text.substr(0, text.size() - 1);
    }
    const char typed = static_cast<char>(key);
    if (replaces) {
        return std::string(1, typed);
    }
    return text.size() < 2 ? text + typed : text;
}

// Types one key into `box`, which holds `text`: `play` takes each event and tells whether the
// control took it. The box tells its text only when the key changed it, as a line edit does.
template <typename Play>
void typeKey(Play&& play, FocusTarget box, const std::string& text, int key,
             bool wholeTextSelected) {
    if (play(PlayerEvent{KeyPressed{box, key, 0, key}})) {
        const std::string after = textAfterKey(text, key, wholeTextSelected);
        if (after != text) {
            play(PlayerEvent{TextEdited{box, after}});
        }
    }
    play(PlayerEvent{KeyReleased{box, key, 0}});
}

} // namespace drawlet
