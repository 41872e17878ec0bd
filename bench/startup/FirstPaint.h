// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What both start-up probes share: show the window, and end the process as soon as the first
// paint of the window has been delivered. Quitting from inside that paint lets the repaint in
// progress finish (children painted, the frame flushed to the platform); the process then ends
// at once, without tearing the widgets down, so the figure is start-up to first frame.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace drawlet::bench {

class QuitOnFirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::exit(0);
        }
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window`, runs the event loop to its first paint and ends the process. A window that
// is never painted ends it with status 2 after ten seconds.
[[noreturn]] inline void showUntilFirstPaint(QWidget& window) {
    QuitOnFirstPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    QTimer::singleShot(10000, [] { QCoreApplication::exit(2); });
    const int status = QApplication::exec();
    if (status != 0) {
        std::fprintf(stderr, "the window was not painted within ten seconds\n");
    }
    std::_Exit(status);
}

} // namespace drawlet::bench
