// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmDrawlet.h"

#include "AccessibleControls.h"
#include "DrawletRender.h"
#include "HeldKeys.h"
#include "Startup.h"
#include "TabOrder.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <utility>
#include <variant>

namespace drawlet {
namespace {

bool isBox(FocusTarget target) {
    return target.control == ControlId::txtNumber || target.control == ControlId::txtSelNumbers;
}

// The core's key code for a Qt key: digits and letters share their codes, Shift+Tab is Tab
// with Shift held, and a key the core has no name for is 0.
int keyCodeOf(int qtKey) {
    static const std::unordered_map<int, int> named = {
        {Qt::Key_Backspace, keys::Backspace}, {Qt::Key_Tab, keys::Tab},
        {Qt::Key_Backtab, keys::Tab},         {Qt::Key_Return, keys::Return},
        {Qt::Key_Enter, keys::Return},        {Qt::Key_Shift, keys::Shift},
        {Qt::Key_Control, keys::Control},     {Qt::Key_Alt, keys::Alt},
        {Qt::Key_AltGr, keys::Alt},           {Qt::Key_Escape, keys::Escape},
        {Qt::Key_Left, keys::Left},           {Qt::Key_Up, keys::Up},
        {Qt::Key_Right, keys::Right},         {Qt::Key_Down, keys::Down},
        {Qt::Key_Delete, keys::Delete}};
    if (const auto found = named.find(qtKey); found != named.end()) {
        return found->second;
    }
    return qtKey >= Qt::Key_Space && qtKey <= Qt::Key_Z ? qtKey : 0;
}

// The modifiers held, as the core adds them up.
int shiftOf(Qt::KeyboardModifiers held) {
    return (held.testFlag(Qt::ShiftModifier) ? modifiers::Shift : 0) |
           (held.testFlag(Qt::ControlModifier) ? modifiers::Control : 0) |
           (held.testFlag(Qt::AltModifier) ? modifiers::Alt : 0);
}

// The character a key types. Qt gives Tab, Backtab and Delete a control character as their
// text, but they move the focus or edit: they type none.
int characterOf(const QKeyEvent& event) {
    const int key = event.key();
    if (event.text().isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
        key == Qt::Key_Delete) {
        return 0;
    }
    return event.text().at(0).unicode();
}

enum class EditCommand { None, Undo, Redo, Paste };

// The edit command a key makes, wherever the focus is: Ctrl+Z undoes, Ctrl+Shift+Z and Ctrl+Y
// redo, and the desktop's paste keys (Ctrl+V, Shift+Insert) paste. The desktop's other undo and
// redo keys (Alt+Backspace ...) are taken too, so a box's own undo can never run.
EditCommand editCommandOf(const QKeyEvent& event) {
    const QKeyCombination pressed = event.keyCombination();
    if (pressed == (Qt::CTRL | Qt::Key_Z) || event.matches(QKeySequence::Undo)) {
        return EditCommand::Undo;
    }
    if (pressed == (Qt::CTRL | Qt::SHIFT | Qt::Key_Z) || pressed == (Qt::CTRL | Qt::Key_Y) ||
        event.matches(QKeySequence::Redo)) {
        return EditCommand::Redo;
    }
    return event.matches(QKeySequence::Paste) ? EditCommand::Paste : EditCommand::None;
}

std::string clipboardText(QClipboard::Mode mode) {
    return QGuiApplication::clipboard()->text(mode).toStdString();
}

} // namespace

frmDrawlet::frmDrawlet(RandomSource& random, QWidget* parent)
    : QWidget(parent), random_(random), controls_(buildControls(*this)) {
    // Start-up runs before the window is first shown, so the design-time texts it replaces
    // never reach the widgets.
    Form_Load(state_, random_);
    render();
    connectControls();
    watchControls();
    describeToAssistiveTools(controls_, state_);
    repeatHeldKeysWithoutReleases();
}

// Returns whether the control took the input (see apply()).
bool frmDrawlet::run(const PlayerEvent& event) {
    const bool taken = apply(state_, history_, random_, event);
    const bool undone = std::holds_alternative<Undo>(event);
    if (taken && (undone || std::holds_alternative<Redo>(event))) {
        focusAgain_ = true;
        announcer_.historyStep(undone ? HistoryStep::Undone : HistoryStep::Redone);
    }
    render();
    return taken;
}

void frmDrawlet::render() {
    const QScopedValueRollback guard(rendering_, true);
    renderState(controls_, state_, shown_);
    if (std::exchange(focusAgain_, false) || state_.focusMoves != appliedFocusMoves_) {
        appliedFocusMoves_ = state_.focusMoves;
        applyFocus(controls_, state_);
    }
    announcer_.rendered(state_);
}

void frmDrawlet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        Form_Shown(state_);
        render();
    }
}

// Every signal the window handles, each turned into the handler its control names.
void frmDrawlet::connectControls() {
    const DrawletControls& c = controls_;
    for (const ControlId id :
         {ControlId::cmdPick, ControlId::cmdClearComb, ControlId::cmdClear,
          ControlId::cmdClearBaseSet, ControlId::Command1, ControlId::optExclusion,
          ControlId::optInclusion, ControlId::optNone}) {
        connectButton({id, 0});
    }
    connectButton({ControlId::Option1, 0});
    connectButton({ControlId::Option1, 1});

    connectSlider(c.HScroll1, SliderId::HScroll1);
    connectSlider(c.HScroll2, SliderId::HScroll2);
    connectSlider(c.HScroll3, SliderId::HScroll3);

    for (int i = 0; i < kEntryBoxes; ++i) {
        connectBox({ControlId::txtNumber, i});
    }
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        connectBox({ControlId::txtSelNumbers, i});
    }
}

void frmDrawlet::connectButton(FocusTarget button) {
    auto* widget = static_cast<QAbstractButton*>(widgetFor(controls_, button));
    connect(widget, &QAbstractButton::clicked, this, [this, button] {
        if (button.control == ControlId::cmdPick) {
            announcer_.pickPressed();
        }
        run(Clicked{button});
    });
}

// A box the player edited tells its new text; a text the box refuses is put back by render().
void frmDrawlet::connectBox(FocusTarget box) {
    auto* widget = static_cast<QLineEdit*>(widgetFor(controls_, box));
    connect(widget, &QLineEdit::textEdited, this, [this, box](const QString& text) {
        shown_.edited(box);
        run(TextEdited{box, text.toStdString()});
    });
}

// A move counts once it is complete: a step by arrow, track or key, or the release of a dragged
// thumb. While the thumb is dragged nothing happens.
void frmDrawlet::connectSlider(QScrollBar* slider, SliderId id) {
    const auto moved = [this, id](int value) { run(SliderMoved{id, value}); };
    connect(slider, &QScrollBar::valueChanged, this, [slider, moved](int value) {
        if (!slider->isSliderDown()) {
            moved(value);
        }
    });
    connect(slider, &QScrollBar::sliderReleased, this, [slider, moved] { moved(slider->value()); });
}

// Focus arrival and the keys have no signals; the window watches the events of every control
// in the tab order. The two result lines among them take the focus so their text can be
// selected and copied; they have no focus handling, but the focus has left the control that
// had it.
void frmDrawlet::watchControls() {
    for (const FocusTarget target : tabOrder()) {
        QWidget* control = widgetFor(controls_, target);
        focusTargets_[control] = target;
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
    case QEvent::ShortcutOverride:
        // A box claims these keys for its own undo and paste; they are the window's.
        if (editCommandOf(static_cast<const QKeyEvent&>(*event)) != EditCommand::None) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (editCommand(target, static_cast<const QKeyEvent&>(*event))) {
            return true;
        }
        return keyPressed(target, static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        keyReleased(target, static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::ContextMenu:
        if (isBox(target)) {
            showBoxMenu(target, static_cast<QLineEdit*>(watched),
                        static_cast<const QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the text selected anywhere on the desktop, where it has one.
        if (isBox(target) && static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection()) {
            run(Pasted{target, clipboardText(QClipboard::Selection)});
            return true;
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
    run(FocusArrived{target});
}

// Every key goes to the core, whichever control has it: a Tab press anywhere starts the Tab
// rule. Returns true when the key filter swallowed the character.
bool frmDrawlet::keyPressed(FocusTarget control, const QKeyEvent& event) {
    return !run(KeyPressed{control, keyCodeOf(event.key()), shiftOf(event.modifiers()),
                           characterOf(event)});
}

// A held key repeats its press; only the real release counts (see HeldKeys.h for the releases
// an X server sends with the repeats).
void frmDrawlet::keyReleased(FocusTarget control, const QKeyEvent& event) {
    if (!event.isAutoRepeat()) {
        run(KeyReleased{control, keyCodeOf(event.key()), shiftOf(event.modifiers())});
    }
}

// Undo, redo and paste by their keys. Returns false for any other key, and for the paste keys
// outside the boxes, which have nothing to paste into.
bool frmDrawlet::editCommand(FocusTarget control, const QKeyEvent& event) {
    const int keyCode = keyCodeOf(event.key());
    const int shift = shiftOf(event.modifiers());
    switch (editCommandOf(event)) {
    case EditCommand::Undo:
        run(Undo{keyCode, shift});
        return true;
    case EditCommand::Redo:
        run(Redo{keyCode, shift});
        return true;
    case EditCommand::Paste:
        if (isBox(control)) {
            run(Pasted{control, clipboardText(QClipboard::Clipboard), keyCode, shift});
            return true;
        }
        return false;
    case EditCommand::None:
        break;
    }
    return false;
}

// The box's own menu, with its Undo, Redo and Paste doing what the keys do.
void frmDrawlet::showBoxMenu(FocusTarget box, QLineEdit* widget, const QPoint& at) {
    QMenu* menu = widget->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto reroute = [this](QAction* action, bool enabled, const PlayerEvent& event) {
        action->disconnect();
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, event] { run(event); });
    };
    for (QAction* action : menu->actions()) {
        const QString text = action->text();
        if (text.startsWith(QLineEdit::tr("&Undo"))) {
            reroute(action, history_.undoSteps() > 0, Undo{});
        } else if (text.startsWith(QLineEdit::tr("&Redo"))) {
            reroute(action, history_.redoSteps() > 0, Redo{});
        } else if (text.startsWith(QLineEdit::tr("&Paste"))) {
            reroute(action, action->isEnabled(), Pasted{box, clipboardText(QClipboard::Clipboard)});
        }
    }
    menu->popup(at);
}

} // namespace drawlet
