// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The widgets of the window, one per piece of the form's table (FormPlaces.h), each built in
// its container at its place, with the font, alignment and fixed caption the table gives it,
// and chained in the core's tab order. Building sets no run-time value: captions, texts, slider
// positions and visibility all come from the view's writes when the window renders.

#include "FormView.h"
#include "SelectorState.h"

#include <array>
#include <map>
#include <utility>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QScrollBar;
class QValidator;
class QWidget;

namespace drawlet {

struct DrawletControls {
    // The widget of each caption the state writes: a label, a frame or a button.
    std::array<QWidget*, view::kCaptions> captions{};
    QLabel* Label6 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QScrollBar* HScroll2 = nullptr;
    QScrollBar* HScroll3 = nullptr;
    std::array<QLineEdit*, kEntryBoxes> txtNumber{};
    std::array<QLineEdit*, kBaseSetBoxes> txtSelNumbers{};
    QListWidget* lstNumbers = nullptr;
    QRadioButton* optExclusion = nullptr;
    QRadioButton* optInclusion = nullptr;
    QRadioButton* optNone = nullptr;
    QButtonGroup* selectionTypes = nullptr; // optExclusion, optInclusion, optNone
    QButtonGroup* autoFillStarts = nullptr; // Option1(0), Option1(1)
    QValidator* digitsOnly = nullptr;       // shared by every box
    // Every control of the core's table by its target, the way the window finds them.
    std::map<std::pair<ControlId, int>, QWidget*> widgets;
};

// Creates every piece as a child of `form` (or of its frame), sizes the form and chains the
// tab order.
DrawletControls buildControls(QWidget& form);

// The widget that takes the focus for a target; null for ControlId::None.
QWidget* widgetFor(const DrawletControls& controls, FocusTarget target);

} // namespace drawlet
