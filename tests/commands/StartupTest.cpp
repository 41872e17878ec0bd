// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SelectorDriver.h"

#include <gtest/gtest.h>

namespace drawlet::testing {
namespace {

// The design texts ("00" in every box, the hundred numbers of Label3 and Label5, "Lottery
// Pick Size - 10") are replaced before the window is first shown.
TEST(Startup, ShowsTheWindowTheFirstTimeAsThePlayerFindsIt) {
    const Selector app;
    const SelectorState& s = app.s;

    EXPECT_EQ(s.Label4, "Lottery Pick Size - 5");
    EXPECT_EQ(visibilityOf(s.txtNumber),
              (std::vector<bool>{true, true, true, true, true, false, false, false, false, false}));
    EXPECT_EQ(textsOf(s.txtNumber), std::vector<std::string>(kEntryBoxes, ""));
    EXPECT_EQ(s.Label1, "Combinations - 0");
    EXPECT_TRUE(s.lstNumbers.empty());
    EXPECT_EQ(s.Label2, "Quantity of Combination Numbers to Pick - 1");
    EXPECT_EQ(s.Frame1, "0 - Exclusion or Inclusion Numbers");
    EXPECT_EQ(s.Label3, "");
    EXPECT_EQ(s.Frame2, "0 - Base Set Numbers");
    EXPECT_EQ(visibilityOf(s.txtSelNumbers), std::vector<bool>(kBaseSetBoxes, false));
    EXPECT_EQ(textsOf(s.txtSelNumbers), std::vector<std::string>(kBaseSetBoxes, ""));
    EXPECT_EQ(s.Command1, "Auto Fill Base Set 00 to NN");
    EXPECT_EQ(autoFillStart(s), 1);
    EXPECT_EQ(s.typeOfSelection, SelectionType::Exclude);
    EXPECT_EQ(s.Frame3, "0 - Play Numbers");
    EXPECT_EQ(s.Label5, "");

    EXPECT_EQ(s.HScroll2.value, 4);
    EXPECT_EQ(s.HScroll1, (ScrollBar{.value = 1, .min = 1, .max = 1}));
    EXPECT_EQ(s.HScroll3.value, 0);
    EXPECT_EQ(s.txtNumberToolTip,
              "This is Automated Entry. Enter your numbers in double digit XX and check each "
              "combination. You'll have to start over if there is a mistake.");
}

TEST(Startup, SeedsTheRandomSourceOnceAndDrawsNothing) {
    const Selector app;
    EXPECT_EQ(app.random.seeds(), 1);
    EXPECT_EQ(app.random.drawn(), 0U);
}

TEST(Startup, PutsTheFocusInTheFirstEntryBoxWithItsTextSelected) {
    const Selector app;
    EXPECT_EQ(app.s.focus, entryBoxFocus(0));
    EXPECT_EQ(app.s.txtNumber[0].selStart, 0);
    EXPECT_EQ(app.s.txtNumber[0].selLength, 2);
}

} // namespace
} // namespace drawlet::testing
