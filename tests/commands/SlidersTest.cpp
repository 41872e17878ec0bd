#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// The quantity slider after two combinations of five (10 stored numbers): a move lands inside
// 1..10 and the caption follows the value.
struct QuantityRow {
    const char* name;
    int movedTo;
    int value;
};

const QuantityRow kQuantityRows[] = {
    {"InsideTheRange", 3, 3}, {"AtTheMax", 10, 10},  {"AboveTheMax", 11, 10},
    {"AtTheMin", 1, 1},       {"BelowTheMin", 0, 1}, {"Negative", -5, 1},
};

class QuantitySlider : public ::testing::TestWithParam<QuantityRow> {};

TEST_P(QuantitySlider, StaysWithinItsBoundsAndShowsItsValue) {
    const QuantityRow& row = GetParam();
    Selector app;
    app.enterCombination({"03", "15", "22", "37", "41"});
    app.enterCombination({"44", "05", "15", "60", "99"});
    app.setQuantity(6);

    app.setQuantity(row.movedTo);

    EXPECT_EQ(app.s.HScroll1.value, row.value);
    EXPECT_EQ(app.s.HScroll1.max, 10);
    EXPECT_EQ(app.s.Label2,
              "Quantity of Combination Numbers to Pick - " + std::to_string(row.value));
}

INSTANTIATE_TEST_SUITE_P(Table, QuantitySlider, ::testing::ValuesIn(kQuantityRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(QuantitySlider, WithNoCombinationStaysAtOne) {
    Selector app;
    app.setQuantity(5);
    EXPECT_EQ(app.s.HScroll1, (ScrollBar{.value = 1, .min = 1, .max = 1}));
    EXPECT_EQ(app.s.Label2, "Quantity of Combination Numbers to Pick - 1");
}

// The pick-size slider: a move lands inside 0..9 and sets up the entry row; a move to the
// value it already holds is no change and keeps the combinations.
struct PickSizeRow {
    const char* name;
    int movedTo;
    int value;
    bool resets;
};

const PickSizeRow kPickSizeRows[] = {
    {"ToTen", 9, 9, true},
    {"AboveTheMaxStopsAtTen", 12, 9, true},
    {"ToOne", 0, 0, true},
    {"BelowTheMinStopsAtOne", -1, 0, true},
    {"SameValueIsNoChange", 4, 4, false},
};

class PickSizeSlider : public ::testing::TestWithParam<PickSizeRow> {};

TEST_P(PickSizeSlider, SetsUpTheEntryRowOnlyWhenTheValueChanges) {
    const PickSizeRow& row = GetParam();
    Selector app;
    app.enterCombination({"03", "15", "22", "37", "41"});
    app.typeEntry(0, "7");

    moveSlider(app.s, SliderId::HScroll2, row.movedTo);

    EXPECT_EQ(app.s.HScroll2.value, row.value);
    EXPECT_EQ(app.s.Label4, "Lottery Pick Size - " + std::to_string(row.value + 1));
    for (int i = 0; i < kEntryBoxes; ++i) {
        EXPECT_EQ(app.s.txtNumber[static_cast<std::size_t>(i)].visible, i <= row.value) << i;
    }
    EXPECT_EQ(app.s.lstNumbers.size(), row.resets ? 0U : 1U);
    EXPECT_EQ(app.s.txtNumber[0].text, row.resets ? "" : "7");
}

INSTANTIATE_TEST_SUITE_P(Table, PickSizeSlider, ::testing::ValuesIn(kPickSizeRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BaseSetSlider, StopsAtItsBoundsAndAMoveToTheSameValueChangesNothing) {
    Selector app;
    moveSlider(app.s, SliderId::HScroll3, 150);
    EXPECT_EQ(app.s.HScroll3.value, 100);
    EXPECT_EQ(app.s.Frame2, "99 - Base Set Numbers");

    app.s.Frame3 = "untouched";
    moveSlider(app.s, SliderId::HScroll3, 100);
    EXPECT_EQ(app.s.Frame3, "untouched");

    moveSlider(app.s, SliderId::HScroll3, -3);
    EXPECT_EQ(app.s.HScroll3.value, 0);
    EXPECT_EQ(app.s.Frame2, "0 - Base Set Numbers");
}

} // namespace
} // namespace drawlet::testing
