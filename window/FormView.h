// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the window shows, decided once for every window. formView() describes everything the
// state puts on screen; ShownForm remembers what a window was last given and turns the next
// state into the list of writes that brings the window there, and nothing more: a text that is
// already shown is not written again, so neither the display nor a screen reader hears of it.
//
// A window applies the writes in order, with its widgets' signals blocked, and does nothing else
// to render. How it applies them (one repaint for many boxes, hiding a container while several
// of its boxes change) is the toolkit's business; what changed is decided here.

#include "SelectorState.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace drawlet::view {

// The texts the state writes at run time, by the name of the piece that shows them.
enum class Caption : std::uint8_t {
    Label1,
    Label2,
    Label3,
    Label4,
    Label5,
    Frame1,
    Frame2,
    Frame3,
    Command1
};
inline constexpr std::size_t kCaptions = 9;

// The piece's name, "Label1" ...
const char* captionName(Caption caption);

struct BoxView {
    std::string text;
    bool visible = true;

    bool operator==(const BoxView&) const = default;
};

// Everything the state puts on screen.
struct FormViewState {
    std::array<std::string, kCaptions> captions;
    std::array<BoxView, kEntryBoxes> txtNumber;
    std::array<BoxView, kBaseSetBoxes> txtSelNumbers;
    std::vector<std::string> lstNumbers;
    ScrollBar HScroll2;
    ScrollBar HScroll1;
    ScrollBar HScroll3;
    SelectionType typeOfSelection = SelectionType::Exclude;
    std::array<bool, 2> Option1{};
    std::string txtNumberToolTip;

    bool operator==(const FormViewState&) const = default;
};

FormViewState formView(const SelectorState& state);

// What a slider reads as to a screen reader, as the caption beside it shows: the pick size
// (value + 1) for HScroll2, the base set boxes in use for HScroll3, the value for HScroll1.
int sliderReadsAs(const SelectorState& state, ControlId slider, int value);

// The writes, one kind of change each.
struct WriteCaption {
    Caption caption;
    std::string text;
    bool operator==(const WriteCaption&) const = default;
};
struct WriteBoxText {
    FocusTarget box;
    std::string text;
    bool operator==(const WriteBoxText&) const = default;
};
struct WriteBoxVisible {
    FocusTarget box;
    bool visible = true;
    bool operator==(const WriteBoxVisible&) const = default;
};
// The combination list keeps its first `kept` lines, loses the rest and gets `added` after
// them; a cleared list keeps none. (A combination adds a line, an undo takes the last one away,
// a clear takes them all, so a change is seldom more than one line.)
struct WriteLines {
    std::size_t kept = 0;
    std::vector<std::string> added;
    bool operator==(const WriteLines&) const = default;
};
struct WriteSlider {
    ControlId slider = ControlId::HScroll1;
    ScrollBar bar;
    bool operator==(const WriteSlider&) const = default;
};
// An option button checked or cleared. Of Exclude, Include and None only the one checked is
// written (checking it clears the others); the auto-fill starts may both be clear, so each is
// written on its own.
struct WriteChecked {
    FocusTarget option;
    bool checked = false;
    bool operator==(const WriteChecked&) const = default;
};
// The tool tip over every entry box.
struct WriteToolTip {
    std::string text;
    bool operator==(const WriteToolTip&) const = default;
};
// The keyboard focus to put on a control, with the selection of a box (clamped to its text).
struct WriteFocus {
    FocusTarget target;
    int selStart = 0;
    int selLength = 0;
    bool operator==(const WriteFocus&) const = default;
};

using Write = std::variant<WriteCaption, WriteBoxText, WriteBoxVisible, WriteLines, WriteSlider,
                           WriteChecked, WriteToolTip, WriteFocus>;

// What a window was last given.
class ShownForm {
public:
    // The writes that bring the window from what it was last given to `state`, in the order a
    // window applies them: captions, sliders, box texts, box visibility, the list, the options,
    // the tool tip, and last the focus. The box writes of one kind come row by row (the entry
    // row, then the base set), each row's together in index order, so a window can write a
    // row's changes as one batch. The first call writes everything but the focus, which is
    // written whenever the state moved it (focusMoves) or focusAgain() asks for it.
    std::vector<Write> render(const SelectorState& state);

    // What the player changed in a control by hand, before the event reaches the core: the
    // window shows it already, so the next render writes the control only where the state
    // differs from it (the core refused or corrected the change).
    // The player edited this box, which now shows `text`.
    void edited(FocusTarget box, const std::string& text);
    // The player moved this slider to `value`.
    void moved(ControlId slider, int value);
    // The player checked this option button (the others of its set are cleared).
    void checked(FocusTarget option);

    // An undo or redo brought back a focus: the next render puts it again, even if the state
    // did not move it.
    void focusAgain() { focusAgain_ = true; }

private:
    std::optional<FormViewState> shown_;
    unsigned appliedFocusMoves_ = 0;
    bool focusAgain_ = false;
};

} // namespace drawlet::view
