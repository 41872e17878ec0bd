// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// After two combinations of five the quantity slider runs from 1 to 10; a move lands inside
// and the caption follows the value.
TEST(QuantitySlider, StaysWithinItsBoundsAndShowsItsValue) {
    const struct {
        int movedTo;
        int value;
    } rows[] = {{3, 3}, {10, 10}, {11, 10}, {1, 1}, {0, 1}, {-5, 1}};
    for (const auto& row : rows) {
        Selector app;
        app.enterCombination({"03", "15", "22", "37", "41"});
        app.enterCombination({"44", "05", "15", "60", "99"});
        app.setQuantity(6);

        app.setQuantity(row.movedTo);

        EXPECT_EQ(app.s.HScroll1.value, row.value) << "moved to " << row.movedTo;
        EXPECT_EQ(app.s.HScroll1.max, 10);
        EXPECT_EQ(app.s.Label2,
                  "Quantity of Combination Numbers to Pick - " + std::to_string(row.value));
    }
}

TEST(QuantitySlider, WithNoCombinationStaysAtOne) {
    Selector app;
    app.setQuantity(5);
    EXPECT_EQ(app.s.HScroll1, (ScrollBar{.value = 1, .min = 1, .max = 1}));
    EXPECT_EQ(app.s.Label2, "Quantity of Combination Numbers to Pick - 1");
}

// The pick-size slider lands inside 0..9 and sets up the entry row; a move to the value it
// already holds is no change and keeps the combinations and the typed digit.
TEST(PickSizeSlider, SetsUpTheEntryRowOnlyWhenTheValueChanges) {
    const struct {
        int movedTo;
        int value;
        bool resets;
    } rows[] = {{9, 9, true}, {12, 9, true}, {0, 0, true}, {-1, 0, true}, {4, 4, false}};
    for (const auto& row : rows) {
        Selector app;
        app.enterCombination({"03", "15", "22", "37", "41"});
        app.typeEntry(0, "7");

        moveSlider(app.s, ControlId::HScroll2, row.movedTo);

        SCOPED_TRACE(row.movedTo);
        EXPECT_EQ(app.s.HScroll2.value, row.value);
        EXPECT_EQ(app.s.Label4, "Lottery Pick Size - " + std::to_string(row.value + 1));
        for (int i = 0; i < kEntryBoxes; ++i) {
            EXPECT_EQ(app.s.txtNumber[static_cast<std::size_t>(i)].visible, i <= row.value) << i;
        }
        EXPECT_EQ(app.s.lstNumbers.size(), row.resets ? 0U : 1U);
        EXPECT_EQ(app.s.txtNumber[0].text, row.resets ? "" : "7");
    }
}

TEST(BaseSetSlider, StopsAtItsBoundsAndAMoveToTheSameValueChangesNothing) {
    Selector app;
    moveSlider(app.s, ControlId::HScroll3, 150);
    EXPECT_EQ(app.s.HScroll3.value, 100);
    EXPECT_EQ(app.s.Frame2, "99 - Base Set Numbers");

    app.s.Frame3 = "untouched";
    moveSlider(app.s, ControlId::HScroll3, 100);
    EXPECT_EQ(app.s.Frame3, "untouched");

    moveSlider(app.s, ControlId::HScroll3, -3);
    EXPECT_EQ(app.s.HScroll3.value, 0);
    EXPECT_EQ(app.s.Frame2, "0 - Base Set Numbers");
}

} // namespace
} // namespace drawlet::testing
