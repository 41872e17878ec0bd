// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AccessibleControls.h"

#include "FormView.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

namespace drawlet {
namespace {

// A slider that reads as its caption shows (the view's sliderReadsAs).
class CaptionValueSlider final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    CaptionValueSlider(QScrollBar* slider, ControlId id, const SelectorState& state)
        : QAccessibleWidget(slider, QAccessible::ScrollBar), id_(id), state_(state) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Value) {
            return QString::number(shown(slider()->value()));
        }
        return QAccessibleWidget::text(which);
    }

    QVariant currentValue() const override { return shown(slider()->value()); }
    // What it reads as is the value moved by a fixed amount; measured at the top of the range,
    // where no reading is held at zero.
    void setCurrentValue(const QVariant& value) override {
        const int top = slider()->maximum();
        slider()->setValue(value.toInt() - (shown(top) - top));
    }
    QVariant maximumValue() const override { return shown(slider()->maximum()); }
    QVariant minimumValue() const override { return shown(slider()->minimum()); }
    QVariant minimumStepSize() const override { return slider()->singleStep(); }

private:
    QScrollBar* slider() const { return static_cast<QScrollBar*>(widget()); }
    int shown(int value) const { return view::sliderReadsAs(state_, id_, value); }

    ControlId id_;
    const SelectorState& state_;
};

// One of the types of selection, labelled by the caption in front of the three.
class LabelledOption final : public QAccessibleWidget {
public:
    LabelledOption(QRadioButton* option, QLabel* caption)
        : QAccessibleWidget(option, QAccessible::RadioButton), caption_(caption) {}

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return option()->text();
        }
        return QAccessibleWidget::text(which);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label) {
            found.append({QAccessible::queryAccessibleInterface(caption_), QAccessible::Label});
        }
        return found;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            option()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }

    QLabel* caption_;
};

// Qt made an interface for every widget as it was built; the new one takes its place.
void replaceInterface(QAccessibleInterface* replacement) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(replacement->object())) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
    QAccessible::registerAccessibleInterface(replacement);
}

} // namespace

void describeToAssistiveTools(const DrawletControls& c, const SelectorState& state) {
    replaceInterface(new CaptionValueSlider(c.HScroll2, ControlId::HScroll2, state));
    replaceInterface(new CaptionValueSlider(c.HScroll3, ControlId::HScroll3, state));
    for (QRadioButton* option : {c.optExclusion, c.optInclusion, c.optNone}) {
        replaceInterface(new LabelledOption(option, c.Label6));
    }
}

void tellValueRead(QScrollBar* slider) {
    QAccessibleValueChangeEvent changed(
        slider, QAccessible::queryAccessibleInterface(slider)->valueInterface()->currentValue());
    QAccessible::updateAccessibility(&changed);
}

} // namespace drawlet
