// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PlayNumbers.h"

#include "NumberText.h"

namespace drawlet {
namespace {

void collectBaseSet(SelectorState& state) {
    const int inUse = inUseCount(state);
    for (int i = 0; i < inUse; ++i) {
        const std::string& text = state.txtSelNumbers[i].text;
        if (holdsNumber(text)) {
            state.lstPlaySort.add(text);
        }
    }
}

void excludePicked(SelectorState& state) {
    SortedList& play = state.lstPlaySort;
    for (const std::string& picked : state.lstSort.lines()) {
        const int value = valueOfText(picked);
        for (std::size_t m = play.count(); m-- > 0;) {
            if (valueOfText(play.at(m)) == value) {
                play.removeAt(m);
            }
        }
    }
}

void includePicked(SelectorState& state) {
    for (const std::string& picked : state.lstSort.lines()) {
        state.lstPlaySort.add(picked);
    }
    removeRepeats(state.lstPlaySort);
}

} // namespace

void Display_Play_Numbers(SelectorState& state) {
    state.lstPlaySort.clear();
    collectBaseSet(state);
    removeRepeats(state.lstPlaySort);

    if (state.lstSort.count() > 0) {
        if (state.typeOfSelection == SelectionType::Exclude) {
            excludePicked(state);
        } else if (state.typeOfSelection == SelectionType::Include) {
            includePicked(state);
        }
    }

    const auto count = static_cast<int>(state.lstPlaySort.count());
    state.Frame3 = playNumbersCaption(count);
    state.Label5 = joinNumbers(state.lstPlaySort);
}

} // namespace drawlet
