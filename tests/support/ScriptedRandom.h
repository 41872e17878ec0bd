// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "RandomSource.h"

#include <cstddef>
#include <stdexcept>
#include <utility>
#include <vector>

namespace drawlet::testing {

// A random source that hands out the values a test scripts, in order, and records how many it
// gave. Running out of values fails the test loudly rather than repeating any.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}

    void script(std::vector<double> values) {
        values_ = std::move(values);
        next_ = 0;
    }
    void seedFromTimeOfDay() override { ++seeds_; }
    double next() override {
        if (next_ >= values_.size()) {
            throw std::logic_error("ScriptedRandom: the script ran out of values");
        }
        return values_[next_++];
    }

    std::size_t drawn() const { return next_; }
    int seeds() const { return seeds_; }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
    int seeds_ = 0;
};

} // namespace drawlet::testing
