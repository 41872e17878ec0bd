// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text colours that stay readable whatever the desktop's colour scheme. (The explanation of the
// rule moves here from the Qt window's header unchanged.)

#include "FormPlaces.h"

namespace drawlet::view {

inline constexpr double kReadableContrast = 4.5;
inline constexpr double kChosenContrast = 5.5;

// WCAG 2 relative luminance, 0 for black to 1 for white.
double relativeLuminance(Rgb colour);

// WCAG 2 contrast ratio of two colours, 1 to 21, whichever is the lighter.
double contrastRatio(Rgb first, Rgb second);

// The design colour where it reaches the chosen contrast on `background`; otherwise the colour
// of the same hue and saturation, moved in lightness away from the background, nearest to the
// design's among those that reach it; black or white where none does.
Rgb readableOn(Rgb design, Rgb background);

} // namespace drawlet::view
