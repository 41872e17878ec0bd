// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The form's standard controls, one per row of the view's twips table, and their places, sizes
// and fonts at the window's DPI. Building sets no run-time value: captions, texts, slider
// positions and visibility come from the view's writes. Every control is a child of the form
// itself, frames included, so that every notification reaches the one window procedure; a
// piece inside a frame is placed from the frame's corner.

#include "FormPlaces.h"
#include "SelectorState.h"

#include <array>
#include <map>
#include <utility>
#include <vector>
#include <windows.h>

namespace drawlet::win32 {

struct FormControls {
    HWND form = nullptr;
    std::vector<HWND> pieces; // by the rows of formPieces()
    std::map<std::pair<ControlId, int>, HWND> controls;
    HWND toolTip = nullptr;
    int dpi = view::kDesignDpi;
    std::map<std::pair<int, bool>, HFONT> fonts; // by tenths of a point and underline
};

// Creates every control in `form` in the order of the table, which is also the tab order's
// z-order of Windows, and lays them out at `dpi`.
FormControls buildControls(HWND form, int dpi);

// Places, sizes and fonts again at a new DPI; the form's own size is set by its caller.
void layOut(FormControls& controls, int dpi);

void destroyFonts(FormControls& controls);

// The control for a target; null for ControlId::None.
HWND controlFor(const FormControls& controls, FocusTarget target);

// The piece's row in formPieces() of a child of the form, or -1.
int pieceRow(HWND child);

// The form's client size in pixels at `dpi`.
SIZE clientSize(int dpi);

// The window's DPI, where Windows can tell it per window (Windows 10 1607 and later), else the
// system's.
int dpiOf(HWND window);

} // namespace drawlet::win32
