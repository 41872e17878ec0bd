// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Controls.h"

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "CombinationEntry.h"
#include "Quantity.h"
#include "RandomPick.h"
#include "Resets.h"
#include "Slider.h"
#include "TypeOfSelection.h"

#include <algorithm>
#include <type_traits>

namespace drawlet {
namespace {

// A handler as the table runs it, whatever of the state, the random source and the index the
// handler itself takes.
template <auto handler>
void runs(SelectorState& state, RandomSource& random, int index) {
    using Handler = decltype(handler);
    if constexpr (std::is_invocable_v<Handler, SelectorState&, RandomSource&, int>) {
        handler(state, random, index);
    } else if constexpr (std::is_invocable_v<Handler, SelectorState&, RandomSource&>) {
        handler(state, random);
    } else if constexpr (std::is_invocable_v<Handler, SelectorState&, int>) {
        handler(state, index);
    } else {
        handler(state);
    }
}

template <auto handler>
void onFocus(SelectorState& state, int index) {
    if constexpr (std::is_invocable_v<decltype(handler), SelectorState&, int>) {
        handler(state, index);
    } else {
        handler(state);
    }
}

template <SelectionType type>
void chooseType(SelectorState& state) {
    chooseTypeOfSelection(state, type);
}

// The rows by kind, each with what its kind needs.
constexpr Control row(ControlId id, ControlKind kind, const char* name, const char* readsAs = "") {
    return {.id = id, .kind = kind, .name = name, .readsAs = readsAs};
}

constexpr Control boxes(ControlId id, const char* name, const char* readsAs, int first, int last,
                        ControlHandler keyUp, FocusHandler gotFocus) {
    Control boxes = row(id, ControlKind::BoxRow, name, readsAs);
    boxes.first = first;
    boxes.last = last;
    boxes.keyUp = keyUp;
    boxes.gotFocus = gotFocus;
    return boxes;
}

constexpr Control entryBoxes(int first, int last) {
    return boxes(ControlId::txtNumber, "txtNumber", "Drawlet %1", first, last,
                 runs<txtNumber_KeyUp>, onFocus<txtNumber_GotFocus>);
}

constexpr Control slider(ControlId id, const char* name, const char* readsAs,
                         ScrollBar SelectorState::*bar, void (*change)(SelectorState&)) {
    Control slider = row(id, ControlKind::Slider, name, readsAs);
    slider.bar = bar;
    slider.change = change;
    return slider;
}

constexpr Control button(ControlId id, const char* name, const char* readsAs,
                         ControlHandler click) {
    Control button = row(id, ControlKind::Button, name, readsAs);
    button.click = click;
    return button;
}

constexpr Control option(ControlId id, const char* name, const char* readsAs, ControlHandler click,
                         FocusHandler gotFocus) {
    Control option = row(id, ControlKind::Option, name, readsAs);
    option.click = click;
    option.gotFocus = gotFocus;
    return option;
}

// The auto-fill starts: Tab reaches Option1(1) first. Their captions are their start.
constexpr Control autoFillStarts() {
    Control starts = option(ControlId::Option1, "Option1", "", runs<chooseAutoFillStart>, nullptr);
    starts.first = 1;
    starts.last = 0;
    return starts;
}

constexpr Control kControls[] = {
    entryBoxes(0, 5),
    row(ControlId::lstNumbers, ControlKind::List, "lstNumbers", "Combinations"),
    button(ControlId::cmdClear, "cmdClear", "Clear All", runs<cmdClear_Click>),
    row(ControlId::Label3, ControlKind::Label, "Label3"),
    slider(ControlId::HScroll2, "HScroll2", "Lottery pick size", &SelectorState::HScroll2,
           HScroll2_Change),
    slider(ControlId::HScroll1, "HScroll1", "Quantity of combination numbers to pick",
           &SelectorState::HScroll1, HScroll1_Change),
    button(ControlId::cmdPick, "cmdPick", "Pick", runs<cmdPick_Click>),
    boxes(ControlId::txtSelNumbers, "txtSelNumbers", "Base set number %1", kBaseSetBoxes - 1, 0,
          runs<txtSelNumbers_KeyUp>, onFocus<txtSelNumbers_GotFocus>),
    row(ControlId::Label5, ControlKind::Label, "Label5"),
    option(ControlId::optExclusion, "optExclusion", "Exclude",
           runs<chooseType<SelectionType::Exclude>>, onFocus<optExclusion_GotFocus>),
    option(ControlId::optInclusion, "optInclusion", "Include",
           runs<chooseType<SelectionType::Include>>, onFocus<optInclusion_GotFocus>),
    option(ControlId::optNone, "optNone", "None", runs<chooseType<SelectionType::None>>,
           onFocus<optNone_GotFocus>),
    button(ControlId::cmdClearComb, "cmdClearComb", "Clear Combinations", runs<cmdClearComb_Click>),
    entryBoxes(6, kEntryBoxes - 1),
    button(ControlId::cmdClearBaseSet, "cmdClearBaseSet", "Clear Base Set Numbers",
           runs<cmdClearBaseSet_Click>),
    slider(ControlId::HScroll3, "HScroll3", "Base set size", &SelectorState::HScroll3,
           HScroll3_Change),
    button(ControlId::Command1, "Command1", "", runs<Command1_Click>),
    autoFillStarts(),
};

} // namespace

std::span<const Control> controlTable() {
    return kControls;
}

const Control* controlRow(ControlId id) {
    const auto row = std::find_if(std::begin(kControls), std::end(kControls),
                                  [id](const Control& control) { return control.id == id; });
    return row != std::end(kControls) ? row : nullptr;
}

bool isBox(FocusTarget target) {
    const Control* row = controlRow(target.control);
    return row != nullptr && row->kind == ControlKind::BoxRow;
}

bool isControlArray(ControlId id) {
    const Control* row = controlRow(id);
    return row != nullptr && row->first != row->last;
}

void moveSlider(SelectorState& state, ControlId slider, int value) {
    const Control* row = controlRow(slider);
    if (row != nullptr && row->bar != nullptr && writeSliderValue(state.*row->bar, value)) {
        row->change(state);
    }
}

} // namespace drawlet
