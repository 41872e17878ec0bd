// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole state of the selector as plain data.
//
// Every element mirrors a value that one of the window's controls holds and shows: slider
// positions, list lines, box texts and visibility, option buttons and captions. Only
// `CombNumbers` and `PickIndex` have no control behind them. The handlers read and write this
// record; the window copies it into its widgets after each handler and never keeps a truth of
// its own. Nothing here knows about any toolkit.

#include "SortedList.h"

#include <array>
#include <cstdint>
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

private:
    std::array<std::int16_t, kArraySize + 1> entries_{}; // entry 0 is never used
};

// The design-time caption of Label3 and Label5: the hundred numbers 00 to 99.
std::string designNumbersCaption();

struct SelectorState {
    SelectorState();

    // Pick size is HScroll2.value + 1; the quantity to pick is HScroll1.value out of
    // HScroll1.max stored numbers; HScroll3 is the base set size.
    ScrollBar HScroll2{.value = 4, .min = 0, .max = 9, .smallChange = 1, .largeChange = 2};
    ScrollBar HScroll1{.value = 1, .min = 1, .max = 1, .smallChange = 1, .largeChange = 1};
    ScrollBar HScroll3{.value = 0, .min = 0, .max = 100, .smallChange = 1, .largeChange = 10};

    std::array<TextBox, kEntryBoxes> txtNumber;
    std::array<TextBox, kBaseSetBoxes> txtSelNumbers;
    std::string txtNumberToolTip;

    std::vector<std::string> lstNumbers; // one line per entered combination, in entry order
    SortedList lstSort;                  // the picked numbers
    SortedList lstPlaySort;              // the play numbers

    NumberArray CombNumbers; // every number of every combination, row by row
    NumberArray PickIndex;   // the positions drawn by the last pick

    std::array<bool, 2> Option1{false, true}; // auto-fill starts with 0 or 1
    SelectionType typeOfSelection = SelectionType::Exclude;

    std::string Label1 = "Combinations - 0";
    std::string Label2 = "Quantity of Combination Numbers to Pick - 1";
    std::string Label3;
    std::string Label4 = "Lottery Pick Size - 10";
    std::string Label5;
    std::string Frame1 = "0 - Exclusion or Inclusion Numbers";
    std::string Frame2 = "0 - Base Set Numbers";
    std::string Frame3 = "0 - Play Numbers";
    std::string Command1 = "Auto Fill Base Set 00 to NN";

    // The control with the keyboard focus. `focusMoves` counts every time the focus was set and
    // its focus handling ran, so the window knows when to apply the focus and box selection.
    FocusTarget focus;
    unsigned focusMoves = 0;
};

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

} // namespace drawlet
