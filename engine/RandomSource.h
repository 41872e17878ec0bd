// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <random>

namespace drawlet {

// The selector's one source of uniform values in [0, 1). The pick draws from it and nothing
// else does; start-up seeds it once from the time of day. Tests pass a scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromTimeOfDay() = 0;
    // The next value, always at least 0 and always below 1.
    virtual double next() = 0;
};

// A Mersenne Twister seeded from the nanoseconds since midnight, so two starts even a fraction
// of a second apart pick differently.
class ClockSeededRandom final : public RandomSource {
public:
    void seedFromTimeOfDay() override;
    double next() override;
    void seed(std::uint64_t value) { engine_.seed(value); }

private:
    std::mt19937_64 engine_;
};

// Nanoseconds since local midnight, read from the system clock.
std::uint64_t nanosecondsSinceMidnight();

} // namespace drawlet
