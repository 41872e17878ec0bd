// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The result lines in their design colours, kept readable on whatever background the desktop's
// colour scheme gives them. Which colour reads is the view's rule (ReadableColours.h); this is
// where it meets Qt's palettes.

#include "FormPlaces.h"

#include <QColor>

class QLabel;

namespace drawlet {

QColor qtColour(view::Rgb colour);
view::Rgb rgbOf(const QColor& colour);

// Shows the label's text in `design`, made readable on the label's background, now and after
// every change of its palette (the desktop switching schemes while the program runs).
void keepReadable(QLabel* label, view::Rgb design);

} // namespace drawlet
