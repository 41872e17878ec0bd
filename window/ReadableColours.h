// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text colours that stay readable whatever the desktop's colour scheme. The picked numbers and
// the play numbers have colours of their own (dark red, dark blue); on a light background they
// are shown as they are, on any other background they keep their hue and move in lightness
// until they read as well as ordinary text should: a contrast of at least 4.5 to 1 by WCAG's
// formula, as the text is drawn. Small text is drawn smoothed: its thin strokes seldom cover a
// whole pixel, so even the strongest pixel of a glyph is the colour blended with some of the
// background. A colour is therefore chosen with room to spare, at 5.5 to 1, which keeps every
// glyph of the 8.25 pt numbers above 4.5 to 1 in screenshots of the window.
//
// A window passes the background its toolkit paints the line on, and paints the text in the
// colour it gets back, again whenever the desktop changes its colours.

#include "FormPlaces.h"

namespace drawlet::view {

// What every text must reach on screen, and what a chosen colour reaches before smoothing.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kChosenContrast = 5.5;

// WCAG 2 relative luminance, 0 for black to 1 for white.
double relativeLuminance(Rgb colour);

// WCAG 2 contrast ratio of two colours, 1 to 21, whichever is the lighter.
double contrastRatio(Rgb first, Rgb second);

// The design colour where it reaches the chosen contrast on `background`; otherwise the colour
// of the same hue and saturation, moved in lightness away from the background (towards white
// or black, whichever reads better on it), nearest to the design's among those that reach it.
// Where none does (a mid-grey background), black or white itself.
Rgb readableOn(Rgb design, Rgb background);

} // namespace drawlet::view
