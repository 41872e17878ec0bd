// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The undo history: the states the selector was in before the player's last changes, so that a
// slip (a "Clear All", a slider dragged too far, a wrong number typed) can be taken back, and
// then taken forward again.
//
// A state is kept as a `StateSnapshot`, which is compact: the two 10000-entry number arrays are
// held only up to their last nonzero entry, and every group of the state that equals the same
// group of a neighbouring snapshot is shared with it rather than copied. A snapshot still gives
// the state back exactly, group by group and so field by field, including the numbers a cleared
// set of combinations left behind in the arrays.
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
#include <tuple>
#include <type_traits>
#include <vector>

namespace drawlet {

// What the history does with each group of the state. Every group is shown to the player and
// taken, restored and compared whole, but for two: where the focus is comes back with an undo
// but a focus move alone is no change, and the keys held down belong to the present.
enum class HistoryPart { Shown, Focus, Present };

template <typename Group>
constexpr HistoryPart historyPart() {
    if constexpr (std::is_same_v<Group, KeyboardFocus>) {
        return HistoryPart::Focus;
    } else if constexpr (std::is_same_v<Group, HeldKeys>) {
        return HistoryPart::Present;
    } else {
        return HistoryPart::Shown;
    }
}

// One group as a snapshot keeps it: a group of plain values by value, any other shared with the
// neighbouring snapshot when equal to its copy there.
template <typename Group>
class KeptGroup {
public:
    KeptGroup() = default;
    KeptGroup(const Group& group, const KeptGroup* neighbour);
    void restoreInto(Group& group) const { group = kept(); }
    bool sameAs(const Group& group) const { return kept() == group; }
    const Group& kept() const;

private:
    static constexpr bool kByValue = std::is_trivially_copyable_v<Group>;
    using Storage = std::conditional_t<kByValue, Group, std::shared_ptr<const Group>>;
    Storage storage_{};
};

// The two 10000-entry arrays, each kept only up to its last nonzero entry.
template <>
class KeptGroup<NumberArrays> {
public:
    KeptGroup() = default;
    KeptGroup(const NumberArrays& group, const KeptGroup* neighbour);
    void restoreInto(NumberArrays& group) const;
    bool sameAs(const NumberArrays& group) const;

private:
    using Numbers = std::vector<std::int16_t>; // positions 1 to the last nonzero one
    std::shared_ptr<const Numbers> CombNumbers_;
    std::shared_ptr<const Numbers> PickIndex_;
};

template <typename State>
struct KeptGroups;
template <typename... Groups>
struct KeptGroups<GroupedState<Groups...>> {
    using type = std::tuple<KeptGroup<Groups>...>;
};

class StateSnapshot {
public:
    // Takes the state, sharing each part that equals the same part of `neighbour`, when given.
    explicit StateSnapshot(const SelectorState& state, const StateSnapshot* neighbour = nullptr);

    // Writes the whole state back as it was taken. The keys held down now stay as they are.
    void restoreInto(SelectorState& state) const;

    // Whether `state` shows the player the same as this snapshot: every group equal but where the
    // focus is and what the boxes have selected. A focus move alone is no change worth undoing.
    bool looksLike(const SelectorState& state) const;

private:
    KeptGroups<SelectorState>::type groups_;
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
