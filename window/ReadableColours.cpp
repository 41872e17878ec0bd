// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableColours.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace drawlet::view {
namespace {

double linearChannel(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Colours are worked out as the window has always worked them out, so that no desktop sees
// its result lines shift by one level: channels, saturation and lightness in 16 bits and hue
// in hundredths of a degree, each step in single precision and rounded half up.
constexpr float kFine = 65535.0f;
constexpr int kHueTurn = 36000;

int roundedUp(float value) {
    return static_cast<int>(value + 0.5f);
}

// An 8-bit channel as a fraction, as the fine levels give it.
float fraction(std::uint8_t channel) {
    return static_cast<float>(channel * 257) / kFine;
}

struct Hsl {
    int hue = -1; // hundredths of a degree; -1 for a grey, which has none
    int saturation = 0;
    int lightness = 0;
};

Hsl hslOf(Rgb colour) {
    const float r = fraction(colour.red);
    const float g = fraction(colour.green);
    const float b = fraction(colour.blue);
    const float high = std::max({r, g, b});
    const float low = std::min({r, g, b});
    const float spread = high - low;
    const float sum = high + low;
    const float lightness = 0.5f * sum;
    Hsl hsl;
    hsl.lightness = roundedUp(lightness * kFine);
    if (spread <= 0.0f) {
        return hsl;
    }
    hsl.saturation = roundedUp(spread / (lightness < 0.5f ? sum : 2.0f - sum) * kFine);
    float sixths = 0;
    if (r == high) {
        sixths = (g - b) / spread;
    } else if (g == high) {
        sixths = 2.0f + (b - r) / spread;
    } else {
        sixths = 4.0f + (r - g) / spread;
    }
    float degrees = sixths * 60.0f;
    if (degrees < 0.0f) {
        degrees += 360.0f;
    }
    hsl.hue = roundedUp(degrees * 100.0f);
    return hsl;
}

// One channel in fine levels; `turn` is the channel's place on the colour circle, 0 to 1.
int channelAt(float turn, float low, float high) {
    if (turn < 0.0f) {
        turn += 1.0f;
    } else if (turn > 1.0f) {
        turn -= 1.0f;
    }
    float channel = low;
    if (turn * 6.0f < 1.0f) {
        channel = low + (high - low) * turn * 6.0f;
    } else if (turn * 2.0f < 1.0f) {
        channel = high;
    } else if (turn * 3.0f < 2.0f) {
        channel = low + (high - low) * (2.0f / 3.0f - turn) * 6.0f;
    }
    const int fine = roundedUp(channel * kFine);
    return fine == 1 ? 0 : fine;
}

// Fine levels to the nearest 8-bit level.
std::uint8_t toLevel(int fine) {
    return static_cast<std::uint8_t>((fine + 128) / 257);
}

// The colour as it is painted: whole levels of 8 bits.
Rgb rgbOf(const Hsl& hsl) {
    if (hsl.saturation == 0 || hsl.hue < 0) {
        const std::uint8_t grey = toLevel(hsl.lightness);
        return {grey, grey, grey};
    }
    if (hsl.lightness == 0) {
        return {0, 0, 0};
    }
    const float turn = hsl.hue == kHueTurn ? 0.0f : static_cast<float>(hsl.hue) / kHueTurn;
    const float s = static_cast<float>(hsl.saturation) / kFine;
    const float l = static_cast<float>(hsl.lightness) / kFine;
    const float high = l < 0.5f ? l * (1.0f + s) : l + s - l * s;
    const float low = 2.0f * l - high;
    return {toLevel(channelAt(turn + 1.0f / 3.0f, low, high)), toLevel(channelAt(turn, low, high)),
            toLevel(channelAt(turn - 1.0f / 3.0f, low, high))};
}

// Lightness is tried in steps finer than one level of an 8-bit channel, on the colour as it
// will be painted, so the rounding to whole levels cannot take it below the contrast.
constexpr int kLightnessSteps = 1024;

// The first colour from the design's lightness towards `towards` (0 for black, 1 for white)
// that reads well on the background.
std::optional<Rgb> firstReadable(Rgb design, Rgb background, double towards) {
    Hsl candidate = hslOf(design);
    const double start = static_cast<float>(candidate.lightness) / kFine;
    for (int step = 1; step <= kLightnessSteps; ++step) {
        const double lightness = start + (towards - start) * step / kLightnessSteps;
        candidate.lightness = roundedUp(static_cast<float>(lightness) * kFine);
        const Rgb painted = rgbOf(candidate);
        if (contrastRatio(painted, background) >= kChosenContrast) {
            return painted;
        }
    }
    return std::nullopt;
}

} // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linearChannel(fraction(colour.red)) +
           0.7152 * linearChannel(fraction(colour.green)) +
           0.0722 * linearChannel(fraction(colour.blue));
}

double contrastRatio(Rgb first, Rgb second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb readableOn(Rgb design, Rgb background) {
    if (contrastRatio(design, background) >= kChosenContrast) {
        return design;
    }
    // Whichever way reads better at its end, white or black, is the only way that can read at
    // all: white reaches 5.5:1 only on a background darker than luminance 0.141, black only on
    // one lighter than 0.225, and the lightest and darkest colour of any hue are white and
    // black. So the colour moves away from the background, and where it cannot read with room
    // to spare (a background between the two) it ends at black or white.
    constexpr Rgb black{0, 0, 0};
    constexpr Rgb white{255, 255, 255};
    const bool lighter = contrastRatio(white, background) > contrastRatio(black, background);
    return firstReadable(design, background, lighter ? 1.0 : 0.0).value_or(lighter ? white : black);
}

} // namespace drawlet::view
