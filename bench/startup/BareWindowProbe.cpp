// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up probe: a bare window with the same kinds and number of widgets as the real one, at
// about the same places, with the same fonts and the same widgets hidden at first (the base set
// boxes and the unused entry boxes), and nothing else: no state, no handlers, no signals.

#include "FirstPaint.h"

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace {

// Places are given in twips, 15 to a pixel.
template <typename Widget>
Widget* place(Widget* widget, int left, int top, int width, int height) {
    widget->setGeometry(left / 15, top / 15, width / 15, height / 15);
    return widget;
}

QFont verdana(double points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QLineEdit* box(QWidget* parent, int left, int top, bool shown) {
    auto* edit = place(new QLineEdit(parent), left, top, 315, 255);
    edit->setMaxLength(2);
    edit->setAlignment(Qt::AlignCenter);
    edit->setVisible(shown);
    return edit;
}

QLabel* label(QWidget* parent, const QString& text, int left, int top, int width, int height) {
    return place(new QLabel(text, parent), left, top, width, height);
}

QScrollBar* slider(QWidget* parent, int left, int top, int width, int max) {
    auto* bar = place(new QScrollBar(Qt::Horizontal, parent), left, top, width, 255);
    bar->setRange(0, max);
    return bar;
}

void buildBareWindow(QWidget& form) {
    form.setWindowTitle(QStringLiteral("Drawlet Exclusion / Inclusion Selector"));
    form.setFont(verdana(8.25));
    form.setFixedSize(632, 566);

    label(&form, QStringLiteral("Lottery Pick Size - 5"), 60, 60, 3015, 195);
    slider(&form, 60, 300, 3015, 9);
    label(&form, QStringLiteral("Enter Drawlets Here"), 60, 600, 3015, 195);
    for (int i = 0; i < 10; ++i) {
        box(&form, 60 + 300 * i, 900, i < 5);
    }
    label(&form, QStringLiteral("Combinations - 0"), 60, 1260, 3015, 195);
    place(new QListWidget(&form), 60, 1500, 3015, 6105);
    place(new QPushButton(QStringLiteral("Clear Combinations"), &form), 60, 7680, 3015, 315);
    auto* clearAll =
        place(new QPushButton(QStringLiteral("Clear All"), &form), 60, 8100, 9375, 315);
    clearAll->setFont(verdana(9.75));

    label(&form, QStringLiteral("Quantity of Combination Numbers to Pick - 1"), 3180, 60, 6255,
          255);
    slider(&form, 3180, 300, 6255, 1);
    place(new QPushButton(QStringLiteral("Pick"), &form), 3180, 600, 6255, 255);
    auto* picked = place(new QGroupBox(QStringLiteral("0 - Exclusion or Inclusion Numbers"), &form),
                         3180, 960, 6255, 1335);
    label(picked, QString(), 120, 240, 6015, 975)->setWordWrap(true);

    auto* baseSetTitle = label(&form, QStringLiteral("Base Set Numbers"), 3180, 2400, 6255, 255);
    QFont underlined = baseSetTitle->font();
    underlined.setUnderline(true);
    baseSetTitle->setFont(underlined);
    label(&form,
          QStringLiteral("Numbers entered here have numbers removed by Drawlets, added by "
                         "Drawlets or nothing changed by the type of selection."),
          3180, 2640, 6255, 435)
        ->setWordWrap(true);
    auto* starts =
        place(new QGroupBox(QStringLiteral("Auto Fill Starts With"), &form), 3180, 3120, 6255, 555);
    place(new QRadioButton(QStringLiteral("0"), starts), 300, 240, 495, 255);
    place(new QRadioButton(QStringLiteral("1"), starts), 840, 240, 495, 255)->setChecked(true);
    slider(&form, 3180, 3780, 6255, 100);
    place(new QPushButton(QStringLiteral("Auto Fill Base Set 00 to NN"), &form), 3180, 4080, 6255,
          255);
    place(new QPushButton(QStringLiteral("Clear Base Set Numbers"), &form), 3180, 4380, 6255, 255);
    auto* baseSet =
        place(new QGroupBox(QStringLiteral("0 - Base Set Numbers"), &form), 3180, 4680, 6255, 1575);
    for (int i = 0; i < 100; ++i) {
        box(baseSet, 120 + 300 * (i % 20), 240 + 240 * (i / 20), false);
    }

    label(&form, QStringLiteral("Type of Selection -"), 3180, 6360, 1620, 195);
    place(new QRadioButton(QStringLiteral("Exclude"), &form), 4860, 6360, 1095, 255)
        ->setChecked(true);
    place(new QRadioButton(QStringLiteral("Include"), &form), 6060, 6360, 1095, 255);
    place(new QRadioButton(QStringLiteral("None"), &form), 7200, 6360, 855, 255);
    auto* play =
        place(new QGroupBox(QStringLiteral("0 - Play Numbers"), &form), 3180, 6660, 6255, 1335);
    label(play, QString(), 120, 240, 6015, 975)->setWordWrap(true);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    buildBareWindow(window);
    drawlet::bench::showUntilFirstPaint(window);
}
