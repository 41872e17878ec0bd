// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HistoryModel.h"

#include <cstdint>
#include <string_view>
#include <type_traits>
#include <utility>

namespace drawlet::storm {
namespace {

template <typename Group>
constexpr std::string_view groupName() {
    if constexpr (std::is_same_v<Group, Sliders>) {
        return "the sliders";
    } else if constexpr (std::is_same_v<Group, EntryRow>) {
        return "the entry row";
    } else if constexpr (std::is_same_v<Group, BaseSetBoxes>) {
        return "the base set boxes";
    } else if constexpr (std::is_same_v<Group, CombinationList>) {
        return "the combination list";
    } else if constexpr (std::is_same_v<Group, PickedList>) {
        return "the picked numbers";
    } else if constexpr (std::is_same_v<Group, PlayList>) {
        return "the play numbers";
    } else if constexpr (std::is_same_v<Group, NumberArrays>) {
        return "the number arrays";
    } else if constexpr (std::is_same_v<Group, OptionButtons>) {
        return "the option buttons";
    } else if constexpr (std::is_same_v<Group, Captions>) {
        return "the captions";
    } else if constexpr (std::is_same_v<Group, KeyboardFocus>) {
        return "the focus";
    } else if constexpr (std::is_same_v<Group, HeldKeys>) {
        return "the keys held";
    } else {
        return "a group with no name in HistoryModel.cpp";
    }
}

// Where the focus is and the keys held down: not what the player sees of the state.
template <typename Group>
constexpr bool isShown() {
    return !std::is_same_v<Group, KeyboardFocus> && !std::is_same_v<Group, HeldKeys>;
}

// Equal, or with `shownOnly` equal but for the boxes' selections.
template <typename Group>
bool sameGroup(const Group& a, const Group& b, bool shownOnly) {
    if (a == b) {
        return true;
    }
    if (shownOnly) {
        if constexpr (std::is_same_v<Group, EntryRow>) {
            Group c = b;
            c.txtNumber.takeSelectionsFrom(a.txtNumber);
            return a == c;
        } else if constexpr (std::is_same_v<Group, BaseSetBoxes>) {
            Group c = b;
            c.txtSelNumbers.takeSelectionsFrom(a.txtSelNumbers);
            return a == c;
        }
    }
    return false;
}

} // namespace

std::optional<std::string> firstDifference(const SelectorState& a, const SelectorState& b,
                                           bool shownOnly) {
    std::optional<std::string> found;
    SelectorState::forEachGroupType([&]<typename Group>() {
        if (!found && (!shownOnly || isShown<Group>()) &&
            !sameGroup(group<Group>(a), group<Group>(b), shownOnly)) {
            found = std::string(groupName<Group>());
        }
    });
    return found;
}

void HistoryModel::played(const SelectorState& now, std::optional<FocusTarget> typedInto) {
    // One pass over the groups: which differ from the present, and whether the player sees it.
    std::uint32_t differing = 0;
    bool changed = false;
    std::uint32_t bit = 1;
    SelectorState::forEachGroupType([&]<typename Group>() {
        const Group& was = group<Group>(present_);
        const Group& is = group<Group>(now);
        if (!(was == is)) {
            differing |= bit;
            changed = changed || (isShown<Group>() && !sameGroup(was, is, true));
        }
        bit <<= 1U;
    });
    if (changed) {
        const bool joinsTheTyping = typedInto && typing_ == typedInto && !undo_.empty();
        if (!joinsTheTyping) {
            undo_.push_back(present_);
            if (undo_.size() > kLevels) {
                undo_.pop_front();
            }
        }
        typing_ = typedInto;
        redo_.clear();
    } else if (typedInto != typing_) {
        typing_.reset();
    }
    bit = 1;
    SelectorState::forEachGroupType([&]<typename Group>() {
        if ((differing & bit) != 0) {
            group<Group>(present_) = group<Group>(now);
        }
        bit <<= 1U;
    });
}

std::optional<std::string> HistoryModel::undone(const SelectorState& now, bool taken) {
    return stepped(undo_, redo_, now, taken, "undo");
}

std::optional<std::string> HistoryModel::redone(const SelectorState& now, bool taken) {
    return stepped(redo_, undo_, now, taken, "redo");
}

std::optional<std::string> HistoryModel::stepped(std::deque<SelectorState>& from,
                                                 std::deque<SelectorState>& to,
                                                 const SelectorState& now, bool taken,
                                                 const char* what) {
    std::optional<std::string> wrong;
    if (from.empty()) {
        if (taken) {
            wrong = std::string(what) + " was taken with no step to take";
        } else if (auto group = firstDifference(present_, now, false)) {
            wrong = std::string(what) + " with no step to take changed " + *group;
        }
    } else if (!taken) {
        wrong = std::string(what) + " was refused with " + std::to_string(from.size()) +
                " steps to take";
    } else {
        // The whole state comes back, the focus included; the keys held now stay down.
        SelectorState expected = std::move(from.back());
        from.pop_back();
        group<HeldKeys>(expected) = group<HeldKeys>(present_);
        if (auto group = firstDifference(expected, now, false)) {
            wrong = std::string(what) + " did not give back " + *group + " as it was " +
                    (&from == &undo_ ? "before the change" : "after the change");
        }
        to.push_back(std::move(present_));
        typing_.reset();
    }
    present_ = now;
    return wrong;
}

} // namespace drawlet::storm
