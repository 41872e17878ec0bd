// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A key typed into a two-character box, as the toolkit hands it to the core: the key goes down
// (the key filter may swallow its character), the box shows the text the key makes of its old
// one, and the key comes up. A pasted line is typed this way key by key; the test driver and the
// fuzzer type every key this way, so the three never drift apart.

#include "PlayerEvents.h"

#include <string>

namespace drawlet {

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
