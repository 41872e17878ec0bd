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

// A part equal to the neighbour's is shared with it; only a changed part is copied.
template <typename Part>
std::shared_ptr<const Part> share(const Part& part, const std::shared_ptr<const Part>* neighbour) {
    if (neighbour != nullptr && **neighbour == part) {
        return *neighbour;
    }
    return std::make_shared<const Part>(part);
}

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

// Text and visibility, leaving out the selection the focus handling gives a box.
template <std::size_t Count>
bool sameTexts(const BoxRow<Count>& a, const BoxRow<Count>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), [](const TextBox& x, const TextBox& y) {
        return x.text == y.text && x.visible == y.visible;
    });
}

} // namespace

// Every field of SelectorState is taken, restored and compared here, but for the keys held down,
// which belong to the present.

StateSnapshot::Captions StateSnapshot::captionsOf(const SelectorState& state) {
    return {state.Label1, state.Label2, state.Label3, state.Label4,   state.Label5,
            state.Frame1, state.Frame2, state.Frame3, state.Command1, state.txtNumberToolTip};
}

bool StateSnapshot::sameNumbers(const NumberArray& array, const Numbers& numbers) {
    const auto positions = array.positions();
    return numbers.size() <= positions.size() &&
           (numbers.empty() || std::memcmp(positions.data(), numbers.data(),
                                           numbers.size() * sizeof(std::int16_t)) == 0) &&
           allZero(positions.subspan(numbers.size()));
}

std::shared_ptr<const StateSnapshot::Numbers>
StateSnapshot::trimmed(const NumberArray& array, const std::shared_ptr<const Numbers>* shared) {
    if (shared != nullptr && sameNumbers(array, **shared)) {
        return *shared;
    }
    const auto positions = array.positions().first(static_cast<std::size_t>(lastNonzero(array)));
    return std::make_shared<const Numbers>(positions.begin(), positions.end());
}

StateSnapshot::StateSnapshot(const SelectorState& state, const StateSnapshot* neighbour)
    : HScroll2_(state.HScroll2), HScroll1_(state.HScroll1), HScroll3_(state.HScroll3),
      Option1_(state.Option1), typeOfSelection_(state.typeOfSelection), focus_(state.focus),
      focusMoves_(state.focusMoves) {
    const StateSnapshot* n = neighbour;
    captions_ = share(captionsOf(state), n ? &n->captions_ : nullptr);
    txtNumber_ = share(state.txtNumber, n ? &n->txtNumber_ : nullptr);
    txtSelNumbers_ = share(state.txtSelNumbers, n ? &n->txtSelNumbers_ : nullptr);
    lstNumbers_ = share(state.lstNumbers, n ? &n->lstNumbers_ : nullptr);
    lstSort_ = share(state.lstSort, n ? &n->lstSort_ : nullptr);
    lstPlaySort_ = share(state.lstPlaySort, n ? &n->lstPlaySort_ : nullptr);
    CombNumbers_ = trimmed(state.CombNumbers, n ? &n->CombNumbers_ : nullptr);
    PickIndex_ = trimmed(state.PickIndex, n ? &n->PickIndex_ : nullptr);
}

void StateSnapshot::restoreInto(SelectorState& state) const {
    state.HScroll2 = HScroll2_;
    state.HScroll1 = HScroll1_;
    state.HScroll3 = HScroll3_;
    state.txtNumber = *txtNumber_;
    state.txtSelNumbers = *txtSelNumbers_;
    state.lstNumbers = *lstNumbers_;
    state.lstSort = *lstSort_;
    state.lstPlaySort = *lstPlaySort_;
    state.Option1 = Option1_;
    state.typeOfSelection = typeOfSelection_;
    state.Label1 = captions_->Label1;
    state.Label2 = captions_->Label2;
    state.Label3 = captions_->Label3;
    state.Label4 = captions_->Label4;
    state.Label5 = captions_->Label5;
    state.Frame1 = captions_->Frame1;
    state.Frame2 = captions_->Frame2;
    state.Frame3 = captions_->Frame3;
    state.Command1 = captions_->Command1;
    state.txtNumberToolTip = captions_->txtNumberToolTip;
    state.focus = focus_;
    state.focusMoves = focusMoves_;
    // tabKeysDown: the keys held now stay down.
    for (auto [array, numbers] : {std::pair{&state.CombNumbers, CombNumbers_.get()},
                                  std::pair{&state.PickIndex, PickIndex_.get()}}) {
        array->zero();
        for (std::size_t i = 0; i < numbers->size(); ++i) {
            (*array)[static_cast<int>(i) + 1] = (*numbers)[i];
        }
    }
}

bool StateSnapshot::looksLike(const SelectorState& state) const {
    return HScroll2_ == state.HScroll2 && HScroll1_ == state.HScroll1 &&
           HScroll3_ == state.HScroll3 && Option1_ == state.Option1 &&
           typeOfSelection_ == state.typeOfSelection && *captions_ == captionsOf(state) &&
           sameTexts(*txtNumber_, state.txtNumber) &&
           sameTexts(*txtSelNumbers_, state.txtSelNumbers) && *lstNumbers_ == state.lstNumbers &&
           *lstSort_ == state.lstSort && *lstPlaySort_ == state.lstPlaySort &&
           sameNumbers(state.CombNumbers, *CombNumbers_) &&
           sameNumbers(state.PickIndex, *PickIndex_);
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
