// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"
#include "frmDrawlet.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Drawlet Selector"));
    QGuiApplication::setDesktopFileName(QStringLiteral(DRAWLET_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" DRAWLET_APP_ID ".svg")));

    drawlet::ClockSeededRandom random;
    drawlet::frmDrawlet window(random);
    window.show();
    return QApplication::exec();
}
