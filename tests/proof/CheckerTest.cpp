// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules have teeth: each planted fault in an otherwise sound state is reported.

#include "EventStorm.h"
#include "HistoryModel.h"
#include "SelectorDriver.h"
#include "StormRandom.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <type_traits>
#include <typeinfo>

namespace drawlet::storm {
namespace {

// Two combinations of pick size 3 and a base set of 01..09, entered as the player would.
void buildSoundState(EventStorm& storm) {
    storm.apply(StormEvent::of(Action::MoveSlider).at(2).withValue(2));
    storm.apply(StormEvent::of(Action::Focus).on(ControlId::txtNumber, 0));
    for (const char* number : {"05", "17", "42", "17", "33", "90"}) {
        const int box = storm.state().focus.index;
        storm.apply(StormEvent::of(Action::EntryEdit).at(box).withText(number));
        storm.apply(StormEvent::of(Action::EntryKeyUp).at(box).withValue(number[1]));
    }
    storm.apply(StormEvent::of(Action::MoveSlider).at(3).withValue(10));
    storm.apply(StormEvent::of(Action::AutoFill));
}

struct PlantedFault {
    const char* name;
    std::function<void(SelectorState&)> plant;

    friend void PrintTo(const PlantedFault& fault, std::ostream* out) { *out << fault.name; }
};

class PlantedFaults : public ::testing::TestWithParam<PlantedFault> {};

TEST_P(PlantedFaults, AreReportedAtTheNextEvent) {
    SeededRandom random(7);
    EventStorm storm(random);
    buildSoundState(storm);
    ASSERT_FALSE(storm.failed()) << storm.failure().value_or("");
    ASSERT_EQ(storm.state().lstNumbers.size(), 2U);

    GetParam().plant(storm.stateToTamperWith());
    storm.apply(StormEvent::of(Action::EntryGotFocus));
    EXPECT_TRUE(storm.failed());
}

const PlantedFault kFaults[] = {
    {"CombinationLost", [](SelectorState& s) { s.lstNumbers.pop_back(); }},
    {"CombinationAltered", [](SelectorState& s) { s.lstNumbers[0] = "05 17 43 "; }},
    {"StoredNumberAltered", [](SelectorState& s) { s.CombNumbers[5] = 34; }},
    {"QuantityAboveItsBound", [](SelectorState& s) { ++s.HScroll1.value; }},
    {"QuantityBoundWrong", [](SelectorState& s) { s.HScroll1.max = 7; }},
    {"BaseSetSizeBeyondItsRange", [](SelectorState& s) { s.HScroll3.value = 101; }},
    {"LetterInABox", [](SelectorState& s) { s.txtSelNumbers[40].text = "4a"; }},
    {"BoxTextTooLong", [](SelectorState& s) { s.txtNumber[0].text = "123"; }},
    {"PickedNumberRepeated", [](SelectorState& s) { s.lstSort.add("17"); }},
    {"PickedNumberNeverEntered", [](SelectorState& s) { s.lstSort.add("99"); }},
    {"PlayNumberOneDigit", [](SelectorState& s) { s.lstPlaySort.add("7"); }},
    {"PlayNumbersStale", [](SelectorState& s) { s.typeOfSelection = SelectionType::Include; }},
    {"PickedNumberNotExcluded", [](SelectorState& s) { s.lstPlaySort.add("05"); }},
    {"HiddenBoxInUse", [](SelectorState& s) { s.txtSelNumbers[3].visible = false; }},
    {"BoxOutOfUseShown", [](SelectorState& s) { s.txtSelNumbers[50].visible = true; }},
    {"EntryBoxBeyondPickSizeShown", [](SelectorState& s) { s.txtNumber[5].visible = true; }},
    {"NegativeBaseSetCount", [](SelectorState& s) { s.Frame2 = "-1 - Base Set Numbers"; }},
    {"PickCountWrong", [](SelectorState& s) { s.Frame1 = "6 - Exclusion or Inclusion Numbers"; }},
    {"PlayLineStale", [](SelectorState& s) { s.Label5.clear(); }},
    {"QuantityCaptionStale", [](SelectorState& s) { s.Label2.back() = '9'; }},
    {"AutoFillStartLost",
     [](SelectorState& s) {
         s.Option1 = {false, false};
     }},
};

INSTANTIATE_TEST_SUITE_P(Checker, PlantedFaults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// The storm's account of the history has teeth too: an undo that leaves any one group as the
// change made it is reported, but for the keys held, which stay as they are.
TEST(HistoryModel, ReportsAnUndoThatLeavesAnyGroupAsTheChangeMadeIt) {
    const SelectorState before;
    const SelectorState after = testing::everyFieldChanged();
    SelectorState::forEachGroupType([&]<typename Group>() {
        HistoryModel model(before);
        model.played(after, std::nullopt);
        SelectorState undone = before;
        group<HeldKeys>(undone) = group<HeldKeys>(after);
        group<Group>(undone) = group<Group>(after);
        const bool heldKeys = std::is_same_v<Group, HeldKeys>;
        EXPECT_EQ(model.undone(undone, true).has_value(), !heldKeys) << typeid(Group).name();
    });
}

// The keys typed into one box are one step, until an undo ends the typing: typed into again,
// the box makes a step of its own, and undoing it goes back only to where the undo left.
TEST(HistoryModel, AnUndoEndsTheTypingInABox) {
    const FocusTarget box{ControlId::txtSelNumbers, 0};
    SelectorState started;
    SelectorState sized = started;
    sized.HScroll3.value = 10;
    SelectorState typed[3] = {sized, sized, sized};
    typed[0].txtSelNumbers[0].text = "1";
    typed[1].txtSelNumbers[0].text = "12";
    typed[2].txtSelNumbers[0].text = "3";

    HistoryModel model(started);
    model.played(sized, std::nullopt);
    model.played(typed[0], box);
    model.played(typed[1], box);
    EXPECT_EQ(model.undoSteps(), 2U);
    EXPECT_FALSE(model.undone(sized, true));
    model.played(typed[2], box);
    EXPECT_EQ(model.undoSteps(), 2U);
    EXPECT_FALSE(model.undone(sized, true));
    EXPECT_FALSE(model.undone(started, true));
    EXPECT_TRUE(model.undone(started, true)) << "no step left to take";
}

} // namespace
} // namespace drawlet::storm
