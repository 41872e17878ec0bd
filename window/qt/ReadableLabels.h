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

#include <QColor>

class QLabel;

namespace drawlet {

// What every text must reach on screen, and what a chosen colour reaches before smoothing.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kChosenContrast = 5.5;

// WCAG 2 relative luminance, 0 for black to 1 for white.
double relativeLuminance(const QColor& colour);

// WCAG 2 contrast ratio of two colours, 1 to 21, whichever is the lighter.
double contrastRatio(const QColor& first, const QColor& second);

// The design colour where it reaches the chosen contrast on `background`; otherwise the colour
// of the same hue and saturation whose lightness is nearest to the design's among those that
// reach it. Where no lightness of that hue reaches it (a mid-grey background), black or white,
// whichever reads better.
QColor readableOn(const QColor& design, const QColor& background);

// Shows the label's text in `design`, made readable on the label's background, now and after
// every change of its palette (the desktop switching schemes while the program runs).
void keepReadable(QLabel* label, const QColor& design);

} // namespace drawlet
