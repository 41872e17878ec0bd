// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoxText.h"

#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

struct KeyRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }
    int code;
    bool passes;
};

const KeyRow kKeyRows[] = {
    {"Zero", '0', true},
    {"Nine", '9', true},
    {"Backspace", 8, true},
    {"Slash", '/', false},
    {"Colon", ':', false},
    {"Letter", 'a', false},
    {"Space", ' ', false},
    {"Minus", '-', false},
    {"Enter", 13, false},
    {"Escape", 27, false},
    {"Nul", 0, false},
    {"Negative", -1, false},
    {"ZeroPlus256", '0' + 256, false},
};

class KeyFilter : public ::testing::TestWithParam<KeyRow> {};

TEST_P(KeyFilter, LetsOnlyDigitsAndBackspaceThroughInBothRows) {
    const KeyRow& row = GetParam();
    EXPECT_EQ(passesKeyFilter(row.code), row.passes);
    if (row.code == 0) {
        return; // a key press with no character has nothing to filter
    }
    Selector app;
    EXPECT_EQ(app.pressKey(entryBoxFocus(0), row.code), row.passes);
    EXPECT_EQ(app.pressKey(baseSetBoxFocus(0), row.code), row.passes);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyFilter, ::testing::ValuesIn(kKeyRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Whatever route a text takes into a box (typed, pasted, dropped), the box takes digits only,
// two at most, and refuses any other text whole.
struct BoxTextRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const BoxTextRow& row, std::ostream* out) { *out << row.name; }
    const char* text;
    bool taken;
};

const BoxTextRow kBoxTextRows[] = {
    {"Empty", "", true},
    {"OneDigit", "7", true},
    {"TwoDigits", "07", true},
    {"ThreeDigits", "123", false},
    {"DigitAndLetter", "0a", false},
    {"LeadingSpace", " 1", false},
    {"Sign", "-1", false},
    {"DecimalPoint", "1.", false},
    {"FullWidthDigit", "\xef\xbc\x91", false},
};

class BoxText : public ::testing::TestWithParam<BoxTextRow> {};

TEST_P(BoxText, IsTakenOnlyWhenDigitsAndAtMostTwo) {
    const BoxTextRow& row = GetParam();
    Selector app;
    ASSERT_TRUE(app.editEntry(2, "42"));
    ASSERT_TRUE(app.editBaseSet(2, "42"));

    EXPECT_EQ(app.editEntry(2, row.text), row.taken);
    EXPECT_EQ(app.editBaseSet(2, row.text), row.taken);
    const std::string expected = row.taken ? row.text : "42";
    EXPECT_EQ(app.s.txtNumber[2].text, expected);
    EXPECT_EQ(app.s.txtSelNumbers[2].text, expected);
}

INSTANTIATE_TEST_SUITE_P(Table, BoxText, ::testing::ValuesIn(kBoxTextRows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace drawlet::testing
