// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormView.h"

#include "FormPlaces.h"
#include "SelectorDriver.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace drawlet {

void PrintTo(FocusTarget target, std::ostream* out) {
    *out << controlRow(target.control)->name << '(' << target.index << ')';
}

namespace view {

void PrintTo(const WriteCaption& w, std::ostream* out) {
    *out << "caption " << captionName(w.caption) << " \"" << w.text << '"';
}
void PrintTo(const WriteBoxText& w, std::ostream* out) {
    *out << "text ";
    drawlet::PrintTo(w.box, out);
    *out << " \"" << w.text << '"';
}
void PrintTo(const WriteBoxVisible& w, std::ostream* out) {
    *out << (w.visible ? "show " : "hide ");
    drawlet::PrintTo(w.box, out);
}
void PrintTo(const WriteLines& w, std::ostream* out) {
    *out << "lines: keep " << w.kept << ", add " << w.added.size();
}
void PrintTo(const WriteSlider& w, std::ostream* out) {
    *out << "slider " << controlRow(w.slider)->name << " value " << w.bar.value << " of "
         << w.bar.min << ".." << w.bar.max;
}
void PrintTo(const WriteChecked& w, std::ostream* out) {
    *out << (w.checked ? "check " : "clear ");
    drawlet::PrintTo(w.option, out);
}
void PrintTo(const WriteToolTip& w, std::ostream* out) {
    *out << "tool tip \"" << w.text << '"';
}
void PrintTo(const WriteFocus& w, std::ostream* out) {
    *out << "focus ";
    drawlet::PrintTo(w.target, out);
    *out << " selecting " << w.selStart << '+' << w.selLength;
}

namespace {

using testing::Selector;
using Writes = std::vector<Write>;

constexpr FocusTarget kFirstEntryBox{ControlId::txtNumber, 0};

// `before` is rendered, then `change` made; the next render must write exactly `writes`.
struct Render {
    const char* what;
    std::function<void(SelectorState&)> before;
    std::function<void(Selector&, ShownForm&)> change;
    Writes writes;
};

void nothing(SelectorState&) {}

TEST(FormView, WritesOnlyWhatChangedSinceTheLastRender) {
    const Render rows[] = {
        {"nothing changed", nothing, [](Selector&, ShownForm&) {}, {}},
        {"a caption",
         nothing,
         [](Selector& s, ShownForm&) { s.s.Label1 = "Combinations - 1"; },
         {WriteCaption{Caption::Label1, "Combinations - 1"}}},
        {"a box the core wrote",
         nothing,
         [](Selector& s, ShownForm&) { s.s.txtSelNumbers[5].text = "07"; },
         {WriteBoxText{{ControlId::txtSelNumbers, 5}, "07"}}},
        {"a digit the player typed, which the box shows already",
         nothing,
         [](Selector& s, ShownForm& shown) {
             shown.edited(kFirstEntryBox, "3");
             s.editEntry(0, "3");
         },
         {}},
        {"a text the core refused is put back",
         nothing,
         [](Selector& s, ShownForm& shown) {
             shown.edited(kFirstEntryBox, "3x");
             s.editEntry(0, "3x");
         },
         {WriteBoxText{kFirstEntryBox, ""}}},
        {"a slider the player moved and the core followed",
         nothing,
         [](Selector& s, ShownForm& shown) {
             shown.moved(ControlId::HScroll2, 6);
             s.s.HScroll2.value = 6;
         },
         {}},
        {"a slider the player moved and the core kept where it was",
         nothing,
         [](Selector&, ShownForm& shown) { shown.moved(ControlId::HScroll2, 6); },
         {WriteSlider{ControlId::HScroll2, {4, 0, 9, 1, 2}}}},
        {"a slider's bound",
         nothing,
         [](Selector& s, ShownForm&) { s.s.HScroll1.max = 5; },
         {WriteSlider{ControlId::HScroll1, {1, 1, 5, 1, 1}}}},
        {"a box shown",
         nothing,
         [](Selector& s, ShownForm&) { s.s.txtNumber[7].visible = true; },
         {WriteBoxVisible{{ControlId::txtNumber, 7}, true}}},
        {"a combination added",
         [](SelectorState& s) { s.lstNumbers = {"01 02 "}; },
         [](Selector& s, ShownForm&) { s.s.lstNumbers.push_back("03 04 "); },
         {WriteLines{1, {"03 04 "}}}},
        {"the last combination undone",
         [](SelectorState& s) {
             s.lstNumbers = {"01 02 ", "03 04 "};
         },
         [](Selector& s, ShownForm&) { s.s.lstNumbers.pop_back(); },
         {WriteLines{1, {}}}},
        {"the combinations cleared",
         [](SelectorState& s) {
             s.lstNumbers = {"01 02 ", "03 04 "};
         },
         [](Selector& s, ShownForm&) { s.s.lstNumbers.clear(); },
         {WriteLines{0, {}}}},
        {"a type of selection: only the one checked",
         nothing,
         [](Selector& s, ShownForm&) { s.s.typeOfSelection = SelectionType::Include; },
         {WriteChecked{{ControlId::optInclusion, 0}, true}}},
        {"a type of selection the player checked himself",
         nothing,
         [](Selector& s, ShownForm& shown) {
             shown.checked({ControlId::optNone, 0});
             s.s.typeOfSelection = SelectionType::None;
         },
         {}},
        {"both auto-fill starts cleared",
         nothing,
         [](Selector& s, ShownForm&) {
             s.s.Option1 = {false, false};
         },
         {WriteChecked{{ControlId::Option1, 1}, false}}},
        {"an auto-fill start the player checked and the core refused",
         nothing,
         [](Selector&, ShownForm& shown) {
             shown.checked({ControlId::Option1, 0});
         },
         {WriteChecked{{ControlId::Option1, 0}, false},
          WriteChecked{{ControlId::Option1, 1}, true}}},
        {"the entry boxes' tool tip",
         nothing,
         [](Selector& s, ShownForm&) { s.s.txtNumberToolTip = "Type two digits"; },
         {WriteToolTip{"Type two digits"}}},
        {"the focus moved, its selection clamped to the box's text",
         nothing,
         [](Selector& s, ShownForm&) {
             s.s.txtNumber[2] = {"5", true, 0, 2};
             s.s.focus = {ControlId::txtNumber, 2};
             ++s.s.focusMoves;
         },
         {WriteBoxText{{ControlId::txtNumber, 2}, "5"},
          WriteFocus{{ControlId::txtNumber, 2}, 0, 1}}},
        {"the focus set again after an undo, though it did not move",
         nothing,
         [](Selector&, ShownForm& shown) { shown.focusAgain(); },
         {WriteFocus{kFirstEntryBox, 0, 0}}},
        {"one of each, in the order they are applied",
         nothing,
         [](Selector& s, ShownForm&) {
             s.s.focus = {ControlId::cmdPick, 0};
             ++s.s.focusMoves;
             s.s.txtNumberToolTip = "tip";
             s.s.Option1 = {true, false};
             s.s.lstNumbers = {"01 02 "};
             s.s.txtSelNumbers[0].visible = true;
             s.s.txtNumber[1].text = "12";
             s.s.HScroll3.value = 3;
             s.s.Label5 = "01 ";
         },
         {WriteCaption{Caption::Label5, "01 "},
          WriteSlider{ControlId::HScroll3, {3, 0, 100, 1, 10}},
          WriteBoxText{{ControlId::txtNumber, 1}, "12"},
          WriteBoxVisible{{ControlId::txtSelNumbers, 0}, true}, WriteLines{0, {"01 02 "}},
          WriteChecked{{ControlId::Option1, 0}, true}, WriteChecked{{ControlId::Option1, 1}, false},
          WriteToolTip{"tip"}, WriteFocus{{ControlId::cmdPick, 0}, 0, 0}}},
    };
    for (const Render& row : rows) {
        SCOPED_TRACE(row.what);
        Selector s;
        ShownForm shown;
        row.before(s.s);
        shown.render(s.s);
        row.change(s, shown);
        EXPECT_EQ(shown.render(s.s), row.writes);
        EXPECT_EQ(shown.render(s.s), Writes{}) << "written twice";
    }
}

// The first render writes everything but a focus that never moved, each once.
TEST(FormView, FirstRenderWritesEverything) {
    Selector s;
    ShownForm shown;
    s.s.focusMoves = 0;
    const Writes writes = shown.render(s.s);
    std::array<int, std::variant_size_v<Write>> kinds{};
    for (const Write& write : writes) {
        ++kinds[write.index()];
        if (const auto* caption = std::get_if<WriteCaption>(&write)) {
            EXPECT_NE(pieceNamed(captionName(caption->caption)), nullptr) << caption->text;
        }
    }
    const std::array<int, std::variant_size_v<Write>> expected = {static_cast<int>(kCaptions),
                                                                  kEntryBoxes + kBaseSetBoxes,
                                                                  kEntryBoxes + kBaseSetBoxes,
                                                                  1,
                                                                  3,
                                                                  3,
                                                                  1,
                                                                  0};
    EXPECT_EQ(kinds, expected);
    EXPECT_EQ(writes.front(), Write(WriteCaption{Caption::Label1, "Combinations - 0"}));
    EXPECT_EQ(formView(s.s).captions[static_cast<std::size_t>(Caption::Label4)],
              "Lottery Pick Size - 5");
    EXPECT_TRUE(formView(s.s).txtNumber[4].visible && !formView(s.s).txtNumber[5].visible);
}

TEST(FormView, SlidersReadAsTheirCaptions) {
    struct Reads {
        ControlId slider;
        int value;
        int autoFillStart;
        int readsAs;
    };
    const Reads rows[] = {
        {ControlId::HScroll2, 0, 1, 1},   {ControlId::HScroll2, 9, 1, 10},
        {ControlId::HScroll1, 7, 1, 7},   {ControlId::HScroll3, 10, 1, 9},
        {ControlId::HScroll3, 10, 0, 10}, {ControlId::HScroll3, 0, 1, 0},
    };
    for (const Reads& row : rows) {
        SelectorState state;
        state.Option1 = {row.autoFillStart == 0, row.autoFillStart == 1};
        EXPECT_EQ(sliderReadsAs(state, row.slider, row.value), row.readsAs)
            << controlRow(row.slider)->name << " at " << row.value;
    }
}

} // namespace
} // namespace view
} // namespace drawlet
