// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The child-window id of every piece of the form: its row in formPieces() after a fixed start.
// Windows has no object names; a program reading the window (the end-to-end test, a screen
// reader's scripts) finds a control by this id with GetDlgItem.

#include "FormPlaces.h"

#include <string>

namespace drawlet::win32 {

inline constexpr int kFirstPieceId = 1000;
inline constexpr const wchar_t* kFormClass = L"frmDrawlet";

// The id of the piece with this name; 0 where there is none.
inline int pieceId(const std::string& name) {
    const view::Piece* piece = view::pieceNamed(name);
    return piece == nullptr ? 0
                            : kFirstPieceId + static_cast<int>(piece - view::formPieces().data());
}

} // namespace drawlet::win32
