// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormPlaces.h"

#include "Controls.h"

#include <algorithm>
#include <vector>

namespace drawlet::view {
namespace {

constexpr Rgb kDarkRed{128, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 128};

// A piece the player never reaches: a caption or a frame.
Piece fixed(const char* name, PieceKind kind, Twips place, const char* caption = "") {
    Piece piece;
    piece.name = name;
    piece.kind = kind;
    piece.place = place;
    piece.caption = caption;
    return piece;
}

Piece centred(const char* name, Twips place) {
    Piece piece = fixed(name, PieceKind::Label, place);
    piece.align = TextAlign::Centre;
    return piece;
}

// A control of the core's table: its name and what it reads as come from its row.
Piece control(PieceKind kind, FocusTarget target, Twips place) {
    const Control& row = *controlRow(target.control);
    Piece piece;
    piece.name = row.name;
    if (isControlArray(target.control)) {
        piece.name += '(' + std::to_string(target.index) + ')';
    }
    piece.kind = kind;
    piece.target = target;
    piece.place = place;
    std::string readsAs = row.readsAs;
    if (const auto number = readsAs.find("%1"); number != std::string::npos) {
        readsAs.replace(number, 2, std::to_string(target.index + 1));
    }
    // A button or option is read by its caption; anything else by its accessible name.
    if (kind == PieceKind::Button || kind == PieceKind::Option) {
        piece.caption = readsAs;
    } else {
        piece.readsAs = readsAs;
    }
    return piece;
}

Piece slider(ControlId id, Twips place) {
    return control(PieceKind::HScroll, {id, 0}, place);
}

Piece button(ControlId id, Twips place) {
    return control(PieceKind::Button, {id, 0}, place);
}

Piece option(FocusTarget target, Twips place) {
    return control(PieceKind::Option, target, place);
}

// A box is 315 by 255 twips, its two digits centred.
Piece numberBox(FocusTarget box, int left, int top) {
    Piece piece = control(PieceKind::TextBox, box, {left, top, 315, 255});
    piece.align = TextAlign::Centre;
    return piece;
}

// The picked numbers and the play numbers: a wrapped line of up to 100 numbers in its frame,
// in a colour of its own.
Piece numbersLine(ControlId id, const char* frame, Rgb colour) {
    Piece piece = control(PieceKind::Label, {id, 0}, {120, 240, 6015, 975});
    piece.container = frame;
    piece.topAligned = true;
    piece.wordWrap = true;
    piece.textColour = colour;
    return piece;
}

Piece inFrame(Piece piece, const char* frame) {
    piece.container = frame;
    return piece;
}

void addLeftColumn(std::vector<Piece>& pieces) {
    pieces.push_back(centred("Label4", {60, 60, 3015, 195}));
    pieces.push_back(slider(ControlId::HScroll2, {60, 300, 3015, 255}));
    pieces.push_back(
        fixed("Label10", PieceKind::Label, {60, 600, 3015, 195}, "Enter Drawlets Here"));
    for (int i = 0; i < kEntryBoxes; ++i) {
        pieces.push_back(numberBox({ControlId::txtNumber, i}, 60 + 300 * i, 900));
    }
    pieces.push_back(centred("Label1", {60, 1260, 3015, 195}));
    pieces.push_back(control(PieceKind::List, {ControlId::lstNumbers, 0}, {60, 1500, 3015, 6105}));
    pieces.push_back(button(ControlId::cmdClearComb, {60, 7680, 3015, 315}));
}

void addRightColumn(std::vector<Piece>& pieces) {
    pieces.push_back(centred("Label2", {3180, 60, 6255, 255}));
    pieces.push_back(slider(ControlId::HScroll1, {3180, 300, 6255, 255}));
    Piece pick = button(ControlId::cmdPick, {3180, 600, 6255, 255});
    pick.toolTip = "Use the slider control above to Pick randomly one, some, or use all the "
                   "combination numbers.";
    pieces.push_back(pick);

    pieces.push_back(fixed("Frame1", PieceKind::Frame, {3180, 960, 6255, 1335}));
    pieces.push_back(numbersLine(ControlId::Label3, "Frame1", kDarkRed));

    Piece baseSetTitle =
        fixed("Label7", PieceKind::Label, {3180, 2400, 6255, 255}, "Base Set Numbers");
    baseSetTitle.underlined = true;
    pieces.push_back(baseSetTitle);
    Piece explanation = fixed("Label8", PieceKind::Label, {3180, 2640, 6255, 435},
                              "Numbers entered here have numbers removed by Drawlets, added by "
                              "Drawlets or nothing changed by the type of selection.");
    explanation.topAligned = true;
    explanation.wordWrap = true;
    pieces.push_back(explanation);

    pieces.push_back(
        fixed("Frame4", PieceKind::Frame, {3180, 3120, 6255, 555}, "Auto Fill Starts With"));
    for (int start = 0; start < 2; ++start) {
        Piece piece = option({ControlId::Option1, start}, {300 + 540 * start, 240, 495, 255});
        piece.caption = std::to_string(start);
        pieces.push_back(inFrame(piece, "Frame4"));
    }

    pieces.push_back(slider(ControlId::HScroll3, {3180, 3780, 6255, 255}));
    pieces.push_back(button(ControlId::Command1, {3180, 4080, 6255, 255}));
    pieces.push_back(button(ControlId::cmdClearBaseSet, {3180, 4380, 6255, 255}));

    pieces.push_back(fixed("Frame2", PieceKind::Frame, {3180, 4680, 6255, 1575}));
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        pieces.push_back(inFrame(
            numberBox({ControlId::txtSelNumbers, i}, 120 + 300 * (i % 20), 240 + 240 * (i / 20)),
            "Frame2"));
    }

    pieces.push_back(
        fixed("Label6", PieceKind::Label, {3180, 6360, 1620, 195}, "Type of Selection -"));
    pieces.push_back(option({ControlId::optExclusion, 0}, {4860, 6360, 1095, 255}));
    pieces.push_back(option({ControlId::optInclusion, 0}, {6060, 6360, 1095, 255}));
    pieces.push_back(option({ControlId::optNone, 0}, {7200, 6360, 855, 255}));

    pieces.push_back(fixed("Frame3", PieceKind::Frame, {3180, 6660, 6255, 1335}));
    pieces.push_back(numbersLine(ControlId::Label5, "Frame3", kDarkBlue));
}

std::vector<Piece> makePieces() {
    std::vector<Piece> pieces;
    addLeftColumn(pieces);
    addRightColumn(pieces);
    Piece clearAll = button(ControlId::cmdClear, {60, 8100, 9375, 315});
    clearAll.fontPoints = 9.75;
    pieces.push_back(clearAll);
    return pieces;
}

const std::vector<Piece>& pieces() {
    static const std::vector<Piece> made = makePieces();
    return made;
}

} // namespace

int pixels(int twips, int dpi) {
    // To the nearest pixel, halves away from zero, in whole numbers so every target agrees.
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>((scaled + (scaled < 0 ? -half : half)) / kTwipsPerInch);
}

const Form& form() {
    static const Form made{.name = "frmDrawlet",
                           .caption = "Drawlet Exclusion / Inclusion Selector",
                           .clientWidth = 9480,
                           .clientHeight = 8490,
                           .fontPoints = 8.25,
                           .fontFace = "Verdana"};
    return made;
}

std::span<const Piece> formPieces() {
    return pieces();
}

const Piece* pieceFor(FocusTarget target) {
    if (target.control == ControlId::None) {
        return nullptr;
    }
    const auto& all = pieces();
    const auto found = std::find_if(
        all.begin(), all.end(), [target](const Piece& piece) { return piece.target == target; });
    return found != all.end() ? &*found : nullptr;
}

const Piece* pieceNamed(const std::string& name) {
    const auto& all = pieces();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&name](const Piece& piece) { return piece.name == name; });
    return found != all.end() ? &*found : nullptr;
}

} // namespace drawlet::view
