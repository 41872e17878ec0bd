// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What must hold after every event of a storm, judged against the state before the event and a
// shadow of the combinations the checker keeps itself.
//
// The checker knows the behaviour, not the code: it recomputes captions, visibility and the play
// numbers on its own, remembers every stored combination, and knows which events may empty,
// store, rewrite or rebuild what. It does not call any handler or helper of the core.

#include "SelectorState.h"
#include "StormEvent.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace drawlet::storm {

class InvariantChecker {
public:
    // Starts from the state as start-up left it.
    explicit InvariantChecker(const SelectorState& started);

    // Remembers what the next event may change.
    void before(const SelectorState& state);

    // The first broken rule after the event, if any. Keeps the shadow up to date.
    std::optional<std::string> after(const SelectorState& state, const StormEvent& event);

    // The rules that hold at any moment after start-up, whatever ran before.
    std::optional<std::string> steadyRules(const SelectorState& state) const;

private:
    struct Snapshot {
        std::array<std::string, kEntryBoxes> entryTexts;
        std::array<std::string, kBaseSetBoxes> baseTexts;
        std::bitset<kEntryBoxes> entryShown;
        std::bitset<kBaseSetBoxes> baseShown;
        ScrollBar quantity;
        ScrollBar pickSizeSlider;
        ScrollBar baseSetSize;
        std::array<bool, 2> autoFillStart{};
        SelectionType type = SelectionType::Exclude;
        std::size_t combinations = 0;
        unsigned focusMoves = 0;
        FocusTarget focus;
        std::vector<std::string> picked;
    };

    std::optional<std::string> combinationRules(const SelectorState& state,
                                                const StormEvent& event);
    std::optional<std::string> storedCombinationRules(const SelectorState& state) const;
    std::optional<std::string> pickRules(const SelectorState& state, int quantity) const;
    std::optional<std::string> textRules(const SelectorState& state, const StormEvent& event) const;
    std::optional<std::string> controlRules(const SelectorState& state,
                                            const StormEvent& event) const;
    std::optional<std::string> focusRules(const SelectorState& state,
                                          const StormEvent& event) const;
    std::optional<std::string> playNumberRules(const SelectorState& state, const StormEvent& event);
    // After an undo, a redo or a paste, which the storm judges whole: the shadow follows the
    // state, and the play numbers are judged again from their next rebuild on.
    std::optional<std::string> followWholeChange(const SelectorState& state,
                                                 const StormEvent& event);

    Snapshot before_;
    std::vector<std::string> lines_;          // every line lstNumbers must hold
    std::vector<std::int16_t> storedNumbers_; // CombNumbers[1..k * pick size]
    std::array<std::string, kBaseSetBoxes> baseAtLastRebuild_;
    bool rebuildKnown_ = true; // baseAtLastRebuild_ holds the base set of the last rebuild
};

} // namespace drawlet::storm
