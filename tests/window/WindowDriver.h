// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives a shown frmDrawlet the way a player does: keys go to whichever widget has the focus,
// clicks to the widget named. Checks read what the player sees: texts, captions, visibility,
// checked buttons, the focus widget and the selection.

#include "ScriptedRandom.h"
#include "frmDrawlet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <vector>

namespace drawlet::testing {

// Pick values that land on every stored position once, in order: (i + 0.5) / N.
inline std::vector<double> everyPosition(int stored) {
    std::vector<double> values;
    for (int i = 0; i < stored; ++i) {
        values.push_back((i + 0.5) / stored);
    }
    return values;
}

// What a control shows as its text: a label's or button's caption, a frame's title, a box's
// text.
inline QString shownText(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
        return frame->title();
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(widget)) {
        return box->text();
    }
    return QStringLiteral("<no text>");
}

class WindowDriver {
public:
    WindowDriver() : window_(random_) {
        window_.show();
        QApplication::setActiveWindow(&window_);
    }

    frmDrawlet& window() { return window_; }
    const SelectorState& state() const { return window_.state(); }
    ScriptedRandom& random() { return random_; }

    template <class Widget = QWidget>
    Widget* find(const QString& name) {
        auto* widget = window_.findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget named %s", qPrintable(name));
        }
        return widget;
    }
    QLineEdit* entryBox(int index) {
        return find<QLineEdit>(QStringLiteral("txtNumber(%1)").arg(index));
    }
    QLineEdit* baseSetBox(int index) {
        return find<QLineEdit>(QStringLiteral("txtSelNumbers(%1)").arg(index));
    }
    QString text(const QString& name) { return shownText(find(name)); }
    QString focusName() const {
        const QWidget* focused = QApplication::focusWidget();
        return focused != nullptr ? focused->objectName() : QString();
    }

    // Each character goes to the widget that has the focus when it is typed, as the focus moves
    // on by itself after a finished box.
    void type(const QString& keys) {
        for (const QChar key : keys) {
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
        }
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }

    // Types one whole combination into the boxes in use, scripting the pick it sets off so that
    // every stored number is drawn.
    void enterCombination(const QString& digits) {
        const auto combinations = static_cast<int>(state().lstNumbers.size());
        random_.script(everyPosition(pickSize(state()) * (combinations + 1)));
        type(digits);
    }

    // Moves a slider by the keyboard, as a player with the focus on it would.
    void stepSlider(const QString& name, Qt::Key key, int times = 1) {
        find(name)->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < times; ++i) {
            press(key);
        }
    }

private:
    ScriptedRandom random_;
    frmDrawlet window_;
};

} // namespace drawlet::testing
