// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widgets of the window, one per control, built at their places with their kinds, names,
// fonts and tab order. Building sets no run-time value: captions, texts, slider positions and
// visibility all come from the state when the window renders it.

#include "SelectorState.h"

#include <array>
#include <map>
#include <utility>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QValidator;
class QWidget;

namespace drawlet {

struct DrawletControls {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QScrollBar* HScroll3 = nullptr;
    std::array<QLineEdit*, kEntryBoxes> txtNumber{};
    std::array<QLineEdit*, kBaseSetBoxes> txtSelNumbers{};
    QListWidget* lstNumbers = nullptr;
    QPushButton* cmdPick = nullptr;
    QPushButton* cmdClearComb = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClearBaseSet = nullptr;
    QPushButton* Command1 = nullptr;
    QRadioButton* optExclusion = nullptr;
    QRadioButton* optInclusion = nullptr;
    QRadioButton* optNone = nullptr;
    std::array<QRadioButton*, 2> Option1{};
    QButtonGroup* selectionTypes = nullptr; // optExclusion, optInclusion, optNone
    QButtonGroup* autoFillStarts = nullptr; // Option1(0), Option1(1)
    QValidator* digitsOnly = nullptr;       // shared by every box
    // Every control of the core's table by its target, the way the window finds them.
    std::map<std::pair<ControlId, int>, QWidget*> widgets;
};

// Creates every control as a child of `form` (or of its frame), sizes the form and chains the
// tab order.
DrawletControls buildControls(QWidget& form);

// The widget that takes the focus for a target; null for ControlId::None.
QWidget* widgetFor(const DrawletControls& controls, FocusTarget target);

} // namespace drawlet
