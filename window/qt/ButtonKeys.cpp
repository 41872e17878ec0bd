// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ButtonKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace drawlet {
namespace {

class ReturnAsSpace final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return QObject::eventFilter(watched, event);
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter) {
            return QObject::eventFilter(watched, event);
        }
        QKeyEvent space(key.type(), Qt::Key_Space, key.modifiers() & ~Qt::KeypadModifier,
                        QStringLiteral(" "), key.isAutoRepeat());
        QCoreApplication::sendEvent(watched, &space);
        return true;
    }
};

} // namespace

void pressOnReturn(QPushButton* button) {
    button->installEventFilter(new ReturnAsSpace(button));
}

} // namespace drawlet
