// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "StormRandom.h"

#include <cmath>

namespace drawlet::storm {
namespace {

double unitFromBits(std::uint64_t bits) {
    constexpr double scale = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(bits >> 11) * scale;
}

} // namespace

ByteFedRandom::ByteFedRandom(std::span<const std::uint8_t> slice, std::uint64_t fallbackSeed)
    : slice_(slice), fallback_(fallbackSeed) {}

double ByteFedRandom::next() {
    if (used_ + 2 <= slice_.size()) {
        const auto word = static_cast<unsigned>(slice_[used_] << 8U | slice_[used_ + 1]);
        used_ += 2;
        if (word == 0xFFFFU) {
            return std::nextafter(1.0, 0.0);
        }
        return static_cast<double>(word) / 65536.0;
    }
    return unitFromBits(fallback_());
}

double SeededRandom::next() {
    return unitFromBits(engine_());
}

std::uint64_t hashBytes(std::span<const std::uint8_t> bytes) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint8_t byte : bytes) {
        hash ^= byte;
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace drawlet::storm
