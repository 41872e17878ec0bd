// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StormEvent.h"

#include <array>

namespace drawlet::storm {

std::string describe(const StormEvent& event) {
    static constexpr std::array<const char*, 25> names = {"EntryKeyPress",
                                                          "EntryKeyUp",
                                                          "EntryGotFocus",
                                                          "EntryEdit",
                                                          "BaseKeyPress",
                                                          "BaseKeyUp",
                                                          "BaseGotFocus",
                                                          "BaseEdit",
                                                          "MoveSlider",
                                                          "SliderChange",
                                                          "Focus",
                                                          "Pick",
                                                          "ClearCombinations",
                                                          "ClearAll",
                                                          "ClearBaseSet",
                                                          "AutoFill",
                                                          "ChooseAutoFillStart",
                                                          "Option1Click",
                                                          "ChooseType",
                                                          "TypeButtonClick",
                                                          "TypeButtonGotFocus",
                                                          "RebuildPlayNumbers",
                                                          "Undo",
                                                          "Redo",
                                                          "Paste"};
    const std::string name = names[static_cast<std::size_t>(event.action)];
    const std::string index = std::to_string(event.index);
    switch (event.action) {
    case Action::EntryKeyPress:
    case Action::BaseKeyPress:
        return name + "(" + index + ", " + std::to_string(event.key) + ") -> " +
               std::to_string(event.keyAfter);
    case Action::EntryKeyUp:
    case Action::BaseKeyUp:
        return name + "(" + index + ", " + std::to_string(event.value) + ", " +
               std::to_string(event.modifiers) + ")";
    case Action::EntryEdit:
    case Action::BaseEdit:
    case Action::Paste: {
        std::string shown;
        for (const char c : event.text) {
            const auto code = static_cast<unsigned char>(c);
            shown += code >= 32 && code < 127 ? std::string(1, c) : "\\x" + std::to_string(code);
        }
        if (event.action == Action::Paste) {
            return name + "(control " + std::to_string(static_cast<int>(event.target.control)) +
                   ", " + std::to_string(event.target.index) + ", \"" + shown + "\") " +
                   (event.accepted ? "typed" : "refused");
        }
        return name + "(" + index + ", \"" + shown + "\") " +
               (event.accepted ? "taken" : "refused");
    }
    case Action::MoveSlider:
        return name + "(HScroll" + index + ", " + std::to_string(event.value) + ")";
    case Action::Focus:
        return name + "(control " + std::to_string(static_cast<int>(event.target.control)) + ", " +
               std::to_string(event.target.index) + ")";
    case Action::Pick:
    case Action::ClearCombinations:
    case Action::ClearAll:
    case Action::ClearBaseSet:
    case Action::AutoFill:
    case Action::RebuildPlayNumbers:
        return name + "()";
    case Action::Undo:
    case Action::Redo:
        return name + "() " + (event.accepted ? "took a step" : "had no step");
    default:
        return name + "(" + index + ")";
    }
}

} // namespace drawlet::storm
