// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer entry: every input is one storm on a fresh selector. A broken rule aborts with the
// rule and the last events, so libFuzzer keeps the input as a crash.

#include "EventStorm.h"
#include "StormRandom.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::uint64_t inputsRun = 0;
std::uint64_t combinationsStored = 0;
std::uint64_t fullLists = 0;

void printTotals() {
    std::fprintf(stderr,
                 "drawlet_fuzz: %llu events executed in %llu inputs; %llu combinations stored, "
                 "%llu inputs reached 100 combinations\n",
                 static_cast<unsigned long long>(drawlet::storm::stormEventsExecuted()),
                 static_cast<unsigned long long>(inputsRun),
                 static_cast<unsigned long long>(combinationsStored),
                 static_cast<unsigned long long>(fullLists));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    [[maybe_unused]] static const int registered = std::atexit(printTotals);

    const std::span<const std::uint8_t> input(data, size);
    // The last eighth of the input (at most 256 bytes) feeds the picks; the rest are events.
    const std::size_t randomBytes = std::min<std::size_t>(size / 8, 256);
    drawlet::storm::ByteFedRandom random(input.last(randomBytes), drawlet::storm::hashBytes(input));
    drawlet::storm::EventStorm storm(random);
    const drawlet::storm::StormResult result = storm.run(input.first(size - randomBytes));

    ++inputsRun;
    combinationsStored += result.combinationsStored;
    if (result.mostCombinations >= 100) {
        ++fullLists;
    }
    if (result.failure) {
        std::fprintf(stderr, "drawlet_fuzz: rule broken: %s\n", result.failure->c_str());
        std::abort();
    }
    return 0;
}
