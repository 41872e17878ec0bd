// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// The base set as the player sets it up: size, auto-fill start, whether auto-fill was pressed,
// and texts then written into boxes; the picked numbers are entered as one combination.
struct PlayRow {
    const char* name;
    // Names the row in test listings instead of dumping its bytes.
    friend void PrintTo(const PlayRow& row, std::ostream* out) { *out << row.name; }
    int size;
    int start;
    bool autoFill;
    std::vector<std::pair<int, std::string>> boxTexts;
    std::vector<std::string> picked;
    SelectionType type;
    const char* frame3;
    std::string label5;
};

constexpr auto Exclude = SelectionType::Exclude;
constexpr auto Include = SelectionType::Include;
constexpr auto None = SelectionType::None;

// clang-format off
const PlayRow kPlayRows[] = {
    {"NoBaseSetNothingPicked", 0, 1, false, {}, {}, Exclude, "0 - Play Numbers", ""},
    {"NoBaseSetIncludeShowsThePicked", 0, 1, false, {}, {"07", "33"}, Include,
     "2 - Play Numbers", "07 33 "},
    {"NoBaseSetExcludeShowsNothing", 0, 1, false, {}, {"07", "33"}, Exclude,
     "0 - Play Numbers", ""},
    {"NoBaseSetNoneShowsNothing", 0, 1, false, {}, {"07", "33"}, None, "0 - Play Numbers", ""},
    {"OneDigitBoxSkippedRepeatShownOnce", 4, 0, false,
     {{0, "05"}, {1, "12"}, {2, "05"}, {3, "7"}}, {}, Exclude, "2 - Play Numbers", "05 12 "},
    {"ExcludeRemovesThePicked", 11, 1, true, {}, {"03", "44"}, Exclude,
     "9 - Play Numbers", "01 02 " + numberLine(4, 10)},
    {"IncludeAddsThePickedInOrder", 11, 1, true, {}, {"03", "44"}, Include,
     "11 - Play Numbers", numberLine(1, 10) + "44 "},
    {"NoneIgnoresThePicked", 11, 1, true, {}, {"03", "44"}, None,
     "10 - Play Numbers", numberLine(1, 10)},
    {"EveryBaseSetNumberExcluded", 2, 0, false, {{0, "03"}, {1, "07"}}, {"07", "03"}, Exclude,
     "0 - Play Numbers", ""},
    {"ExcludeRemovesEveryRepeat", 3, 0, false, {{0, "05"}, {1, "12"}, {2, "05"}}, {"05"},
     Exclude, "1 - Play Numbers", "12 "},
    {"IncludeListsAPickedBaseSetNumberOnce", 2, 0, false, {{0, "03"}, {1, "07"}},
     {"07", "33"}, Include, "3 - Play Numbers", "03 07 33 "},
    {"Box49IgnoredAtSize50Start1", 50, 1, true, {{49, "99"}}, {}, Exclude,
     "49 - Play Numbers", numberLine(1, 49)},
    {"HundredDistinctNumbers", 100, 0, true, {}, {}, None, "100 - Play Numbers",
     numberLine(0, 99)},
};
// clang-format on

class PlayNumbers : public ::testing::TestWithParam<PlayRow> {};

TEST_P(PlayNumbers, ShowsTheResultAndARecomputeChangesNothing) {
    const PlayRow& row = GetParam();
    Selector app;
    if (!row.picked.empty()) {
        app.setPickSize(static_cast<int>(row.picked.size()));
        app.enterCombination(row.picked);
        ASSERT_EQ(app.s.lstNumbers.size(), 1U);
    }
    app.setBaseSet(row.size, row.start);
    if (row.autoFill) {
        Command1_Click(app.s);
    }
    for (const auto& [index, text] : row.boxTexts) {
        ASSERT_TRUE(app.editBaseSet(index, text));
    }
    chooseTypeOfSelection(app.s, row.type);

    EXPECT_EQ(app.s.Frame3, row.frame3);
    EXPECT_EQ(app.s.Label5, row.label5);

    const Shown before(app.s);
    const SortedList playBefore = app.s.lstPlaySort;
    Display_Play_Numbers(app.s);
    optExclusion_GotFocus(app.s);
    optInclusion_GotFocus(app.s);
    optNone_GotFocus(app.s);
    EXPECT_EQ(Shown(app.s), before);
    EXPECT_EQ(app.s.lstPlaySort, playBefore);
}

INSTANTIATE_TEST_SUITE_P(Table, PlayNumbers, ::testing::ValuesIn(kPlayRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlayNumbers, FollowEachChangeOfTheTypeOfSelectionAtOnce) {
    Selector app;
    app.setPickSize(2);
    app.enterCombination({"03", "44"});
    app.setBaseSet(11, 1);
    Command1_Click(app.s);

    const struct {
        SelectionType type;
        const char* frame3;
    } steps[] = {{Include, "11 - Play Numbers"},
                 {None, "10 - Play Numbers"},
                 {Exclude, "9 - Play Numbers"},
                 {Include, "11 - Play Numbers"}};
    for (const auto& step : steps) {
        chooseTypeOfSelection(app.s, step.type);
        EXPECT_EQ(app.s.Frame3, step.frame3);
    }
}

} // namespace
} // namespace drawlet::testing
