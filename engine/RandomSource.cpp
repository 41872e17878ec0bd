// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"

#include <chrono>
#include <ctime>

namespace drawlet {

std::uint64_t nanosecondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    // std::localtime, not POSIX's localtime_r, which Windows lacks: the core runs on one thread,
    // and its shared result is read at once.
    const std::tm* local = std::localtime(&seconds);
    const auto wholeSeconds =
        local != nullptr ? local->tm_hour * 3600 + local->tm_min * 60 + local->tm_sec : 0;
    const auto fraction = now - floor<std::chrono::seconds>(now);
    return static_cast<std::uint64_t>(wholeSeconds) * 1'000'000'000U +
           static_cast<std::uint64_t>(duration_cast<nanoseconds>(fraction).count());
}

void ClockSeededRandom::seedFromTimeOfDay() {
    engine_.seed(nanosecondsSinceMidnight());
}

double ClockSeededRandom::next() {
    // The top 53 bits as a fraction of 2^53: every double in [0, 1) this can give is exact,
    // and 1.0 itself is out of reach.
    constexpr double scale = 1.0 / 9007199254740992.0;
    return static_cast<double>(engine_() >> 11) * scale;
}

} // namespace drawlet
