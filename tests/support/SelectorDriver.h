// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives the core through apply() with the player's events, as the window does, so that tests
// read as what the player does: start the window, type keys into boxes, move sliders, click
// buttons. It also plays the part
// the toolkit plays for a two-character box (the selection that the focus handling asks for,
// the two-character limit, Backspace), and never decides anything the core decides.

#include "BaseSetSize.h"
#include "Controls.h"
#include "PlayNumbers.h"
#include "PlayerEvents.h"
#include "ScriptedRandom.h"
#include "Startup.h"
#include "TypeOfSelection.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace drawlet::testing {

inline constexpr int kKeyLeft = keys::Left;
inline constexpr int kKeyShift = keys::Shift;
inline constexpr char kBackspace = keys::Backspace;

// Generator values that make a pick of all `positions` stored numbers draw positions 1, 2, ...
// in order, with no redraw.
inline std::vector<double> drawInOrder(int positions) {
    std::vector<double> values;
    for (int k = 0; k < positions; ++k) {
        values.push_back((k + 0.5) / positions);
    }
    return values;
}

// A state that differs from the default in every field of every group.
inline SelectorState everyFieldChanged() {
    SelectorState state;
    state.HScroll2 = {7, -1, 8, 2, 3};
    state.HScroll1 = {12, 2, 30, 3, 4};
    state.HScroll3 = {50, 5, 90, 4, 5};
    for (TextBox& box : state.txtNumber) {
        box = {"1", false, 1, 1};
    }
    for (TextBox& box : state.txtSelNumbers) {
        box = {"2", false, 2, 2};
    }
    state.txtNumberToolTip = "tip";
    state.lstNumbers = {"01 02 "};
    state.lstSort.add("03");
    state.lstPlaySort.add("04");
    for (int position = 1; position <= kArraySize; ++position) {
        state.CombNumbers[position] = 5;
        state.PickIndex[position] = 6;
    }
    state.Option1 = {true, false};
    state.typeOfSelection = SelectionType::None;
    for (std::string* caption :
         {&state.Label1, &state.Label2, &state.Label3, &state.Label4, &state.Label5, &state.Frame1,
          &state.Frame2, &state.Frame3, &state.Command1}) {
        *caption = "changed";
    }
    state.focus = {ControlId::Option1, 1};
    state.focusMoves = 9;
    state.commandKeysDown = 3;
    return state;
}

struct Selector {
    SelectorState s;
    UndoHistory history;
    ScriptedRandom random;
    unsigned selectionUsedAt = ~0U; // the focus move whose selection a typed key replaced

    Selector() {
        Form_Load(s, random);
        Form_Shown(s);
    }

    // One event of the player's, as the window would pass it on.
    bool play(const PlayerEvent& event) { return apply(s, history, random, event); }

    // A key goes down in a box: returns whether its character gets past the key filter.
    bool pressKey(FocusTarget box, int key) {
        return play(KeyPressed{.control = box, .keyCode = key, .character = key});
    }

    // One key typed into a box, as the window passes it on; the box must take the text the key
    // makes of it.
    void typeKey(FocusTarget box, char key) {
        const TextBox* shown = boxAt(s, box);
        ASSERT_NE(shown, nullptr);
        // The selection is the toolkit's once typing starts: the first key after a focus move
        // replaces it, while the state keeps the one the focus handling asked for.
        const bool selected = shown->selLength > 0 && selectionUsedAt != s.focusMoves;
        const auto typed = [this](const PlayerEvent& event) {
            const bool taken = play(event);
            if (std::holds_alternative<KeyPressed>(event) && taken) {
                selectionUsedAt = s.focusMoves;
            }
            EXPECT_TRUE(taken || !std::holds_alternative<TextEdited>(event));
            return taken;
        };
        drawlet::typeKey(typed, box, shown->text, key, selected);
    }
    void pressEntryKey(int index, char key) { typeKey({ControlId::txtNumber, index}, key); }
    void pressBaseSetKey(int index, char key) { typeKey({ControlId::txtSelNumbers, index}, key); }
    void typeEntry(int index, std::string_view keys) {
        for (const char key : keys) {
            pressEntryKey(index, key);
        }
    }
    void typeBaseSet(int index, std::string_view keys) {
        for (const char key : keys) {
            pressBaseSetKey(index, key);
        }
    }
    // The text a box holds after an edit that goes around the keys (pasted, dropped); returns
    // whether the box took it.
    bool editEntry(int index, std::string_view text) {
        return play(TextEdited{{ControlId::txtNumber, index}, std::string(text)});
    }
    bool editBaseSet(int index, std::string_view text) {
        return play(TextEdited{{ControlId::txtSelNumbers, index}, std::string(text)});
    }
    // A key that types no character (an arrow, Shift): only its release reaches the row.
    void releaseEntryKey(int index, int keyCode) {
        play(KeyReleased{.control = {ControlId::txtNumber, index}, .keyCode = keyCode});
    }
    void releaseBaseSetKey(int index, int keyCode) {
        play(KeyReleased{.control = {ControlId::txtSelNumbers, index}, .keyCode = keyCode});
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

    // The focus arrives at a control, as a click or Tab brings it there.
    void click(ControlId control, int index = 0) { play(FocusArrived{{control, index}}); }
    // A button is clicked.
    void press(ControlId button, int index = 0) { play(Clicked{{button, index}}); }
    void setPickSize(int size) { play(SliderMoved{ControlId::HScroll2, size - 1}); }
    void setQuantity(int quantity) { play(SliderMoved{ControlId::HScroll1, quantity}); }
    void setBaseSet(int size, int start) {
        press(ControlId::Option1, start);
        play(SliderMoved{ControlId::HScroll3, size});
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
