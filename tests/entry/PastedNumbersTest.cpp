// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PastedNumbers.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

using namespace std::string_view_literals;

struct PasteRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const PasteRow& row, std::ostream* out) { *out << row.name; }
    std::string_view text;
    const char* typed; // null: refused whole
};

const PasteRow kPasteRows[] = {
    {"OneNumber", "07", "07"},
    {"Spaces", "03 14 15 65 92", "0314156592"},
    {"PlayNumbersLine", "03 17 42 ", "031742"},
    {"EveryKindOfSeparator", "01,02;03\t04\n05\r\n06", "010203040506"},
    {"SeparatorRunsAndEnds", " ,;\t01 ,  02;\r\n", "0102"},
    {"LineWithEmptyBox", "03  22 37 41 ", "03223741"},
    {"NoBreakSpace", "03\u00a014", "0314"},
    {"Empty", "", nullptr},
    {"SeparatorsOnly", " ,\r\n", nullptr},
    {"OneDigit", "03 4 15", nullptr},
    {"ThreeDigits", "03 145", nullptr},
    {"DigitsRunTogether", "0314", nullptr},
    {"Letter", "03 1a", nullptr},
    {"Sign", "-3 14", nullptr},
    {"DecimalPoint", "03.14", nullptr},
    {"OtherSeparator", "03/14", nullptr},
    {"FullWidthDigits", "\xef\xbc\x90\xef\xbc\x93", nullptr},
    {"NulInside", "03\0 14"sv, nullptr},
};

class PastedNumbers : public ::testing::TestWithParam<PasteRow> {};

TEST_P(PastedNumbers, TypesTwoDigitNumbersAndRefusesAnythingElseWhole) {
    const PasteRow& row = GetParam();
    const std::optional<std::string> typed = pastedDigits(row.text);
    if (row.typed == nullptr) {
        EXPECT_FALSE(typed.has_value()) << *typed;
    } else {
        EXPECT_EQ(typed, row.typed);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, PastedNumbers, ::testing::ValuesIn(kPasteRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drawlet::testing
