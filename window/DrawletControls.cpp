// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawletControls.h"

#include "ButtonKeys.h"
#include "ReadableColours.h"
#include "TabOrder.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QValidator>
#include <algorithm>
#include <cmath>
#include <span>

namespace drawlet {
namespace {

// Places are measured in twips, 15 to a device-independent pixel.
int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

template <class Widget>
Widget* place(QWidget* container, const QString& name, int left, int top, int width, int height) {
    auto* widget = new Widget(container);
    widget->setObjectName(name);
    widget->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
    return widget;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QFont verdana(double points) {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    // Where Verdana is missing, fall back to the system's nearest sans face rather than
    // whatever the font database lists first.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QLabel* label(QWidget* container, const char* name, int left, int top, int width, int height,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* widget = place<QLabel>(container, QLatin1String(name), left, top, width, height);
    widget->setAlignment(alignment);
    return widget;
}

// The picked numbers and the play numbers: a wrapped line of up to 100 numbers the player can
// select and copy.
QLabel* numbersLine(QGroupBox* frame, const char* name, const QColor& colour) {
    QLabel* widget = label(frame, name, 120, 240, 6015, 975, Qt::AlignLeft | Qt::AlignTop);
    widget->setWordWrap(true);
    widget->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Selectable labels take the focus only by click; the keyboard must reach them too.
    widget->setFocusPolicy(Qt::StrongFocus);
    keepReadable(widget, colour);
    return widget;
}

QScrollBar* slider(QWidget* form, const char* name, int left, int top, int width,
                   const char* accessibleName) {
    auto* widget = place<QScrollBar>(form, QLatin1String(name), left, top, width, 255);
    widget->setOrientation(Qt::Horizontal);
    widget->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar reverses its keys by default (Right lowers a horizontal one); here Right,
    // Up and Page Up raise the value, as on a slider.
    widget->setInvertedControls(false);
    widget->setAccessibleName(QString::fromLatin1(accessibleName));
    return widget;
}

// Pasting, dropping and input methods go around the key filter; this refuses a text with
// anything but digits as a whole. One instance serves all 110 boxes.
class TwoDigitValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        const bool digits = std::all_of(input.cbegin(), input.cend(),
                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
        return digits && input.size() <= 2 ? Acceptable : Invalid;
    }
};

QLineEdit* numberBox(QWidget* container, const QString& name, int left, int top,
                     const QString& accessibleName, const QValidator* validator) {
    auto* box = place<QLineEdit>(container, name, left, top, 315, 255);
    box->setMaxLength(2);
    box->setAlignment(Qt::AlignCenter);
    box->setValidator(validator);
    // A box is 21 pixels wide: the style's frame and inner margin would leave less room than
    // two digits need, so the text may use the inner margin.
    box->setTextMargins(-2, -1, -2, -1);
    box->setAccessibleName(accessibleName);
    return box;
}

QPushButton* button(QWidget* form, const char* name, const char* caption, int left, int top,
                    int width, int height) {
    auto* widget = place<QPushButton>(form, QLatin1String(name), left, top, width, height);
    widget->setText(QString::fromLatin1(caption));
    widget->setAutoDefault(false);
    pressOnReturn(widget);
    return widget;
}

QRadioButton* option(QWidget* container, const QString& name, const char* caption, int left,
                     int top, int width, QButtonGroup* group, int id) {
    auto* widget = place<QRadioButton>(container, name, left, top, width, 255);
    widget->setText(QString::fromLatin1(caption));
    group->addButton(widget, id);
    return widget;
}

void buildLeftColumn(QWidget& form, DrawletControls& c) {
    c.Label4 = label(&form, "Label4", 60, 60, 3015, 195, Qt::AlignCenter);
    c.HScroll2 = slider(&form, "HScroll2", 60, 300, 3015, "Lottery pick size");
    c.Label10 = label(&form, "Label10", 60, 600, 3015, 195);
    c.Label10->setText(QStringLiteral("Enter Drawlets Here"));
    for (int i = 0; i < kEntryBoxes; ++i) {
        c.txtNumber[static_cast<std::size_t>(i)] =
            numberBox(&form, indexed("txtNumber", i), 60 + 300 * i, 900,
                      QStringLiteral("Drawlet %1").arg(i + 1), c.digitsOnly);
    }
    c.Label1 = label(&form, "Label1", 60, 1260, 3015, 195, Qt::AlignCenter);
    c.lstNumbers = place<QListWidget>(&form, QStringLiteral("lstNumbers"), 60, 1500, 3015, 6105);
    c.lstNumbers->setAccessibleName(QStringLiteral("Combinations"));
    c.cmdClearComb = button(&form, "cmdClearComb", "Clear Combinations", 60, 7680, 3015, 315);
}

void buildRightColumn(QWidget& form, DrawletControls& c) {
    c.Label2 = label(&form, "Label2", 3180, 60, 6255, 255, Qt::AlignCenter);
    c.HScroll1 =
        slider(&form, "HScroll1", 3180, 300, 6255, "Quantity of combination numbers to pick");
    c.cmdPick = button(&form, "cmdPick", "Pick", 3180, 600, 6255, 255);
    c.cmdPick->setToolTip(QStringLiteral("Use the slider control above to Pick randomly one, "
                                         "some, or use all the combination numbers."));

    c.Frame1 = place<QGroupBox>(&form, QStringLiteral("Frame1"), 3180, 960, 6255, 1335);
    c.Label3 = numbersLine(c.Frame1, "Label3", QColor(128, 0, 0));

    c.Label7 = label(&form, "Label7", 3180, 2400, 6255, 255);
    c.Label7->setText(QStringLiteral("Base Set Numbers"));
    QFont underlined = c.Label7->font();
    underlined.setUnderline(true);
    c.Label7->setFont(underlined);

    c.Label8 = label(&form, "Label8", 3180, 2640, 6255, 435, Qt::AlignLeft | Qt::AlignTop);
    c.Label8->setWordWrap(true);
    c.Label8->setText(QStringLiteral("Numbers entered here have numbers removed by Drawlets, "
                                     "added by Drawlets or nothing changed by the type of "
                                     "selection."));

    c.Frame4 = place<QGroupBox>(&form, QStringLiteral("Frame4"), 3180, 3120, 6255, 555);
    c.Frame4->setTitle(QStringLiteral("Auto Fill Starts With"));
    c.autoFillStarts = new QButtonGroup(&form);
    c.Option1[0] = option(c.Frame4, indexed("Option1", 0), "0", 300, 240, 495, c.autoFillStarts, 0);
    c.Option1[1] = option(c.Frame4, indexed("Option1", 1), "1", 840, 240, 495, c.autoFillStarts, 1);

    c.HScroll3 = slider(&form, "HScroll3", 3180, 3780, 6255, "Base set size");
    c.Command1 = button(&form, "Command1", "", 3180, 4080, 6255, 255);
    c.cmdClearBaseSet =
        button(&form, "cmdClearBaseSet", "Clear Base Set Numbers", 3180, 4380, 6255, 255);

    c.Frame2 = place<QGroupBox>(&form, QStringLiteral("Frame2"), 3180, 4680, 6255, 1575);
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        c.txtSelNumbers[static_cast<std::size_t>(i)] = numberBox(
            c.Frame2, indexed("txtSelNumbers", i), 120 + 300 * (i % 20), 240 + 240 * (i / 20),
            QStringLiteral("Base set number %1").arg(i + 1), c.digitsOnly);
    }

    c.Label6 = label(&form, "Label6", 3180, 6360, 1620, 195);
    c.Label6->setText(QStringLiteral("Type of Selection -"));
    c.selectionTypes = new QButtonGroup(&form);
    c.optExclusion = option(&form, QStringLiteral("optExclusion"), "Exclude", 4860, 6360, 1095,
                            c.selectionTypes, static_cast<int>(SelectionType::Exclude));
    c.optInclusion = option(&form, QStringLiteral("optInclusion"), "Include", 6060, 6360, 1095,
                            c.selectionTypes, static_cast<int>(SelectionType::Include));
    c.optNone = option(&form, QStringLiteral("optNone"), "None", 7200, 6360, 855, c.selectionTypes,
                       static_cast<int>(SelectionType::None));

    c.Frame3 = place<QGroupBox>(&form, QStringLiteral("Frame3"), 3180, 6660, 6255, 1335);
    c.Label5 = numbersLine(c.Frame3, "Label5", QColor(0, 0, 128));
}

// The chain is the core's tab order; Qt skips hidden controls as the core does.
void chainTabOrder(const DrawletControls& c) {
    const std::span<const FocusTarget> order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(widgetFor(c, order[i - 1]), widgetFor(c, order[i]));
    }
}

} // namespace

DrawletControls buildControls(QWidget& form) {
    form.setObjectName(QStringLiteral("frmDrawlet"));
    form.setWindowTitle(QStringLiteral("Drawlet Exclusion / Inclusion Selector"));
    form.setFixedSize(pixels(9480), pixels(8490));
    form.setFont(verdana(8.25));

    DrawletControls controls;
    controls.digitsOnly = new TwoDigitValidator(&form);
    buildLeftColumn(form, controls);
    buildRightColumn(form, controls);
    controls.cmdClear = button(&form, "cmdClear", "Clear All", 60, 8100, 9375, 315);
    controls.cmdClear->setFont(verdana(9.75));
    chainTabOrder(controls);
    return controls;
}

QWidget* widgetFor(const DrawletControls& c, FocusTarget target) {
    const auto at = [](const auto& array, int index) -> QWidget* {
        if (index < 0 || index >= static_cast<int>(array.size())) {
            return nullptr;
        }
        return array[static_cast<std::size_t>(index)];
    };
    switch (target.control) {
    case ControlId::None:
        return nullptr;
    case ControlId::txtNumber:
        return at(c.txtNumber, target.index);
    case ControlId::txtSelNumbers:
        return at(c.txtSelNumbers, target.index);
    case ControlId::Option1:
        return at(c.Option1, target.index);
    case ControlId::lstNumbers:
        return c.lstNumbers;
    case ControlId::HScroll2:
        return c.HScroll2;
    case ControlId::HScroll1:
        return c.HScroll1;
    case ControlId::HScroll3:
        return c.HScroll3;
    case ControlId::cmdPick:
        return c.cmdPick;
    case ControlId::cmdClearComb:
        return c.cmdClearComb;
    case ControlId::cmdClear:
        return c.cmdClear;
    case ControlId::cmdClearBaseSet:
        return c.cmdClearBaseSet;
    case ControlId::Command1:
        return c.Command1;
    case ControlId::optExclusion:
        return c.optExclusion;
    case ControlId::optInclusion:
        return c.optInclusion;
    case ControlId::optNone:
        return c.optNone;
    case ControlId::Label3:
        return c.Label3;
    case ControlId::Label5:
        return c.Label5;
    }
    return nullptr;
}

} // namespace drawlet
