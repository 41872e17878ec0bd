#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// "01 02 03 " for 1..3: the Label5 line of consecutive numbers.
std::string numbersFrom(int first, int last) {
    std::string line;
    for (int number = first; number <= last; ++number) {
        line += (number < 10 ? "0" : "") + std::to_string(number) + ' ';
    }
    return line;
}

struct PlayRow {
    const char* name;
    int baseSetSize;
    int autoFillStart;
    bool autoFill;
    std::vector<std::pair<int, std::string>> boxTexts; // written into base set boxes afterwards
    int laterBaseSetSize;                              // -1 keeps the size
    std::vector<std::string> picked; // entered as one combination of this many numbers
    SelectionType type;
    const char* frame3;
    std::string label5;
};

const PlayRow kPlayRows[] = {
    {"NoBaseSetNothingPicked",
     0,
     1,
     false,
     {},
     -1,
     {},
     SelectionType::Exclude,
     "0 - Play Numbers",
     ""},
    {"NoBaseSetIncludeShowsThePicked",
     0,
     1,
     false,
     {},
     -1,
     {"07", "33"},
     SelectionType::Include,
     "2 - Play Numbers",
     "07 33 "},
    {"NoBaseSetExcludeShowsNothing",
     0,
     1,
     false,
     {},
     -1,
     {"07", "33"},
     SelectionType::Exclude,
     "0 - Play Numbers",
     ""},
    {"NoBaseSetNoneShowsNothing",
     0,
     1,
     false,
     {},
     -1,
     {"07", "33"},
     SelectionType::None,
     "0 - Play Numbers",
     ""},
    {"OneDigitBoxSkippedRepeatShownOnce",
     4,
     0,
     false,
     {{0, "05"}, {1, "12"}, {2, "05"}, {3, "7"}},
     -1,
     {},
     SelectionType::Exclude,
     "2 - Play Numbers",
     "05 12 "},
    {"ExcludeRemovesThePickedFromTheBaseSet",
     11,
     1,
     true,
     {},
     -1,
     {"03", "44"},
     SelectionType::Exclude,
     "9 - Play Numbers",
     "01 02 " + numbersFrom(4, 10)},
    {"IncludeAddsThePickedInOrder",
     11,
     1,
     true,
     {},
     -1,
     {"03", "44"},
     SelectionType::Include,
     "11 - Play Numbers",
     numbersFrom(1, 10) + "44 "},
    {"NoneIgnoresThePicked",
     11,
     1,
     true,
     {},
     -1,
     {"03", "44"},
     SelectionType::None,
     "10 - Play Numbers",
     numbersFrom(1, 10)},
    {"EveryBaseSetNumberExcluded",
     2,
     0,
     false,
     {{0, "03"}, {1, "07"}},
     -1,
     {"07", "03"},
     SelectionType::Exclude,
     "0 - Play Numbers",
     ""},
    {"ExcludeRemovesEveryRepeatOfAPickedNumber",
     3,
     0,
     false,
     {{0, "05"}, {1, "12"}, {2, "05"}},
     -1,
     {"05"},
     SelectionType::Exclude,
     "1 - Play Numbers",
     "12 "},
    {"IncludeListsAPickedBaseSetNumberOnce",
     2,
     0,
     false,
     {{0, "03"}, {1, "07"}},
     -1,
     {"07", "33"},
     SelectionType::Include,
     "3 - Play Numbers",
     "03 07 33 "},
    {"Box49IgnoredAtSize50Start1",
     50,
     1,
     true,
     {{49, "99"}},
     -1,
     {},
     SelectionType::Exclude,
     "49 - Play Numbers",
     numbersFrom(1, 49)},
    {"BoxesLeftByALowerSizeNoLongerCount",
     51,
     1,
     true,
     {},
     20,
     {},
     SelectionType::Exclude,
     "19 - Play Numbers",
     numbersFrom(1, 19)},
    {"HundredDistinctNumbers",
     100,
     0,
     true,
     {},
     -1,
     {},
     SelectionType::None,
     "100 - Play Numbers",
     numbersFrom(0, 99)},
};

class PlayNumbers : public ::testing::TestWithParam<PlayRow> {};

TEST_P(PlayNumbers, ShowsTheResultAndARecomputeChangesNothing) {
    const PlayRow& row = GetParam();
    Selector app;
    if (!row.picked.empty()) {
        app.setPickSize(static_cast<int>(row.picked.size()));
        app.enterCombination(row.picked);
        ASSERT_EQ(app.s.lstNumbers.size(), 1U);
    }
    app.setBaseSet(row.baseSetSize, row.autoFillStart);
    if (row.autoFill) {
        Command1_Click(app.s);
    }
    for (const auto& [index, text] : row.boxTexts) {
        ASSERT_TRUE(editBaseSetBox(app.s, index, text));
    }
    if (row.laterBaseSetSize >= 0) {
        moveSlider(app.s, SliderId::HScroll3, row.laterBaseSetSize);
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
    } steps[] = {{SelectionType::Include, "11 - Play Numbers"},
                 {SelectionType::None, "10 - Play Numbers"},
                 {SelectionType::Exclude, "9 - Play Numbers"},
                 {SelectionType::Include, "11 - Play Numbers"}};
    for (const auto& step : steps) {
        chooseTypeOfSelection(app.s, step.type);
        EXPECT_EQ(app.s.Frame3, step.frame3);
    }
}

} // namespace
} // namespace drawlet::testing
