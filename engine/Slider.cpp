// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Slider.h"

#include <algorithm>

namespace drawlet {

bool writeSliderValue(ScrollBar& slider, int value) {
    const auto clamped = static_cast<std::int16_t>(std::clamp<int>(value, slider.min, slider.max));
    if (clamped == slider.value) {
        return false;
    }
    slider.value = clamped;
    return true;
}

} // namespace drawlet
