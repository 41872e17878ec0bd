// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window "Drawlet Exclusion / Inclusion Selector".
//
// A Qt event (key, edited text, click, focus arrival, completed slider move) is translated once
// into the core's PlayerEvent and handed to apply(); then render() applies the view's writes to
// the widgets, signals blocked, and never calls back into the core. The window decides nothing
// about numbers, captions, keys, where the focus goes next or what changed since the last
// render: the core and the view do (FormView.h), and the window applies what they decided.
// Which widget is which control comes from the form's table (FormPlaces.h) and the core's table
// of controls (Controls.h); the wiring reads them in one place, wireControls().
//
// It keeps no truth of its own beyond the bookkeeping needed to apply the state:
// - what the view last gave it, and what the player changed by hand since (the view's
//   ShownForm), so that it writes (and a screen reader hears) only what changed;
// - what a screen reader was last told (the view's Announcements);
// - whether it is rendering (focus events it causes itself are not the player's);
// - which box got the focus by a mouse press not yet seen (that press must not move the caret);
// - whether it was shown once (the start-up steps that wait for the first showing).
// The undo history lives beside the state; Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y and every way of pasting
// into a box go to the core as its own events, wherever the focus is, so the boxes' own undo and
// paste never run.

#include "Announcements.h"
#include "DrawletControls.h"
#include "FormView.h"
#include "PlayerEvents.h"
#include "RandomSource.h"
#include "ResultAnnouncer.h"
#include "SelectorState.h"

#include <QWidget>
#include <unordered_map>

class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace drawlet {

class frmDrawlet : public QWidget {
    Q_OBJECT
public:
    // Builds the controls with their design-time values and runs start-up. The random source
    // must outlive the window.
    explicit frmDrawlet(RandomSource& random, QWidget* parent = nullptr);

    const SelectorState& state() const { return state_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool run(const PlayerEvent& event);
    void render();

    void wireControls();
    void connectButton(FocusTarget button);
    void connectBox(FocusTarget box);
    void connectSlider(ControlId slider);

    void focusIn(FocusTarget target, const QObject* watched, const QFocusEvent& event);
    bool claimShortcut(QKeyEvent& event);
    bool pasteSelection(FocusTarget target, const QMouseEvent& event);
    bool dropFocusingPress(const QObject* watched);
    void focusArrived(FocusTarget target);
    bool keyPressed(FocusTarget control, const QKeyEvent& event);
    void keyReleased(FocusTarget control, const QKeyEvent& event);
    bool editCommand(FocusTarget control, const QKeyEvent& event);
    void showBoxMenu(FocusTarget box, QLineEdit* widget, const QPoint& at);

    SelectorState state_;
    UndoHistory history_;
    RandomSource& random_;
    DrawletControls controls_;
    view::ShownForm shown_; // what render() last wrote into the widgets
    view::Announcements announcements_;
    ResultAnnouncer announcer_{*this};
    std::unordered_map<QObject*, FocusTarget> focusTargets_;
    const QObject* clickedBox_ = nullptr; // a box that got the focus by a press not yet seen
    bool rendering_ = false;
    bool shownOnce_ = false;
};

} // namespace drawlet
