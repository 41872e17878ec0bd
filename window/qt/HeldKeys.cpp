// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HeldKeys.h"

#include <QGuiApplication>

// After Qt's headers: Xlib's names (None, KeyPress, Bool ...) are macros.
#include <X11/XKBlib.h>

namespace drawlet {

void repeatHeldKeysWithoutReleases() {
#if QT_CONFIG(xcb)
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 != nullptr && x11->display() != nullptr) {
        Bool supported = False;
        XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
    }
#endif
}

} // namespace drawlet
