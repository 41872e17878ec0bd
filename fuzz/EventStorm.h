// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The event storm: turns a sequence of bytes into the player's events on the selector core and
// checks every rule after each one.
//
// The first byte picks a profile (a mix of events), the second the pick size; then each move
// takes one byte for its kind and as many as it needs for its arguments. Most moves are the
// player's events through apply(), as the window makes them, out-of-range indices included; a
// typed key is its press, then the text the box now holds, then the key's release in the box
// with the focus. A few are single handler calls with any arguments. The storm stops when the
// bytes run out or a rule breaks. fuzz/corpus holds seeds; make_seeds.py writes those that lead
// to rarely reached handlers.

#include "HistoryModel.h"
#include "Invariants.h"
#include "RandomSource.h"
#include "SelectorState.h"
#include "StormEvent.h"
#include "UndoHistory.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace drawlet::storm {

// Reads the storm's bytes from the front; past the end every read gives 0.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool exhausted() const { return next_ >= bytes_.size(); }
    std::uint8_t byte();
    std::int16_t word();

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 0;
};

struct StormResult {
    std::size_t events = 0;
    std::size_t combinationsStored = 0;
    std::size_t mostCombinations = 0;
    std::optional<std::string> failure; // the broken rule and the events that led to it
};

class EventStorm {
public:
    // Runs start-up with the given source, which the picks then draw from.
    explicit EventStorm(RandomSource& random);

    StormResult run(std::span<const std::uint8_t> bytes);

    // One handler call, then the rules. Returns the event with what the handler gave back.
    StormEvent apply(StormEvent event);

    const SelectorState& state() const { return state_; }
    // For tests that plant a fault and expect the next event to report it.
    SelectorState& stateToTamperWith() { return state_; }
    const std::optional<std::string>& failure() const { return result_.failure; }
    bool failed() const { return result_.failure.has_value(); }

private:
    void playMove(ByteReader& bytes, std::uint8_t profile);
    void typeKey(std::int16_t code);
    void releaseKey(int keyCode, int modifiers);
    void paste(ByteReader& bytes);
    void pasteNumbers(ByteReader& bytes);
    void enterCombination(ByteReader& bytes);
    void enterBaseSet(ByteReader& bytes);
    void callAnyBoxHandler(ByteReader& bytes);
    void stepSlider(ByteReader& bytes);
    void callDirectHandler(ByteReader& bytes);
    std::optional<std::string> execute(StormEvent& event);
    std::optional<std::string> pasteVerdict(const StormEvent& event,
                                            const std::vector<double>& draws) const;
    std::optional<std::string> followHistory(const StormEvent& event);
    std::string trace() const;

    SelectorState state_;
    UndoHistory history_;
    RandomSource& random_;
    std::optional<InvariantChecker> checker_;
    std::optional<HistoryModel> model_;
    StormResult result_;
    std::deque<StormEvent> recent_;
    unsigned focusMovesSeen_ = 0;
    bool wholeTextSelected_ = false;
};

// Every event run by every storm in this process.
std::uint64_t stormEventsExecuted();

// Bytes for a storm from a seed, with the given profile.
std::vector<std::uint8_t> seededStormBytes(std::uint64_t seed, std::uint8_t profile,
                                           std::size_t size);

} // namespace drawlet::storm
