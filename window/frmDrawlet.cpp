// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmDrawlet.h"

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "ClearCommands.h"
#include "CombinationEntry.h"
#include "CombinationReset.h"
#include "DrawletRender.h"
#include "PlayNumbers.h"
#include "RandomPick.h"
#include "Startup.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <cstdint>

namespace drawlet {
namespace {

bool isBox(FocusTarget target) {
    return target.control == ControlId::txtNumber || target.control == ControlId::txtSelNumbers;
}

// The shift state a KeyUp handler receives: 1 for Shift, 2 for Ctrl, 4 for Alt.
int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace

frmDrawlet::frmDrawlet(RandomSource& random, QWidget* parent)
    : QWidget(parent), random_(random), controls_(buildControls(*this)) {
    // Start-up runs before the window is first shown, so the design-time texts it replaces
    // never reach the widgets.
    run([this](SelectorState& state) { Form_Load(state, random_); });
    connectControls();
    watchControls();
}

template <class Handler>
void frmDrawlet::run(Handler&& handler) {
    handler(state_);
    render();
}

void frmDrawlet::render() {
    {
        const QScopedValueRollback guard(rendering_, true);
        renderState(controls_, state_);
        if (state_.focusMoves != appliedFocusMoves_) {
            appliedFocusMoves_ = state_.focusMoves;
            applyFocus(controls_, state_);
        }
    }
    followFocusMovedByQt();
}

// Hiding the control that holds the focus makes Qt pass the focus along the tab chain. The
// control that received it gets its focus handling, as if the player had tabbed there.
void frmDrawlet::followFocusMovedByQt() {
    const QWidget* expected = widgetFor(controls_, state_.focus);
    if (expected == nullptr || expected->isVisibleTo(this)) {
        return;
    }
    const auto found = focusTargets_.find(focusWidget());
    if (found != focusTargets_.end() && found->second != state_.focus) {
        focusArrived(found->second);
    }
}

void frmDrawlet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        run(Form_Shown);
    }
}

// Every signal the window handles, each turned into the handler its control names.
void frmDrawlet::connectControls() {
    const DrawletControls& c = controls_;
    const auto onClick = [this](QAbstractButton* button, auto handler) {
        connect(button, &QAbstractButton::clicked, this, [this, handler] { run(handler); });
    };
    onClick(c.cmdPick, [this](SelectorState& state) { cmdPick_Click(state, random_); });
    onClick(c.cmdClearComb, cmdClearComb_Click);
    onClick(c.cmdClear, cmdClear_Click);
    onClick(c.cmdClearBaseSet, cmdClearBaseSet_Click);
    onClick(c.Command1, Command1_Click);
    for (const SelectionType type :
         {SelectionType::Exclude, SelectionType::Include, SelectionType::None}) {
        onClick(c.selectionTypes->button(static_cast<int>(type)),
                [type](SelectorState& state) { chooseTypeOfSelection(state, type); });
    }
    for (const int index : {0, 1}) {
        onClick(c.Option1[static_cast<std::size_t>(index)],
                [index](SelectorState& state) { chooseAutoFillStart(state, index); });
    }

    connectSlider(c.HScroll1, SliderId::HScroll1);
    connectSlider(c.HScroll2, SliderId::HScroll2);
    connectSlider(c.HScroll3, SliderId::HScroll3);

    for (int i = 0; i < kEntryBoxes; ++i) {
        connect(c.txtNumber[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, i](const QString& text) {
                    boxEdited({ControlId::txtNumber, i}, text);
                });
    }
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        connect(c.txtSelNumbers[static_cast<std::size_t>(i)], &QLineEdit::textEdited, this,
                [this, i](const QString& text) {
                    boxEdited({ControlId::txtSelNumbers, i}, text);
                });
    }
}

// A move counts once it is complete: a step by arrow, track or key, or the release of a dragged
// thumb. While the thumb is dragged nothing happens.
void frmDrawlet::connectSlider(QScrollBar* slider, SliderId id) {
    const auto moved = [this, id](int value) {
        run([id, value](SelectorState& state) { moveSlider(state, id, value); });
    };
    connect(slider, &QScrollBar::valueChanged, this, [slider, moved](int value) {
        if (!slider->isSliderDown()) {
            moved(value);
        }
    });
    connect(slider, &QScrollBar::sliderReleased, this, [slider, moved] { moved(slider->value()); });
}

// Focus arrival and the keys of the boxes have no signals; the window watches their events.
void frmDrawlet::watchControls() {
    const DrawletControls& c = controls_;
    for (int i = 0; i < kEntryBoxes; ++i) {
        focusTargets_[c.txtNumber[static_cast<std::size_t>(i)]] = {ControlId::txtNumber, i};
    }
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        focusTargets_[c.txtSelNumbers[static_cast<std::size_t>(i)]] = {ControlId::txtSelNumbers, i};
    }
    focusTargets_[c.Option1[0]] = {ControlId::Option1, 0};
    focusTargets_[c.Option1[1]] = {ControlId::Option1, 1};
    for (const ControlId id :
         {ControlId::lstNumbers, ControlId::HScroll1, ControlId::HScroll2, ControlId::HScroll3,
          ControlId::cmdPick, ControlId::cmdClearComb, ControlId::cmdClear,
          ControlId::cmdClearBaseSet, ControlId::Command1, ControlId::optExclusion,
          ControlId::optInclusion, ControlId::optNone}) {
        focusTargets_[widgetFor(c, {id, 0})] = {id, 0};
    }
    // The two result lines take the focus so their text can be selected and copied; they have
    // no focus handling, but the focus has left the control that had it.
    focusTargets_[c.Label3] = {ControlId::None, 0};
    focusTargets_[c.Label5] = {ControlId::None, 0};

    for (const auto& [control, target] : focusTargets_) {
        control->installEventFilter(this);
    }
}

bool frmDrawlet::eventFilter(QObject* watched, QEvent* event) {
    const auto found = focusTargets_.find(watched);
    if (found == focusTargets_.end()) {
        return QWidget::eventFilter(watched, event);
    }
    const FocusTarget target = found->second;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (isBox(target) &&
            static_cast<const QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            clickedBox_ = watched;
        }
        focusArrived(target);
        break;
    case QEvent::FocusOut:
        clickedBox_ = nullptr;
        break;
    case QEvent::KeyPress:
        if (isBox(target)) {
            return boxKeyPress(target, static_cast<const QKeyEvent&>(*event));
        }
        break;
    case QEvent::KeyRelease:
        if (isBox(target)) {
            boxKeyRelease(target, static_cast<const QKeyEvent&>(*event));
        }
        break;
    case QEvent::MouseButtonPress:
        // A click into a box gives it the focus before the press arrives, and the box's focus
        // handling selects its whole text. The press itself would put the caret under the
        // pointer, so the press that brought the focus is dropped.
        if (watched == clickedBox_) {
            clickedBox_ = nullptr;
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Focus the window moves itself while rendering is already in the state, and so is focus that
// comes back to the control that had it when the window is activated again.
void frmDrawlet::focusArrived(FocusTarget target) {
    if (rendering_ || target == state_.focus) {
        return;
    }
    run([target](SelectorState& state) { focusControl(state, target); });
}

// Returns true when the key filter swallowed the character.
bool frmDrawlet::boxKeyPress(FocusTarget box, const QKeyEvent& event) {
    // Tab moves the focus and Delete edits; neither is a typed character.
    if (event.text().isEmpty() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab ||
        event.key() == Qt::Key_Delete) {
        return false;
    }
    auto keyAscii = static_cast<std::int16_t>(event.text().at(0).unicode());
    run([box, &keyAscii](SelectorState& state) {
        if (box.control == ControlId::txtNumber) {
            txtNumber_KeyPress(state, box.index, keyAscii);
        } else {
            txtSelNumbers_KeyPress(state, box.index, keyAscii);
        }
    });
    return keyAscii == 0;
}

// A held key sends repeated presses and releases; only the real release counts. The press of
// Tab has already moved the focus, and its release lands in the box it moved to: were that box
// finished, its release would send the focus straight on, and the keyboard could never leave a
// filled base set or go back to a finished entry box.
void frmDrawlet::boxKeyRelease(FocusTarget box, const QKeyEvent& event) {
    if (event.isAutoRepeat() || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        return;
    }
    const int key = event.key();
    const int shift = shiftState(event.modifiers());
    run([this, box, key, shift](SelectorState& state) {
        if (box.control == ControlId::txtNumber) {
            txtNumber_KeyUp(state, random_, box.index, key, shift);
        } else {
            txtSelNumbers_KeyUp(state, box.index, key, shift);
        }
    });
}

void frmDrawlet::boxEdited(FocusTarget box, const QString& text) {
    const std::string edited = text.toStdString();
    const bool taken = box.control == ControlId::txtNumber
                           ? editEntryBox(state_, box.index, edited)
                           : editBaseSetBox(state_, box.index, edited);
    if (!taken) {
        // The box refused the text: show the one it kept.
        auto* widget = static_cast<QLineEdit*>(widgetFor(controls_, box));
        const QSignalBlocker blocker(widget);
        widget->setText(QString::fromStdString(
            box.control == ControlId::txtNumber
                ? state_.txtNumber[static_cast<std::size_t>(box.index)].text
                : state_.txtSelNumbers[static_cast<std::size_t>(box.index)].text));
    }
}

} // namespace drawlet
