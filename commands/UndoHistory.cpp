// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UndoHistory.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>

namespace drawlet {
namespace {

// The arrays are read with memcmp: they are long and mostly zero, and compared at every event.
bool allZero(std::span<const std::int16_t> entries) {
    static const std::array<std::int16_t, kArraySize> zeros{};
    return std::memcmp(entries.data(), zeros.data(), entries.size_bytes()) == 0;
}

int lastNonzero(const NumberArray& array) {
    constexpr std::size_t kChunk = 250;
    static_assert(kArraySize % kChunk == 0);
    const auto positions = array.positions();
    std::size_t end = positions.size();
    while (end > 0 && allZero(positions.subspan(end - kChunk, kChunk))) {
        end -= kChunk;
    }
    while (end > 0 && positions[end - 1] == 0) {
        --end;
    }
    return static_cast<int>(end);
}

void takeSelections(const EntryRow& from, EntryRow& to) {
    to.txtNumber.takeSelectionsFrom(from.txtNumber);
}

void takeSelections(const BaseSetBoxes& from, BaseSetBoxes& to) {
    to.txtSelNumbers.takeSelectionsFrom(from.txtSelNumbers);
}

// The whole group compared, but for the selection the focus handling gives a box.
template <typename Group>
bool showsTheSame(const KeptGroup<Group>& kept, const Group& now) {
    if (kept.sameAs(now)) {
        return true;
    }
    if constexpr (std::is_same_v<Group, EntryRow> || std::is_same_v<Group, BaseSetBoxes>) {
        Group withKeptSelections = now;
        takeSelections(kept.kept(), withKeptSelections);
        return kept.sameAs(withKeptSelections);
    }
    return false;
}

using Numbers = std::vector<std::int16_t>;

bool sameNumbers(const NumberArray& array, const Numbers& numbers) {
    const auto positions = array.positions();
    return numbers.size() <= positions.size() &&
           (numbers.empty() || std::memcmp(positions.data(), numbers.data(),
                                           numbers.size() * sizeof(std::int16_t)) == 0) &&
           allZero(positions.subspan(numbers.size()));
}

std::shared_ptr<const Numbers> trimmed(const NumberArray& array,
                                       const std::shared_ptr<const Numbers>* shared) {
    if (shared != nullptr && *shared && sameNumbers(array, **shared)) {
        return *shared;
    }
    const auto positions = array.positions().first(static_cast<std::size_t>(lastNonzero(array)));
    return std::make_shared<const Numbers>(positions.begin(), positions.end());
}

void restoreNumbers(NumberArray& array, const Numbers& numbers) {
    array.zero();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        array[static_cast<int>(i) + 1] = numbers[i];
    }
}

} // namespace

template <typename Group>
KeptGroup<Group>::KeptGroup(const Group& group, const KeptGroup* neighbour) {
    if constexpr (kByValue) {
        storage_ = group;
    } else if (neighbour != nullptr && neighbour->storage_ && *neighbour->storage_ == group) {
        storage_ = neighbour->storage_;
    } else {
        storage_ = std::make_shared<const Group>(group);
    }
}

template <typename Group>
const Group& KeptGroup<Group>::kept() const {
    if constexpr (kByValue) {
        return storage_;
    } else {
        return *storage_;
    }
}

KeptGroup<NumberArrays>::KeptGroup(const NumberArrays& group, const KeptGroup* neighbour)
    : CombNumbers_(trimmed(group.CombNumbers, neighbour ? &neighbour->CombNumbers_ : nullptr)),
      PickIndex_(trimmed(group.PickIndex, neighbour ? &neighbour->PickIndex_ : nullptr)) {}

void KeptGroup<NumberArrays>::restoreInto(NumberArrays& group) const {
    restoreNumbers(group.CombNumbers, *CombNumbers_);
    restoreNumbers(group.PickIndex, *PickIndex_);
}

bool KeptGroup<NumberArrays>::sameAs(const NumberArrays& group) const {
    return sameNumbers(group.CombNumbers, *CombNumbers_) &&
           sameNumbers(group.PickIndex, *PickIndex_);
}

// Group by group: each is taken, restored and compared whole, so a field added to any of them
// is undone with it.
StateSnapshot::StateSnapshot(const SelectorState& state, const StateSnapshot* neighbour) {
    SelectorState::forEachGroupType([&]<typename Group>() {
        if constexpr (historyPart<Group>() != HistoryPart::Present) {
            std::get<KeptGroup<Group>>(groups_) = KeptGroup<Group>(
                group<Group>(state),
                neighbour != nullptr ? &std::get<KeptGroup<Group>>(neighbour->groups_) : nullptr);
        }
    });
}

void StateSnapshot::restoreInto(SelectorState& state) const {
    SelectorState::forEachGroupType([&]<typename Group>() {
        if constexpr (historyPart<Group>() != HistoryPart::Present) {
            std::get<KeptGroup<Group>>(groups_).restoreInto(group<Group>(state));
        }
    });
}

bool StateSnapshot::looksLike(const SelectorState& state) const {
    bool same = true;
    SelectorState::forEachGroupType([&]<typename Group>() {
        if constexpr (historyPart<Group>() == HistoryPart::Shown) {
            same = same && showsTheSame(std::get<KeptGroup<Group>>(groups_), group<Group>(state));
        }
    });
    return same;
}

void UndoHistory::record(StateSnapshot before, std::uint32_t group) {
    redo_.clear();
    if (group != 0 && group == openGroup_ && !undo_.empty()) {
        return;
    }
    openGroup_ = group;
    undo_.push_back(std::move(before));
    while (undo_.size() > levels_) {
        undo_.pop_front();
    }
}

bool UndoHistory::undo(SelectorState& state) {
    return step(undo_, redo_, state);
}

bool UndoHistory::redo(SelectorState& state) {
    return step(redo_, undo_, state);
}

// The snapshot taken of the present state shares its parts with the one restored, which differs
// from it by one step.
bool UndoHistory::step(std::deque<StateSnapshot>& from, std::deque<StateSnapshot>& to,
                       SelectorState& state) {
    if (from.empty()) {
        return false;
    }
    to.emplace_back(state, &from.back());
    from.back().restoreInto(state);
    from.pop_back();
    openGroup_ = 0;
    return true;
}

} // namespace drawlet
