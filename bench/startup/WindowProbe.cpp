// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probe: the real window, as the program starts it (start-up seeds the random source
// from the clock, as it does for the player).

#include "FirstPaint.h"
#include "RandomSource.h"
#include "frmDrawlet.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    drawlet::ClockSeededRandom random;
    drawlet::frmDrawlet window(random);
    drawlet::bench::showUntilFirstPaint(window);
}
