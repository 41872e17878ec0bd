// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Random sources for storms. Both are deterministic and both ignore the request to seed from
// the time of day, so a storm replays exactly from its input or its seed.

#include "RandomSource.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>

namespace drawlet::storm {

// Hands out values taken from a slice of the fuzz input, two bytes each, so the fuzzer steers
// the picks too. The word 0xFFFF stands for the largest double below 1, where rounding could
// push a position past the last one. When the slice runs out, a generator seeded from the whole
// input takes over: a redraw loop always finds a free position in the end.
class ByteFedRandom final : public RandomSource {
public:
    ByteFedRandom(std::span<const std::uint8_t> slice, std::uint64_t fallbackSeed);

    void seedFromTimeOfDay() override {}
    double next() override;

private:
    std::span<const std::uint8_t> slice_;
    std::size_t used_ = 0;
    std::mt19937_64 fallback_;
};

// A Mersenne Twister with a fixed seed, for the seeded storms of the test suite.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}

    void seedFromTimeOfDay() override {}
    double next() override;

private:
    std::mt19937_64 engine_;
};

// 64-bit FNV-1a of a byte sequence.
std::uint64_t hashBytes(std::span<const std::uint8_t> bytes);

} // namespace drawlet::storm
