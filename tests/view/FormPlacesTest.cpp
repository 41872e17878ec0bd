// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormPlaces.h"

#include "TabOrder.h"

#include <gtest/gtest.h>
#include <set>

namespace drawlet::view {
namespace {

TEST(FormPlaces, TwipsBecomeThePixelsOfTheWindowsDpi) {
    struct Length {
        int twips;
        int dpi;
        int pixels;
    };
    const Length rows[] = {
        {15, 96, 1},    {7, 96, 0},     {8, 96, 1},   {9480, 96, 632}, {8490, 96, 566},
        {315, 144, 32}, {255, 120, 21}, {-8, 96, -1}, {-7, 96, 0},     {6105, 192, 814},
    };
    for (const Length& row : rows) {
        EXPECT_EQ(pixels(row.twips, row.dpi), row.pixels) << row.twips << " twips at " << row.dpi;
    }
}

// Each control the player reaches is one piece, found by its target, with its own name.
TEST(FormPlaces, EveryControlOfTheCoresTableHasItsPiece) {
    std::set<std::string> names;
    for (const Piece& piece : formPieces()) {
        EXPECT_TRUE(names.insert(piece.name).second) << piece.name;
    }
    for (const FocusTarget target : tabOrder()) {
        const Piece* piece = pieceFor(target);
        ASSERT_NE(piece, nullptr);
        EXPECT_EQ(piece->target, target) << piece->name;
        EXPECT_EQ(pieceNamed(piece->name), piece);
    }
    EXPECT_EQ(pieceFor({ControlId::None, 0}), nullptr);
    EXPECT_EQ(pieceFor({ControlId::txtNumber, kEntryBoxes}), nullptr);
    EXPECT_EQ(pieceNamed("txtNumber(3)")->readsAs, "Drawlet 4");
    EXPECT_EQ(pieceNamed("cmdClear")->caption, "Clear All");
}

// A container is made before what it holds, and holds it whole; the form holds everything.
TEST(FormPlaces, PiecesFitTheirContainers) {
    const auto pieces = formPieces();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece& piece = pieces[i];
        Twips room{0, 0, form().clientWidth, form().clientHeight};
        if (!piece.container.empty()) {
            const Piece* frame = pieceNamed(piece.container);
            ASSERT_NE(frame, nullptr) << piece.name;
            EXPECT_EQ(frame->kind, PieceKind::Frame);
            EXPECT_LT(frame - pieces.data(), static_cast<std::ptrdiff_t>(i)) << piece.name;
            room = {0, 0, frame->place.width, frame->place.height};
        }
        EXPECT_TRUE(piece.place.left >= 0 && piece.place.top >= 0 &&
                    piece.place.left + piece.place.width <= room.width &&
                    piece.place.top + piece.place.height <= room.height)
            << piece.name;
    }
}

} // namespace
} // namespace drawlet::view
