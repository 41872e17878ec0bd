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

using enum ControlKind;

// The entry row takes two places in the tab order.
constexpr Control kEntryRow{.id = ControlId::txtNumber,
                            .kind = BoxRow,
                            .name = "txtNumber",
                            .readsAs = "Drawlet %1",
                            .keyUp = runs<txtNumber_KeyUp>,
                            .gotFocus = onFocus<txtNumber_GotFocus>};

constexpr Control kControls[] = {
    {.id = ControlId::txtNumber,
     .kind = BoxRow,
     .name = kEntryRow.name,
     .readsAs = kEntryRow.readsAs,
     .first = 0,
     .last = 5,
     .keyUp = kEntryRow.keyUp,
     .gotFocus = kEntryRow.gotFocus},
    {.id = ControlId::lstNumbers, .kind = List, .name = "lstNumbers", .readsAs = "Combinations"},
    {.id = ControlId::cmdClear,
     .kind = Button,
     .name = "cmdClear",
     .readsAs = "Clear All",
     .click = runs<cmdClear_Click>},
    {.id = ControlId::Label3, .kind = Label, .name = "Label3"},
    {.id = ControlId::HScroll2,
     .kind = Slider,
     .name = "HScroll2",
     .readsAs = "Lottery pick size",
     .bar = &SelectorState::HScroll2,
     .change = HScroll2_Change},
    {.id = ControlId::HScroll1,
     .kind = Slider,
     .name = "HScroll1",
     .readsAs = "Quantity of combination numbers to pick",
     .bar = &SelectorState::HScroll1,
     .change = HScroll1_Change},
    {.id = ControlId::cmdPick,
     .kind = Button,
     .name = "cmdPick",
     .readsAs = "Pick",
     .click = runs<cmdPick_Click>},
    {.id = ControlId::txtSelNumbers,
     .kind = BoxRow,
     .name = "txtSelNumbers",
     .readsAs = "Base set number %1",
     .first = kBaseSetBoxes - 1,
     .last = 0,
     .keyUp = runs<txtSelNumbers_KeyUp>,
     .gotFocus = onFocus<txtSelNumbers_GotFocus>},
    {.id = ControlId::Label5, .kind = Label, .name = "Label5"},
    {.id = ControlId::optExclusion,
     .kind = Option,
     .name = "optExclusion",
     .readsAs = "Exclude",
     .click = runs<chooseType<SelectionType::Exclude>>,
     .gotFocus = onFocus<optExclusion_GotFocus>},
    {.id = ControlId::optInclusion,
     .kind = Option,
     .name = "optInclusion",
     .readsAs = "Include",
     .click = runs<chooseType<SelectionType::Include>>,
     .gotFocus = onFocus<optInclusion_GotFocus>},
    {.id = ControlId::optNone,
     .kind = Option,
     .name = "optNone",
     .readsAs = "None",
     .click = runs<chooseType<SelectionType::None>>,
     .gotFocus = onFocus<optNone_GotFocus>},
    {.id = ControlId::cmdClearComb,
     .kind = Button,
     .name = "cmdClearComb",
     .readsAs = "Clear Combinations",
     .click = runs<cmdClearComb_Click>},
    {.id = ControlId::txtNumber,
     .kind = BoxRow,
     .name = kEntryRow.name,
     .readsAs = kEntryRow.readsAs,
     .first = 6,
     .last = kEntryBoxes - 1,
     .keyUp = kEntryRow.keyUp,
     .gotFocus = kEntryRow.gotFocus},
    {.id = ControlId::cmdClearBaseSet,
     .kind = Button,
     .name = "cmdClearBaseSet",
     .readsAs = "Clear Base Set Numbers",
     .click = runs<cmdClearBaseSet_Click>},
    {.id = ControlId::HScroll3,
     .kind = Slider,
     .name = "HScroll3",
     .readsAs = "Base set size",
     .bar = &SelectorState::HScroll3,
     .change = HScroll3_Change},
    {.id = ControlId::Command1, .kind = Button, .name = "Command1", .click = runs<Command1_Click>},
    {.id = ControlId::Option1,
     .kind = Option,
     .name = "Option1",
     .first = 1,
     .last = 0,
     .click = runs<chooseAutoFillStart>},
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
