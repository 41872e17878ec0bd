// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawletControls.h"

#include "Controls.h"
#include "ReadableLabels.h"
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
#include <type_traits>

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

// A control of the core's table: its name and what it reads as come from its row, and the
// window finds it by its target from then on.
template <class Widget>
Widget* control(QWidget* container, DrawletControls& c, FocusTarget target, int left, int top,
                int width, int height) {
    const Control& row = *controlRow(target.control);
    const QString name = isControlArray(target.control) ? indexed(row.name, target.index)
                                                        : QString::fromLatin1(row.name);
    auto* widget = place<Widget>(container, name, left, top, width, height);
    QString readsAs = QString::fromLatin1(row.readsAs);
    if (readsAs.contains(QLatin1String("%1"))) {
        readsAs = readsAs.arg(target.index + 1);
    }
    if constexpr (std::is_base_of_v<QAbstractButton, Widget>) {
        widget->setText(readsAs);
    } else if (!readsAs.isEmpty()) {
        widget->setAccessibleName(readsAs);
    }
    c.widgets[{target.control, target.index}] = widget;
    return widget;
}

// The picked numbers and the play numbers: a wrapped line of up to 100 numbers the player can
// select and copy.
QLabel* numbersLine(QGroupBox* frame, DrawletControls& c, ControlId id, const QColor& colour) {
    auto* widget = control<QLabel>(frame, c, {id, 0}, 120, 240, 6015, 975);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setWordWrap(true);
    widget->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Selectable labels take the focus only by click; the keyboard must reach them too.
    widget->setFocusPolicy(Qt::StrongFocus);
    keepReadable(widget, colour);
    return widget;
}

QScrollBar* slider(QWidget* form, DrawletControls& c, ControlId id, int left, int top, int width) {
    auto* widget = control<QScrollBar>(form, c, {id, 0}, left, top, width, 255);
    widget->setOrientation(Qt::Horizontal);
    widget->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar reverses its keys by default (Right lowers a horizontal one); here Right,
    // Up and Page Up raise the value, as on a slider.
    widget->setInvertedControls(false);
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

QLineEdit* numberBox(QWidget* container, DrawletControls& c, FocusTarget box, int left, int top) {
    auto* widget = control<QLineEdit>(container, c, box, left, top, 315, 255);
    widget->setMaxLength(2);
    widget->setAlignment(Qt::AlignCenter);
    widget->setValidator(c.digitsOnly);
    // A box is 21 pixels wide: the style's frame and inner margin would leave less room than
    // two digits need, so the text may use the inner margin.
    widget->setTextMargins(-2, -1, -2, -1);
    return widget;
}

QPushButton* button(QWidget* form, DrawletControls& c, ControlId id, int left, int top, int width,
                    int height) {
    auto* widget = control<QPushButton>(form, c, {id, 0}, left, top, width, height);
    widget->setAutoDefault(false);
    return widget;
}

QRadioButton* option(QWidget* container, DrawletControls& c, FocusTarget target, int left, int top,
                     int width, QButtonGroup* group, int id) {
    auto* widget = control<QRadioButton>(container, c, target, left, top, width, 255);
    group->addButton(widget, id);
    return widget;
}

void buildLeftColumn(QWidget& form, DrawletControls& c) {
    c.Label4 = label(&form, "Label4", 60, 60, 3015, 195, Qt::AlignCenter);
    c.HScroll2 = slider(&form, c, ControlId::HScroll2, 60, 300, 3015);
    c.Label10 = label(&form, "Label10", 60, 600, 3015, 195);
    c.Label10->setText(QStringLiteral("Enter Drawlets Here"));
    for (int i = 0; i < kEntryBoxes; ++i) {
        c.txtNumber[static_cast<std::size_t>(i)] =
            numberBox(&form, c, {ControlId::txtNumber, i}, 60 + 300 * i, 900);
    }
    c.Label1 = label(&form, "Label1", 60, 1260, 3015, 195, Qt::AlignCenter);
    c.lstNumbers = control<QListWidget>(&form, c, {ControlId::lstNumbers, 0}, 60, 1500, 3015, 6105);
    // Every line holds as many numbers as the pick size, so one line's size serves for all: the
    // list lays out a hundred lines without measuring each.
    c.lstNumbers->setUniformItemSizes(true);
    c.cmdClearComb = button(&form, c, ControlId::cmdClearComb, 60, 7680, 3015, 315);
}

void buildRightColumn(QWidget& form, DrawletControls& c) {
    c.Label2 = label(&form, "Label2", 3180, 60, 6255, 255, Qt::AlignCenter);
    slider(&form, c, ControlId::HScroll1, 3180, 300, 6255);
    c.cmdPick = button(&form, c, ControlId::cmdPick, 3180, 600, 6255, 255);
    c.cmdPick->setToolTip(QStringLiteral("Use the slider control above to Pick randomly one, "
                                         "some, or use all the combination numbers."));

    c.Frame1 = place<QGroupBox>(&form, QStringLiteral("Frame1"), 3180, 960, 6255, 1335);
    c.Label3 = numbersLine(c.Frame1, c, ControlId::Label3, QColor(128, 0, 0));

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
    for (int start = 0; start < 2; ++start) {
        QRadioButton* widget = option(c.Frame4, c, {ControlId::Option1, start}, 300 + 540 * start,
                                      240, 495, c.autoFillStarts, start);
        widget->setText(QString::number(start));
        c.Option1[static_cast<std::size_t>(start)] = widget;
    }

    c.HScroll3 = slider(&form, c, ControlId::HScroll3, 3180, 3780, 6255);
    c.Command1 = button(&form, c, ControlId::Command1, 3180, 4080, 6255, 255);
    c.cmdClearBaseSet = button(&form, c, ControlId::cmdClearBaseSet, 3180, 4380, 6255, 255);

    c.Frame2 = place<QGroupBox>(&form, QStringLiteral("Frame2"), 3180, 4680, 6255, 1575);
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        c.txtSelNumbers[static_cast<std::size_t>(i)] = numberBox(
            c.Frame2, c, {ControlId::txtSelNumbers, i}, 120 + 300 * (i % 20), 240 + 240 * (i / 20));
    }

    c.Label6 = label(&form, "Label6", 3180, 6360, 1620, 195);
    c.Label6->setText(QStringLiteral("Type of Selection -"));
    c.selectionTypes = new QButtonGroup(&form);
    c.optExclusion = option(&form, c, {ControlId::optExclusion, 0}, 4860, 6360, 1095,
                            c.selectionTypes, static_cast<int>(SelectionType::Exclude));
    c.optInclusion = option(&form, c, {ControlId::optInclusion, 0}, 6060, 6360, 1095,
                            c.selectionTypes, static_cast<int>(SelectionType::Include));
    c.optNone = option(&form, c, {ControlId::optNone, 0}, 7200, 6360, 855, c.selectionTypes,
                       static_cast<int>(SelectionType::None));

    c.Frame3 = place<QGroupBox>(&form, QStringLiteral("Frame3"), 3180, 6660, 6255, 1335);
    c.Label5 = numbersLine(c.Frame3, c, ControlId::Label5, QColor(0, 0, 128));
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
    controls.cmdClear = button(&form, controls, ControlId::cmdClear, 60, 8100, 9375, 315);
    controls.cmdClear->setFont(verdana(9.75));
    chainTabOrder(controls);
    return controls;
}

QWidget* widgetFor(const DrawletControls& c, FocusTarget target) {
    const auto found = c.widgets.find({target.control, target.index});
    return found != c.widgets.end() ? found->second : nullptr;
}

} // namespace drawlet
