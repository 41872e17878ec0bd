// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where every piece of the form sits, how large it is, and what it shows from the start, in the
// form's own units: twips, 1440 to an inch, so 15 to a pixel at 96 DPI. A window builds one
// widget per row, in the row's container, and turns twips into pixels at its own DPI. Nothing
// here changes at run time; what does change comes from the state through the view's writes
// (FormView.h).
//
// The rows come in the order the widgets are made: a container before what it holds.

#include "SelectorState.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace drawlet::view {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDesignDpi = 96;

// Pixels for a length in twips at `dpi` dots per inch, to the nearest pixel.
int pixels(int twips, int dpi = kDesignDpi);

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Twips&) const = default;
};

// A text colour of the design, as red, green and blue levels 0 to 255.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

// The kinds of piece the form is made of; each toolkit has a standard control for each.
enum class PieceKind : std::uint8_t {
    Label,   // static text; a selectable, focusable line where it is a control (Label3, Label5)
    Frame,   // a titled group box
    TextBox, // a one-line box of at most two digits
    List,    // the combination list
    HScroll, // a horizontal scroll bar
    Option,  // an option (radio) button
    Button,  // a command button
};

enum class TextAlign : std::uint8_t { Left, Centre };

struct Piece {
    // The name its widget carries: "Label1", "Frame2", "txtNumber(3)" ...
    std::string name;
    PieceKind kind = PieceKind::Label;
    // The control of the core's table, or ControlId::None for the pieces the player cannot
    // reach (the captions, the frames).
    FocusTarget target;
    // The frame it sits in (its name), or empty for the form itself. `place` is measured from
    // the container's top left corner.
    std::string container;
    Twips place;
    // What it shows from the start and never changes: a fixed caption ("Enter Drawlets Here"),
    // a button's or option's caption. Empty where the state writes it.
    std::string caption;
    // What a screen reader calls a control that shows no caption of its own ("Drawlet 3",
    // "Base set size"); empty for the rest, which are read by what they show.
    std::string readsAs;
    std::string toolTip;   // a fixed tool tip (cmdPick's); empty for none
    double fontPoints = 0; // 0: the form's font
    bool underlined = false;
    TextAlign align = TextAlign::Left;
    bool topAligned = false; // text starts at the top rather than centred vertically
    bool wordWrap = false;
    std::optional<Rgb> textColour; // the design colour of a result line (see ReadableColours.h)
};

struct Form {
    std::string name;    // "frmDrawlet"
    std::string caption; // "Drawlet Exclusion / Inclusion Selector"
    int clientWidth = 0; // twips
    int clientHeight = 0;
    double fontPoints = 0; // Verdana at this size for every piece without its own
    std::string fontFace;
};

const Form& form();

// Every piece, containers first.
std::span<const Piece> formPieces();

// The piece of a control of the core's table; null for ControlId::None or an index out of range.
const Piece* pieceFor(FocusTarget target);

// The piece with this name; null where there is none.
const Piece* pieceNamed(const std::string& name);

} // namespace drawlet::view
