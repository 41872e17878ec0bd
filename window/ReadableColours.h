// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text colours that stay readable whatever the desktop's colour scheme. The picked numbers and
// the play numbers have colours of their own (dark red, dark blue); on a light background they
// are shown as they are, on any other background they keep their hue and move in lightness
// until they read as well as ordinary text should: a contrast of at least 4.5 to 1 by WCAG's
// formula.

#include <QColor>

class QLabel;

namespace drawlet {

inline constexpr double kReadableContrast = 4.5;

// WCAG 2 relative luminance, 0 for black to 1 for white.
double relativeLuminance(const QColor& colour);

// WCAG 2 contrast ratio of two colours, 1 to 21, whichever is the lighter.
double contrastRatio(const QColor& first, const QColor& second);

// The design colour where it reaches the readable contrast on `background`; otherwise the
// colour of the same hue and saturation whose lightness is nearest to the design's among those
// that reach it. Where no lightness of that hue reaches it (a mid-grey background), black or
// white, whichever reads better.
QColor readableOn(const QColor& design, const QColor& background);

// Shows the label's text in `design`, made readable on the label's background, now and after
// every change of its palette (the desktop switching schemes while the program runs).
void keepReadable(QLabel* label, const QColor& design);

} // namespace drawlet
