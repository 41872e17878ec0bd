// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives the core handlers the way the window does, so that tests read as what the player does:
// start the window, type keys into boxes, move sliders, click buttons. It also plays the part
// the toolkit plays for a two-character box (the selection that the focus handling asks for,
// the two-character limit, Backspace), and never decides anything the core decides.

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "CombinationEntry.h"
#include "Events.h"
#include "PlayNumbers.h"
#include "ScriptedRandom.h"
#include "Startup.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace drawlet::testing {

inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyShift = 16;
inline constexpr char kBackspace = 8;

// Generator values that make a pick of all `positions` stored numbers draw positions 1, 2, ...
// in order, with no redraw.
inline std::vector<double> drawInOrder(int positions) {
    std::vector<double> values;
    for (int k = 0; k < positions; ++k) {
        values.push_back((k + 0.5) / positions);
    }
    return values;
}

// The text a box holds after one key, as a two-character line edit makes it: the key replaces
// a selected text, a character goes in while there is room, Backspace removes the last one.
inline std::string editedText(TextBox& box, char key) {
    std::string text = box.selLength > 0 ? "" : box.text;
    box.selLength = 0;
    if (key == kBackspace) {
        if (!text.empty()) {
            text.pop_back();
        }
    } else if (text.size() < 2) {
        text += key;
    }
    return text;
}

struct Selector {
    SelectorState s;
    ScriptedRandom random;

    Selector() {
        Form_Load(s, random);
        Form_Shown(s);
    }

    // One key in an entry box: its KeyPress filter decides whether the character gets in, the
    // box takes it, and the release runs KeyUp.
    void pressEntryKey(int index, char key) {
        auto code = static_cast<std::int16_t>(key);
        txtNumber_KeyPress(s, index, code);
        if (code != 0) {
            auto& box = s.txtNumber[static_cast<std::size_t>(index)];
            EXPECT_TRUE(editEntryBox(s, index, editedText(box, static_cast<char>(code))));
        }
        txtNumber_KeyUp(s, random, index, key, 0);
    }
    void typeEntry(int index, std::string_view keys) {
        for (const char key : keys) {
            pressEntryKey(index, key);
        }
    }
    // A key that types no character (an arrow, Shift): only its release reaches the row.
    void releaseEntryKey(int index, int keyCode) { txtNumber_KeyUp(s, random, index, keyCode, 0); }

    void pressBaseSetKey(int index, char key) {
        auto code = static_cast<std::int16_t>(key);
        txtSelNumbers_KeyPress(s, index, code);
        if (code != 0) {
            auto& box = s.txtSelNumbers[static_cast<std::size_t>(index)];
            EXPECT_TRUE(editBaseSetBox(s, index, editedText(box, static_cast<char>(code))));
        }
        txtSelNumbers_KeyUp(s, index, key, 0);
    }
    void typeBaseSet(int index, std::string_view keys) {
        for (const char key : keys) {
            pressBaseSetKey(index, key);
        }
    }

    // Types each number into whichever entry box has the focus, as the player does while the
    // focus moves on by itself. The pick that the finished combination runs draws every stored
    // position in order.
    void enterCombination(const std::vector<std::string>& numbers) {
        const auto stored = static_cast<int>(s.lstNumbers.size());
        random.script(drawInOrder(pickSize(s) * (stored + 1)));
        for (const std::string& number : numbers) {
            ASSERT_EQ(s.focus.control, ControlId::txtNumber) << "typing " << number;
            typeEntry(s.focus.index, number);
        }
    }

    void click(ControlId control, int index = 0) { focusControl(s, {control, index}); }
    void setPickSize(int size) { moveSlider(s, SliderId::HScroll2, size - 1); }
    void setQuantity(int quantity) { moveSlider(s, SliderId::HScroll1, quantity); }
    void setBaseSet(int size, int start) {
        chooseAutoFillStart(s, start);
        moveSlider(s, SliderId::HScroll3, size);
    }
};

// "07" for 7: a number 0 to 99 as the boxes and captions show it, spelt out here rather than
// taken from the program's own formatter.
inline std::string twoDigitText(int number) {
    return {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

// "01 02 03 " for 1..3: consecutive numbers as a caption line shows them.
inline std::string numberLine(int first, int last) {
    std::string line;
    for (int number = first; number <= last; ++number) {
        line += twoDigitText(number);
        line += ' ';
    }
    return line;
}

inline FocusTarget entryBoxFocus(int index) {
    return {ControlId::txtNumber, index};
}
inline FocusTarget baseSetBoxFocus(int index) {
    return {ControlId::txtSelNumbers, index};
}

inline std::vector<std::string> textsOf(const auto& boxes) {
    std::vector<std::string> texts;
    for (const TextBox& box : boxes) {
        texts.push_back(box.text);
    }
    return texts;
}
inline std::vector<bool> visibilityOf(const auto& boxes) {
    std::vector<bool> shown;
    for (const TextBox& box : boxes) {
        shown.push_back(box.visible);
    }
    return shown;
}

// Everything the player can see, to tell what a handler changed and what it left.
struct Shown {
    explicit Shown(const SelectorState& s)
        : Label1(s.Label1), Label2(s.Label2), Label3(s.Label3), Label4(s.Label4), Label5(s.Label5),
          Frame1(s.Frame1), Frame2(s.Frame2), Frame3(s.Frame3), Command1(s.Command1),
          lstNumbers(s.lstNumbers), entryTexts(textsOf(s.txtNumber)),
          entryShown(visibilityOf(s.txtNumber)), baseSetTexts(textsOf(s.txtSelNumbers)),
          baseSetShown(visibilityOf(s.txtSelNumbers)), HScroll1(s.HScroll1), HScroll2(s.HScroll2),
          HScroll3(s.HScroll3), autoFillStart(drawlet::autoFillStart(s)),
          typeOfSelection(s.typeOfSelection), focus(s.focus) {}

    std::string Label1, Label2, Label3, Label4, Label5, Frame1, Frame2, Frame3, Command1;
    std::vector<std::string> lstNumbers;
    std::vector<std::string> entryTexts;
    std::vector<bool> entryShown;
    std::vector<std::string> baseSetTexts;
    std::vector<bool> baseSetShown;
    ScrollBar HScroll1, HScroll2, HScroll3;
    int autoFillStart;
    SelectionType typeOfSelection;
    FocusTarget focus;

    bool operator==(const Shown&) const = default;

    friend std::ostream& operator<<(std::ostream& out, const Shown& shown) {
        out << shown.Label1 << " | " << shown.Label2 << " | " << shown.Label3 << " | "
            << shown.Label5 << " | " << shown.Frame1 << " | " << shown.Frame2 << " | "
            << shown.Frame3 << " | entry";
        for (const std::string& text : shown.entryTexts) {
            out << " '" << text << "'";
        }
        return out << " | focus " << static_cast<int>(shown.focus.control) << '/'
                   << shown.focus.index;
    }
};

} // namespace drawlet::testing
