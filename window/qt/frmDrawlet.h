// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window "Drawlet Exclusion / Inclusion Selector".
//
// A Qt event (key, edited text, click, focus arrival, completed slider move) is translated once
// into the core's PlayerEvent and handed to apply(); then render() copies what changed into the
// widgets, signals blocked, and never calls back into the core. The window decides nothing about
// numbers, captions, keys or where the focus goes next: the core does, and the focus it records
// is applied here. Which widget is which control comes from the core's table of controls
// (Controls.h); the wiring reads it in one place, wireControls().
//
// It keeps no truth of its own beyond the bookkeeping needed to apply the state:
// - which focus move it last applied, and whether an undo or redo asks to set the focus again;
// - whether it is rendering (focus events it causes itself are not the player's);
// - what render() last wrote into each text, so that it writes (and a screen reader hears) only
//   what changed;
// - which box got the focus by a mouse press not yet seen (that press must not move the caret);
// - whether it was shown once (the start-up steps that wait for the first showing).
// The undo history lives beside the state; Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y and every way of pasting
// into a box go to the core as its own events, wherever the focus is, so the boxes' own undo and
// paste never run.

#include "DrawletControls.h"
#include "DrawletRender.h"
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
    ShownTexts shown_; // what render() last wrote into the widgets
    ResultAnnouncer announcer_{*this};
    std::unordered_map<QObject*, FocusTarget> focusTargets_;
    unsigned appliedFocusMoves_ = 0;
    const QObject* clickedBox_ = nullptr; // a box that got the focus by a press not yet seen
    bool rendering_ = false;
    bool shownOnce_ = false;
    bool focusAgain_ = false; // undo or redo brought back a focus to set, whatever was set last
};

} // namespace drawlet
