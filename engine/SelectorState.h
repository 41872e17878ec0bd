// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole state of the selector as plain data.
//
// Every element mirrors a value that one of the window's controls holds and shows: slider
// positions, list lines, box texts and visibility, option buttons and captions. The fields keep
// the names of the controls they mirror, so that behaviour can be traced by those names; the
// comment on each says what the player sees there. The handlers read and write this record; the
// window copies it into its widgets after each event and never keeps a truth of its own. Nothing
// here knows about any toolkit.

#include "Captions.h"
#include "SortedList.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace drawlet {

inline constexpr int kEntryBoxes = 10;         // txtNumber(0..9)
inline constexpr int kBaseSetBoxes = 100;      // txtSelNumbers(0..99)
inline constexpr int kMaxCombinations = 100;   // lines of lstNumbers
inline constexpr int kMaxStoredNumbers = 1000; // 100 combinations of at most 10 numbers
inline constexpr int kArraySize = 10000;       // CombNumbers and PickIndex, positions 1..10000

// A two-character entry box: its text, whether it is shown, and the selection its focus
// handling asks for.
struct TextBox {
    std::string text;
    bool visible = true;
    int selStart = 0;
    int selLength = 0;

    bool operator==(const TextBox&) const = default;
};

// A row of boxes, addressed by the index the control array gives them. `at` is the checked way
// in, for an index that comes from outside (an event, another handler's arithmetic): it gives
// null where the row has no such box. `operator[]` is for indices the caller has bounded itself.
template <std::size_t Count>
class BoxRow {
public:
    static constexpr bool contains(int index) { return index >= 0 && index < int{Count}; }
    static constexpr std::size_t size() { return Count; }

    TextBox* at(int index) { return contains(index) ? &boxes_[slot(index)] : nullptr; }
    const TextBox* at(int index) const { return contains(index) ? &boxes_[slot(index)] : nullptr; }
    TextBox& operator[](int index) { return boxes_[slot(index)]; }
    const TextBox& operator[](int index) const { return boxes_[slot(index)]; }

    // Each box takes the selection the same box of `other` has; texts and visibility stay.
    void takeSelectionsFrom(const BoxRow& other) {
        for (std::size_t i = 0; i < Count; ++i) {
            boxes_[i].selStart = other.boxes_[i].selStart;
            boxes_[i].selLength = other.boxes_[i].selLength;
        }
    }

    auto begin() { return boxes_.begin(); }
    auto end() { return boxes_.end(); }
    auto begin() const { return boxes_.begin(); }
    auto end() const { return boxes_.end(); }

    bool operator==(const BoxRow&) const = default;

private:
    static std::size_t slot(int index) { return static_cast<std::size_t>(index); }
    std::array<TextBox, Count> boxes_{};
};

// A horizontal scroll bar. `value` always lies between `min` and `max`.
struct ScrollBar {
    std::int16_t value = 0;
    std::int16_t min = 0;
    std::int16_t max = 0;
    std::int16_t smallChange = 1;
    std::int16_t largeChange = 1;

    bool operator==(const ScrollBar&) const = default;
};

// Which of optExclusion, optInclusion and optNone is selected; exactly one always is.
enum class SelectionType : std::uint8_t { Exclude, Include, None };

// The controls that can hold the keyboard focus, so that focus can live in the state.
enum class ControlId : std::uint8_t {
    None,
    txtNumber,
    txtSelNumbers,
    lstNumbers,
    HScroll2,
    HScroll1,
    HScroll3,
    cmdPick,
    cmdClearComb,
    cmdClear,
    cmdClearBaseSet,
    Command1,
    Option1,
    optExclusion,
    optInclusion,
    optNone,
    Label3, // the picked numbers, selectable so they can be copied
    Label5, // the play numbers, likewise
};

struct FocusTarget {
    ControlId control = ControlId::None;
    int index = 0; // for the control arrays txtNumber, txtSelNumbers and Option1

    bool operator==(const FocusTarget&) const = default;
};

// A fixed array addressed by positions 1..10000, as the pick and the combination store use it.
class NumberArray {
public:
    std::int16_t& operator[](int position) { return entries_[static_cast<std::size_t>(position)]; }
    std::int16_t operator[](int position) const {
        return entries_[static_cast<std::size_t>(position)];
    }
    void zero() { entries_.fill(0); }
    // Positions 1 to 10000 in order, for reading them all at once.
    std::span<const std::int16_t, kArraySize> positions() const {
        return std::span<const std::int16_t, kArraySize>(entries_.data() + 1, kArraySize);
    }
    bool operator==(const NumberArray&) const = default;

private:
    std::array<std::int16_t, kArraySize + 1> entries_{}; // entry 0 is never used
};

// The design-time caption of Label3 and Label5: the hundred numbers 00 to 99.
std::string designNumbersCaption();

// The state comes in named groups, each a plain record compared with ==. SelectorState is
// nothing but these groups, so a field always lands in one of them, and whatever takes, restores
// or compares the state group by group (the undo history, the fuzzer's checks) takes the new
// field with its group. A new group must be added to SelectorState's list below.

// The three sliders.
struct Sliders {
    // The pick-size slider: the player sees pick size HScroll2.value + 1 (1 to 10).
    ScrollBar HScroll2{.value = 4, .min = 0, .max = 9, .smallChange = 1, .largeChange = 2};
    // The quantity slider: how many of the stored numbers the next pick draws. Its bound follows
    // the stored numbers, but it is 1 while none are stored; see storedNumberCount().
    ScrollBar HScroll1{.value = 1, .min = 1, .max = 1, .smallChange = 1, .largeChange = 1};
    // The base-set size slider: how far the base set reaches (0 to 100).
    ScrollBar HScroll3{.value = 0, .min = 0, .max = 100, .smallChange = 1, .largeChange = 10};

    bool operator==(const Sliders&) const = default;
};

// The entry row, where the player types a combination.
struct EntryRow {
    EntryRow();

    BoxRow<kEntryBoxes> txtNumber; // one box per number of a combination
    std::string txtNumberToolTip;  // the tool tip over every entry box

    bool operator==(const EntryRow&) const = default;
};

// The base set boxes.
struct BaseSetBoxes {
    BaseSetBoxes();

    BoxRow<kBaseSetBoxes> txtSelNumbers; // the boxes in use shown

    bool operator==(const BaseSetBoxes&) const = default;
};

// The combination list.
struct CombinationList {
    std::vector<std::string> lstNumbers; // one line per combination, in entry order

    bool operator==(const CombinationList&) const = default;
};

// The numbers the last pick drew, each once.
struct PickedList {
    SortedList lstSort; // hidden: the picked numbers, ascending

    bool operator==(const PickedList&) const = default;
};

// The play numbers, each once.
struct PlayList {
    SortedList lstPlaySort; // hidden: the play numbers, ascending

    bool operator==(const PlayList&) const = default;
};

// The two fixed arrays behind the combinations and the pick.
struct NumberArrays {
    NumberArray CombNumbers; // hidden: every number of every combination, row by row
    NumberArray PickIndex;   // hidden: the positions drawn by the last pick

    bool operator==(const NumberArrays&) const = default;
};

// The option buttons.
struct OptionButtons {
    std::array<bool, 2> Option1{false, true}; // the "Auto Fill Starts With" 0 and 1 buttons
    SelectionType typeOfSelection = SelectionType::Exclude; // the Exclude/Include/None buttons

    bool operator==(const OptionButtons&) const = default;
};

// The texts of the labels, frames and the auto-fill button.
struct Captions {
    std::string Label1 = combinationsCaption(0); // above the combination list: their count
    std::string Label2 = quantityCaption(1);     // above the quantity slider: its value
    std::string Label3 = designNumbersCaption(); // the picked numbers, one line
    std::string Label4 = pickSizeCaption(10);    // above the pick-size slider: the pick size
    std::string Label5 = designNumbersCaption(); // the play numbers, one line
    std::string Frame1 = pickedCaption(0);       // around Label3: how many numbers were picked
    std::string Frame2 = baseSetCaption(0);      // around the base set boxes: how many are in use
    std::string Frame3 = playNumbersCaption(0);  // around Label5: how many play numbers
    std::string Command1 = autoFillCaption(0, 0, 0); // the auto-fill button: what it writes

    bool operator==(const Captions&) const = default;
};

// Where the keyboard focus is. The selection its focus handling gives a box lives in the box.
struct KeyboardFocus {
    // The control with the keyboard focus. `focusMoves` counts every time the focus was set and
    // its focus handling ran, so the window knows when to apply the focus and box selection.
    FocusTarget focus;
    unsigned focusMoves = 0;

    bool operator==(const KeyboardFocus&) const = default;
};

// Nothing the player sees: the keys still down whose releases are no keys of a box.
struct HeldKeys {
    // The keys of a command, Tab or a shortcut's key and the modifiers held with it, while they
    // are still down after Tab moved the focus or the shortcut ran (see PlayerEvents.h). Their
    // releases belong to that move or command and are not keys typed into the box with the focus.
    std::uint8_t commandKeysDown = 0;

    bool operator==(const HeldKeys&) const = default;
};

// A state made of nothing but its groups. Each field is reached by its own name (state.HScroll2)
// or its group as a whole (group<Sliders>(state)); forEachGroup visits every group in order.
template <typename... Groups>
struct GroupedState : Groups... {
    bool operator==(const GroupedState&) const = default;

    template <typename Visit>
    static constexpr void forEachGroupType(Visit&& visit) {
        (visit.template operator()<Groups>(), ...);
    }
};

// The whole state of the selector.
using SelectorState =
    GroupedState<Sliders, EntryRow, BaseSetBoxes, CombinationList, PickedList, PlayList,
                 NumberArrays, OptionButtons, Captions, KeyboardFocus, HeldKeys>;

template <typename Group>
Group& group(SelectorState& state) {
    return state;
}
template <typename Group>
const Group& group(const SelectorState& state) {
    return state;
}

// Derived values, recomputed from the controls every time they are needed and never stored.

// 0 with Option1(0) selected, 1 with Option1(1), 0 when neither is.
int autoFillStart(const SelectorState& state);

// The number n of base set boxes in use, txtSelNumbers(0) to txtSelNumbers(n - 1): the base set
// size less the auto-fill start. It is -1 for size 0 with start 1.
int inUseCount(const SelectorState& state);

// The pick size, 1 to 10.
inline int pickSize(const SelectorState& state) {
    return state.HScroll2.value + 1;
}

// How many numbers the stored combinations hold together: the positions a pick draws from.
inline int storedNumberCount(const SelectorState& state) {
    return pickSize(state) * static_cast<int>(state.lstNumbers.size());
}

// The box a target names in either row, or null when it names none.
TextBox* boxAt(SelectorState& state, FocusTarget target);
const TextBox* boxAt(const SelectorState& state, FocusTarget target);

} // namespace drawlet
