// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DrawletControls.h"

#include "FormPlaces.h"
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
#include <span>
#include <string>

namespace drawlet {
namespace {

// Qt measures in device-independent pixels, which are the design's 96 to the inch.
int pixels(int twips) {
    return view::pixels(twips, view::kDesignDpi);
}

QFont designFont(double points) {
    QFont font(QString::fromStdString(view::form().fontFace));
    font.setPointSizeF(points);
    // Where Verdana is missing, fall back to the system's nearest sans face rather than
    // whatever the font database lists first.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

Qt::Alignment alignmentOf(const view::Piece& piece) {
    const Qt::Alignment across =
        piece.align == view::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    return across | (piece.topAligned ? Qt::AlignTop : Qt::AlignVCenter);
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

QLabel* label(QWidget* container, const view::Piece& piece) {
    auto* widget = new QLabel(container);
    widget->setAlignment(alignmentOf(piece));
    if (piece.wordWrap) {
        widget->setWordWrap(true);
    }
    if (piece.target.control != ControlId::None) {
        // A result line the player can select and copy: selectable labels take the focus only
        // by click, and the keyboard must reach them too.
        widget->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        widget->setFocusPolicy(Qt::StrongFocus);
    }
    if (piece.textColour) {
        keepReadable(widget, *piece.textColour);
    }
    return widget;
}

QLineEdit* numberBox(QWidget* container, const DrawletControls& c, const view::Piece& piece) {
    auto* widget = new QLineEdit(container);
    widget->setMaxLength(2);
    widget->setAlignment(alignmentOf(piece));
    widget->setValidator(c.digitsOnly);
    // A box is 21 pixels wide: the style's frame and inner margin would leave less room than
    // two digits need, so the text may use the inner margin.
    widget->setTextMargins(-2, -1, -2, -1);
    return widget;
}

QScrollBar* slider(QWidget* container) {
    auto* widget = new QScrollBar(container);
    widget->setOrientation(Qt::Horizontal);
    widget->setFocusPolicy(Qt::StrongFocus);
    // A scroll bar reverses its keys by default (Right lowers a horizontal one); here Right,
    // Up and Page Up raise the value, as on a slider.
    widget->setInvertedControls(false);
    return widget;
}

QListWidget* combinationList(QWidget* container) {
    auto* widget = new QListWidget(container);
    // Every line holds as many numbers as the pick size, so one line's size serves for all: the
    // list lays out a hundred lines without measuring each.
    widget->setUniformItemSizes(true);
    return widget;
}

QPushButton* button(QWidget* container) {
    auto* widget = new QPushButton(container);
    widget->setAutoDefault(false);
    return widget;
}

// Each set of option buttons has a group of its own (the types of selection, the auto-fill
// starts), made with its first button; a button's id is its type, or its start.
QRadioButton* option(QWidget& form, QWidget* container, DrawletControls& c, FocusTarget target) {
    auto* widget = new QRadioButton(container);
    QButtonGroup*& group =
        target.control == ControlId::Option1 ? c.autoFillStarts : c.selectionTypes;
    if (group == nullptr) {
        group = new QButtonGroup(&form);
    }
    int id = target.index;
    if (target.control == ControlId::optInclusion) {
        id = static_cast<int>(SelectionType::Include);
    } else if (target.control == ControlId::optNone) {
        id = static_cast<int>(SelectionType::None);
    } else if (target.control == ControlId::optExclusion) {
        id = static_cast<int>(SelectionType::Exclude);
    }
    group->addButton(widget, id);
    return widget;
}

QWidget* widgetOfKind(QWidget& form, QWidget* container, DrawletControls& c,
                      const view::Piece& piece) {
    switch (piece.kind) {
    case view::PieceKind::Label:
        return label(container, piece);
    case view::PieceKind::Frame:
        return new QGroupBox(container);
    case view::PieceKind::TextBox:
        return numberBox(container, c, piece);
    case view::PieceKind::List:
        return combinationList(container);
    case view::PieceKind::HScroll:
        return slider(container);
    case view::PieceKind::Option:
        return option(form, container, c, piece.target);
    case view::PieceKind::Button:
        return button(container);
    }
    return nullptr;
}

// What the table fixes and every kind shares: name, place, caption, font, tool tip and the name
// a screen reader reads.
void describe(QWidget* widget, const view::Piece& piece) {
    widget->setObjectName(QString::fromStdString(piece.name));
    const view::Twips& at = piece.place;
    widget->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
    if (!piece.caption.empty()) {
        const QString caption = QString::fromStdString(piece.caption);
        if (auto* shows = qobject_cast<QLabel*>(widget)) {
            shows->setText(caption);
        } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            frame->setTitle(caption);
        } else if (auto* pressed = qobject_cast<QAbstractButton*>(widget)) {
            pressed->setText(caption);
        }
    }
    if (!piece.readsAs.empty()) {
        widget->setAccessibleName(QString::fromStdString(piece.readsAs));
    }
    if (!piece.toolTip.empty()) {
        widget->setToolTip(QString::fromStdString(piece.toolTip));
    }
    if (piece.fontPoints > 0 || piece.underlined) {
        QFont font = piece.fontPoints > 0 ? designFont(piece.fontPoints) : widget->font();
        font.setUnderline(piece.underlined);
        widget->setFont(font);
    }
}

// The widgets the rest of the window reaches by name.
void keep(DrawletControls& c, const view::Piece& piece, QWidget* widget) {
    const FocusTarget target = piece.target;
    if (target.control != ControlId::None) {
        c.widgets[{target.control, target.index}] = widget;
    }
    const auto index = static_cast<std::size_t>(target.index);
    switch (target.control) {
    case ControlId::txtNumber:
        c.txtNumber.at(index) = static_cast<QLineEdit*>(widget);
        break;
    case ControlId::txtSelNumbers:
        c.txtSelNumbers.at(index) = static_cast<QLineEdit*>(widget);
        break;
    case ControlId::lstNumbers:
        c.lstNumbers = static_cast<QListWidget*>(widget);
        break;
    case ControlId::HScroll2:
        c.HScroll2 = static_cast<QScrollBar*>(widget);
        break;
    case ControlId::HScroll3:
        c.HScroll3 = static_cast<QScrollBar*>(widget);
        break;
    case ControlId::optExclusion:
        c.optExclusion = static_cast<QRadioButton*>(widget);
        break;
    case ControlId::optInclusion:
        c.optInclusion = static_cast<QRadioButton*>(widget);
        break;
    case ControlId::optNone:
        c.optNone = static_cast<QRadioButton*>(widget);
        break;
    default:
        break;
    }
    if (piece.name == "Label6") {
        c.Label6 = static_cast<QLabel*>(widget);
    } else if (piece.name == "Frame2") {
        c.Frame2 = static_cast<QGroupBox*>(widget);
    }
    for (std::size_t i = 0; i < view::kCaptions; ++i) {
        if (piece.name == view::captionName(static_cast<view::Caption>(i))) {
            c.captions[i] = widget;
        }
    }
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
    const view::Form& design = view::form();
    form.setObjectName(QString::fromStdString(design.name));
    form.setWindowTitle(QString::fromStdString(design.caption));
    form.setFixedSize(pixels(design.clientWidth), pixels(design.clientHeight));
    form.setFont(designFont(design.fontPoints));

    DrawletControls controls;
    controls.digitsOnly = new TwoDigitValidator(&form);
    // The table lists a frame before what it holds.
    std::map<std::string, QWidget*, std::less<>> frames;
    for (const view::Piece& piece : view::formPieces()) {
        QWidget* container = piece.container.empty() ? &form : frames.at(piece.container);
        QWidget* widget = widgetOfKind(form, container, controls, piece);
        describe(widget, piece);
        if (piece.kind == view::PieceKind::Frame) {
            frames[piece.name] = widget;
        }
        keep(controls, piece, widget);
    }
    chainTabOrder(controls);
    return controls;
}

QWidget* widgetFor(const DrawletControls& c, FocusTarget target) {
    const auto found = c.widgets.find({target.control, target.index});
    return found != c.widgets.end() ? found->second : nullptr;
}

} // namespace drawlet
