// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The undo history: the states the selector was in before the player's last changes, so that a
// slip (a "Clear All", a slider dragged too far, a wrong number typed) can be taken back, and
// then taken forward again.
//
// A state is kept as a `StateSnapshot`, which is compact: the two 10000-entry number arrays are
// held only up to their last nonzero entry, and every part of the state that equals the same
// part of a neighbouring snapshot is shared with it rather than copied. A snapshot still gives
// the state back exactly, field by field, including the numbers a cleared set of combinations
// left behind in the arrays.
//
// The history does not decide what a change is, nor which events make one step: its caller
// takes a snapshot before an event, asks it whether the event changed what the player sees,
// and records it if so.

#include "SelectorState.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace drawlet {

class StateSnapshot {
public:
    // Takes the state, sharing each part that equals the same part of `neighbour`, when given.
    explicit StateSnapshot(const SelectorState& state, const StateSnapshot* neighbour = nullptr);

    // Writes the whole state back as it was taken. The keys held down now stay as they are.
    void restoreInto(SelectorState& state) const;

    // Whether `state` shows the player the same as this snapshot: everything equal but where the
    // focus is and what the boxes have selected. A focus move alone is no change worth undoing.
    bool looksLike(const SelectorState& state) const;

private:
    struct Captions {
        std::string Label1, Label2, Label3, Label4, Label5;
        std::string Frame1, Frame2, Frame3, Command1, txtNumberToolTip;
        bool operator==(const Captions&) const = default;
    };
    using EntryBoxes = BoxRow<kEntryBoxes>;
    using BaseSetBoxes = BoxRow<kBaseSetBoxes>;
    using Numbers = std::vector<std::int16_t>; // positions 1 to the last nonzero one

    ScrollBar HScroll2_, HScroll1_, HScroll3_;
    std::array<bool, 2> Option1_{};
    SelectionType typeOfSelection_{};
    FocusTarget focus_;
    unsigned focusMoves_ = 0;
    std::shared_ptr<const Captions> captions_;
    std::shared_ptr<const EntryBoxes> txtNumber_;
    std::shared_ptr<const BaseSetBoxes> txtSelNumbers_;
    std::shared_ptr<const std::vector<std::string>> lstNumbers_;
    std::shared_ptr<const SortedList> lstSort_;
    std::shared_ptr<const SortedList> lstPlaySort_;
    std::shared_ptr<const Numbers> CombNumbers_;
    std::shared_ptr<const Numbers> PickIndex_;

    static Captions captionsOf(const SelectorState& state);
    static std::shared_ptr<const Numbers> trimmed(const NumberArray& array,
                                                  const std::shared_ptr<const Numbers>* shared);
    static bool sameNumbers(const NumberArray& array, const Numbers& numbers);
};

class UndoHistory {
public:
    static constexpr std::size_t kDefaultLevels = 100;

    explicit UndoHistory(std::size_t levels = kDefaultLevels) : levels_(levels) {}

    // The snapshot a new one should share its unchanged parts with: the latest undo step, which
    // differs from the present state by one change. Null while there is none.
    const StateSnapshot* latest() const { return undo_.empty() ? nullptr : &undo_.back(); }

    // Keeps `before`, the state before a change, as the step to undo, and drops the redo steps.
    // A change with the same nonzero `group` as the one recorded just before it, with nothing
    // between that ended the group, adds to that step: undoing it goes back to before the
    // group's first change. The oldest step is dropped beyond the history's levels.
    void record(StateSnapshot before, std::uint32_t group = 0);

    // An event of `group` changed nothing worth undoing: any other group ends the open one.
    void unchanged(std::uint32_t group) {
        if (group != openGroup_) {
            openGroup_ = 0;
        }
    }

    // Puts the state back as it was before the last step, keeping the present state for redo.
    // Returns false, changing nothing, when there is nothing to undo.
    bool undo(SelectorState& state);

    // Takes the last undone step forward again. Returns false when there is nothing to redo.
    bool redo(SelectorState& state);

    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

private:
    bool step(std::deque<StateSnapshot>& from, std::deque<StateSnapshot>& to, SelectorState& state);

    std::deque<StateSnapshot> undo_;
    std::deque<StateSnapshot> redo_;
    std::size_t levels_;
    std::uint32_t openGroup_ = 0;
};

} // namespace drawlet
