// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReadableColours.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace drawlet::view {

void PrintTo(Rgb colour, std::ostream* out) {
    *out << int{colour.red} << ',' << int{colour.green} << ',' << int{colour.blue};
}

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kDarkRed{128, 0, 0};
constexpr Rgb kDarkBlue{0, 0, 128};
constexpr Rgb kPink{0xff, 0x80, 0x80};

constexpr Rgb grey(std::uint8_t level) {
    return {level, level, level};
}

TEST(ReadableColours, ContrastFollowsWcag) {
    EXPECT_DOUBLE_EQ(contrastRatio(kBlack, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(kDarkRed, kDarkRed), 1.0);
    // WCAG's own example: #767676 is the lightest grey that reads on white.
    EXPECT_NEAR(contrastRatio(grey(0x76), kWhite), 4.54, 0.01);
    EXPECT_NEAR(contrastRatio(kWhite, kDarkRed), contrastRatio(kDarkRed, kWhite), 1e-12);
}

enum class Outcome { Kept, Lighter, Darker, Black, White };

// The hue of a colour that is neither black nor white, in sixths of the circle.
double hueOf(Rgb colour) {
    const double r = colour.red;
    const double g = colour.green;
    const double b = colour.blue;
    const double high = std::max({r, g, b});
    const double spread = high - std::min({r, g, b});
    if (high == r) {
        return std::fmod((g - b) / spread + 6, 6);
    }
    return high == g ? 2 + (b - r) / spread : 4 + (r - g) / spread;
}

struct Background {
    const char* what;
    Rgb design;
    Rgb background;
    Outcome outcome;
    // Where given, the colour the window has always painted there.
    std::optional<Rgb> painted;
};

TEST(ReadableColours, ResultColoursReadOnEveryBackground) {
    const Background rows[] = {
        {"dark red, light grey window", kDarkRed, grey(0xef), Outcome::Kept, kDarkRed},
        {"dark blue, white", kDarkBlue, kWhite, Outcome::Kept, kDarkBlue},
        {"dark red, qt6ct darker",
         kDarkRed,
         {0x22, 0x20, 0x20},
         Outcome::Lighter,
         Rgb{255, 97, 97}},
        {"dark blue, qt6ct darker",
         kDarkBlue,
         {0x22, 0x20, 0x20},
         Outcome::Lighter,
         Rgb{138, 138, 255}},
        {"dark red, black", kDarkRed, kBlack, Outcome::Lighter, Rgb{255, 34, 34}},
        {"dark blue, black", kDarkBlue, kBlack, Outcome::Lighter, Rgb{113, 113, 255}},
        {"dark blue, navy", kDarkBlue, {0, 0, 0x60}, Outcome::Lighter, Rgb{128, 128, 255}},
        {"dark red, dim light grey", kDarkRed, grey(0xa0), Outcome::Darker, Rgb{92, 0, 0}},
        // The design is darker than this grey, yet only a lighter blue reads on it: the colour
        // moves away from the background, not away from where the design started.
        {"dark blue, dark grey lighter than the design", kDarkBlue, grey(0x50), Outcome::Lighter,
         Rgb{210, 210, 255}},
        {"dark red, mid grey (only black reads)", kDarkRed, grey(0x77), Outcome::Black, {}},
        // On WCAG's grey a near-black and a near-white variant would both reach 4.5:1, but
        // neither has the room above it: black, which reads best there, whatever the design.
        {"dark red, WCAG's grey", kDarkRed, grey(0x76), Outcome::Black, {}},
        {"pink, WCAG's grey", kPink, grey(0x76), Outcome::Black, {}},
        {"pink, a grey where white reads best", kPink, grey(0x70), Outcome::White, {}},
    };
    for (const Background& row : rows) {
        SCOPED_TRACE(row.what);
        const Rgb shown = readableOn(row.design, row.background);
        if (row.painted) {
            EXPECT_EQ(shown, *row.painted);
        }
        switch (row.outcome) {
        case Outcome::Kept:
            EXPECT_EQ(shown, row.design);
            break;
        case Outcome::Black:
            EXPECT_EQ(shown, kBlack);
            break;
        case Outcome::White:
            EXPECT_EQ(shown, kWhite);
            break;
        case Outcome::Lighter:
        case Outcome::Darker: {
            ASSERT_NE(shown, kBlack);
            ASSERT_NE(shown, kWhite);
            EXPECT_NEAR(hueOf(shown), hueOf(row.design), 0.06);
            const bool lighter = relativeLuminance(shown) > relativeLuminance(row.design);
            EXPECT_EQ(lighter, row.outcome == Outcome::Lighter);
            break;
        }
        }
        // Chosen with room for smoothing; only where no colour has that room, black or white.
        const bool blackOrWhite = shown == kBlack || shown == kWhite;
        EXPECT_GE(contrastRatio(shown, row.background),
                  blackOrWhite ? kReadableContrast : kChosenContrast);
    }
}

// Every grey a desktop may give the result lines, from black to white.
TEST(ReadableColours, BothResultColoursReadOnEveryGrey) {
    for (const Rgb design : {kDarkRed, kDarkBlue}) {
        for (int level = 0; level <= 255; ++level) {
            const Rgb background = grey(static_cast<std::uint8_t>(level));
            const Rgb shown = readableOn(design, background);
            const bool blackOrWhite = shown == kBlack || shown == kWhite;
            EXPECT_GE(contrastRatio(shown, background),
                      blackOrWhite ? kReadableContrast : kChosenContrast)
                << "grey " << level;
        }
    }
}

} // namespace
} // namespace drawlet::view
