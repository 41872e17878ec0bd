// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ResultSpeech.h"

#include <algorithm>
#include <vector>

namespace drawlet {
namespace {

const char* selectionTypeName(SelectionType type) {
    switch (type) {
    case SelectionType::Include:
        return "Include";
    case SelectionType::None:
        return "None";
    case SelectionType::Exclude:
        break;
    }
    return "Exclude";
}

bool onSelectionType(FocusTarget focus) {
    return focus.control == ControlId::optExclusion || focus.control == ControlId::optInclusion ||
           focus.control == ControlId::optNone;
}

// The number lines end with a space after the last number.
std::string withoutTrailingSpaces(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

} // namespace

SpokenResults spokenResults(const SelectorState& state) {
    SpokenResults results{state.Label1, state.Label2, state.Frame1,         state.Label3,
                          state.Frame3, state.Label5, state.typeOfSelection};
    results.baseSetNumbers =
        static_cast<int>(std::count_if(state.txtSelNumbers.begin(), state.txtSelNumbers.end(),
                                       [](const TextBox& box) { return !box.text.empty(); }));
    return results;
}

std::string resultAnnouncement(const SpokenResults& before, const SpokenResults& after,
                               FocusTarget focus) {
    std::vector<std::string> sentences;
    if (after.Label1 != before.Label1) {
        sentences.push_back(after.Label1);
    }
    if (after.Label2 != before.Label2 && focus.control != ControlId::HScroll1) {
        sentences.push_back(after.Label2);
    }
    if (after.Frame1 != before.Frame1 || after.Label3 != before.Label3) {
        const std::string numbers = withoutTrailingSpaces(after.Label3);
        sentences.push_back(numbers.empty() ? after.Frame1 : after.Frame1 + ": " + numbers);
    }
    if (after.baseSetNumbers == 0 && before.baseSetNumbers > 0) {
        sentences.emplace_back("Base Set Numbers cleared");
    } else if (after.baseSetNumbers > before.baseSetNumbers + 1) {
        // Several at once (auto-fill, a paste, an undone clear): heard even when the play
        // numbers stay as they were. One typed number is heard as it is typed.
        sentences.emplace_back("Base Set Numbers filled");
    }
    if (after.typeOfSelection != before.typeOfSelection && !onSelectionType(focus)) {
        sentences.push_back(std::string("Type of Selection - ") +
                            selectionTypeName(after.typeOfSelection));
    }
    if (after.Frame3 != before.Frame3 || after.Label5 != before.Label5) {
        sentences.push_back(after.Frame3);
    }
    std::string announcement;
    for (const std::string& sentence : sentences) {
        announcement += announcement.empty() ? sentence : ". " + sentence;
    }
    return announcement;
}

std::string historyAnnouncement(HistoryStep step, const std::string& results) {
    const std::string said = step == HistoryStep::Undone ? "Undone" : "Redone";
    return results.empty() ? said : said + ". " + results;
}

} // namespace drawlet
