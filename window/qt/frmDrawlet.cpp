// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmDrawlet.h"

#include "AccessibleControls.h"
#include "ButtonKeys.h"
#include "Controls.h"
#include "DrawletRender.h"
#include "HeldKeys.h"
#include "Startup.h"
#include "TabOrder.h"

#include <QAccessible>
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
int modifiersOf(Qt::KeyboardModifiers held) {
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
    describeToAssistiveTools(controls_, state_);
    wireControls();
    repeatHeldKeysWithoutReleases();
}

// Returns whether the control took the input (see apply()).
bool frmDrawlet::run(const PlayerEvent& event) {
    const bool taken = apply(state_, history_, random_, event);
    const bool undone = std::holds_alternative<Undo>(event);
    if (taken && (undone || std::holds_alternative<Redo>(event))) {
        shown_.focusAgain();
        announcements_.historyStep(undone ? HistoryStep::Undone : HistoryStep::Redone);
    }
    render();
    return taken;
}

void frmDrawlet::render() {
    const QScopedValueRollback guard(rendering_, true);
    applyWrites(controls_, shown_.render(state_));
    if (const auto sentence = announcements_.rendered(state_, QAccessible::isActive())) {
        announcer_.announce(*sentence);
    }
}

void frmDrawlet::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        Form_Shown(state_);
        render();
    }
}

// The window's wiring, all of it: every control of the core's table gets the signals of its
// kind connected, and its events watched. Focus arrival and the keys have no signals, so the
// window watches the events of every control in the tab order; it sees them before a button's
// own Return handling does. The two result lines among them take the focus so their text can
// be selected and copied; they have no focus handling, but the focus has left the control that
// had it.
void frmDrawlet::wireControls() {
    for (const FocusTarget target : tabOrder()) {
        QWidget* widget = widgetFor(controls_, target);
        const ControlKind kind = controlRow(target.control)->kind;
        if (kind == ControlKind::Button) {
            pressOnReturn(static_cast<QPushButton*>(widget));
        }
        if (kind == ControlKind::Button || kind == ControlKind::Option) {
            connectButton(target);
        } else if (kind == ControlKind::Slider) {
            connectSlider(target.control);
        } else if (kind == ControlKind::BoxRow) {
            connectBox(target);
        }
        focusTargets_[widget] = target;
        widget->installEventFilter(this);
    }
}

void frmDrawlet::connectButton(FocusTarget button) {
    auto* widget = static_cast<QAbstractButton*>(widgetFor(controls_, button));
    const bool option = controlRow(button.control)->kind == ControlKind::Option;
    connect(widget, &QAbstractButton::clicked, this, [this, button, option] {
        if (button.control == ControlId::cmdPick) {
            announcements_.pickPressed();
        }
        // A clicked option shows itself checked already.
        if (option) {
            shown_.checked(button);
        }
        run(Clicked{button});
        if (button.control == ControlId::Option1) {
            tellValueRead(controls_.HScroll3);
        }
    });
}

// A box the player edited tells its new text; a text the box refuses is put back by render().
void frmDrawlet::connectBox(FocusTarget box) {
    auto* widget = static_cast<QLineEdit*>(widgetFor(controls_, box));
    connect(widget, &QLineEdit::textEdited, this, [this, box](const QString& text) {
        std::string edited = text.toStdString();
        shown_.edited(box, edited);
        run(TextEdited{box, std::move(edited)});
    });
}

// A move counts once it is complete: a step by arrow, track or key, or the release of a dragged
// thumb. While the thumb is dragged nothing happens.
void frmDrawlet::connectSlider(ControlId id) {
    auto* slider = static_cast<QScrollBar*>(widgetFor(controls_, {id, 0}));
    const auto moved = [this, id](int value) {
        shown_.moved(id, value);
        run(SliderMoved{id, value});
    };
    connect(slider, &QScrollBar::valueChanged, this, [slider, moved](int value) {
        if (!slider->isSliderDown()) {
            moved(value);
        }
    });
    connect(slider, &QScrollBar::sliderReleased, this, [slider, moved] { moved(slider->value()); });
}

// Each event of a watched control goes to the one place that handles it.
bool frmDrawlet::eventFilter(QObject* watched, QEvent* event) {
    const auto found = focusTargets_.find(watched);
    if (found == focusTargets_.end()) {
        return QWidget::eventFilter(watched, event);
    }
    const FocusTarget target = found->second;
    switch (event->type()) {
    case QEvent::FocusIn:
        focusIn(target, watched, static_cast<const QFocusEvent&>(*event));
        break;
    case QEvent::FocusOut:
        clickedBox_ = nullptr;
        break;
    case QEvent::ShortcutOverride:
        if (claimShortcut(static_cast<QKeyEvent&>(*event))) {
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
        if (pasteSelection(target, static_cast<const QMouseEvent&>(*event))) {
            return true;
        }
        break;
    case QEvent::MouseButtonPress:
        if (dropFocusingPress(watched)) {
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmDrawlet::focusIn(FocusTarget target, const QObject* watched, const QFocusEvent& event) {
    if (isBox(target) && event.reason() == Qt::MouseFocusReason) {
        clickedBox_ = watched;
    }
    focusArrived(target);
}

// A box claims the keys of the edit commands for its own undo and paste; they are the window's.
bool frmDrawlet::claimShortcut(QKeyEvent& event) {
    if (editCommandOf(event) == EditCommand::None) {
        return false;
    }
    event.accept();
    return true;
}

// The middle button pastes the text selected anywhere on the desktop, where it has one.
bool frmDrawlet::pasteSelection(FocusTarget target, const QMouseEvent& event) {
    if (!isBox(target) || event.button() != Qt::MiddleButton ||
        !QGuiApplication::clipboard()->supportsSelection()) {
        return false;
    }
    run(Pasted{target, clipboardText(QClipboard::Selection)});
    return true;
}

// A click into a box gives it the focus before the press arrives, and the box's focus handling
// selects its whole text. The press itself would put the caret under the pointer, so the press
// that brought the focus is dropped.
bool frmDrawlet::dropFocusingPress(const QObject* watched) {
    if (watched != clickedBox_) {
        return false;
    }
    clickedBox_ = nullptr;
    return true;
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
    return !run(KeyPressed{control, keyCodeOf(event.key()), modifiersOf(event.modifiers()),
                           characterOf(event)});
}

// A held key repeats its press; only the real release counts (see HeldKeys.h for the releases
// an X server sends with the repeats).
void frmDrawlet::keyReleased(FocusTarget control, const QKeyEvent& event) {
    if (!event.isAutoRepeat()) {
        run(KeyReleased{control, keyCodeOf(event.key()), modifiersOf(event.modifiers())});
    }
}

// Undo, redo and paste by their keys. Returns false for any other key, and for the paste keys
// outside the boxes, which have nothing to paste into.
bool frmDrawlet::editCommand(FocusTarget control, const QKeyEvent& event) {
    const int keyCode = keyCodeOf(event.key());
    const int held = modifiersOf(event.modifiers());
    switch (editCommandOf(event)) {
    case EditCommand::Undo:
        run(Undo{keyCode, held});
        return true;
    case EditCommand::Redo:
        run(Redo{keyCode, held});
        return true;
    case EditCommand::Paste:
        if (isBox(control)) {
            run(Pasted{control, clipboardText(QClipboard::Clipboard), keyCode, held});
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
    // The line edit names each action of its menu by what it does, whatever language the
    // captions are in.
    for (QAction* action : menu->actions()) {
        const QString does = action->objectName();
        if (does == QLatin1String("edit-undo")) {
            reroute(action, history_.undoSteps() > 0, Undo{});
        } else if (does == QLatin1String("edit-redo")) {
            reroute(action, history_.redoSteps() > 0, Redo{});
        } else if (does == QLatin1String("edit-paste")) {
            reroute(action, action->isEnabled(), Pasted{box, clipboardText(QClipboard::Clipboard)});
        }
    }
    menu->popup(at);
}

} // namespace drawlet
