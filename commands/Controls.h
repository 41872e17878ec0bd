// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every control the player can reach, in one table: its kind, where Tab reaches it, what it
// reads as and which handlers it runs. The tab order, apply()'s dispatch, the fuzzer's choice of
// control and the window's widgets and connections all read this table, so a new control is a
// row here, its handler, and its widget.
//
// The rows come in the order Tab visits them (the controls' tab indexes). A control array may
// take more than one place: the entry row's first six boxes come before the combination list,
// the other four after Clear Combinations.

#include "RandomSource.h"
#include "SelectorState.h"

#include <cstdint>
#include <span>

namespace drawlet {

enum class ControlKind : std::uint8_t { BoxRow, List, Slider, Button, Option, Label };

// A handler as the table runs it: every handler gets the state, the random source and the index
// of the control in its array (0 for a single control), and uses what it needs.
using ControlHandler = void (*)(SelectorState&, RandomSource&, int index);
// Focus handling, which never draws a random number.
using FocusHandler = void (*)(SelectorState&, int index);

struct Control {
    ControlId id = ControlId::None;
    ControlKind kind = ControlKind::Label;
    // The name its widget carries; the boxes and buttons of a control array add "(index)".
    const char* name = "";
    // What a screen reader calls it: a button's or option's caption, any other control's
    // accessible name, with "%1" standing for a box's number counted from 1. Empty where what
    // it reads as is written at run time (Command1, the result lines) or is its index (Option1).
    const char* readsAs = "";
    // The indexes of a control array at this place in the tab order, from `first` to `last`,
    // either way round; 0 to 0 for a single control.
    int first = 0;
    int last = 0;
    // A button or option: the handler its click runs.
    ControlHandler click = nullptr;
    // A slider: the value it moves and the Change handler a changed value runs.
    ScrollBar SelectorState::*bar = nullptr;
    void (*change)(SelectorState&) = nullptr;
    // A box: the handler its key release runs.
    ControlHandler keyUp = nullptr;
    // The focus handling that runs when the focus arrives, where the control has one.
    FocusHandler gotFocus = nullptr;
};

// The whole table, in tab order.
std::span<const Control> controlTable();

// The first row of a control; every row of one control agrees on everything but its indexes.
// Null for ControlId::None.
const Control* controlRow(ControlId id);

// Whether the target is one of the two-character boxes (txtNumber or txtSelNumbers).
bool isBox(FocusTarget target);

// Whether the control is an array whose widgets are named by index.
bool isControlArray(ControlId id);

// A completed move of a slider to a value (arrow, track, keyboard step, released thumb, wheel or
// the accessibility interface). The value is clamped to the slider's range; a changed value runs
// the slider's Change handler. A control that is no slider is ignored.
void moveSlider(SelectorState& state, ControlId slider, int value);

} // namespace drawlet
