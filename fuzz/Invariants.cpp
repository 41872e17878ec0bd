// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Invariants.h"

#include "Controls.h"
#include "TabOrder.h"

#include <algorithm>
#include <bitset>
#include <cctype>
#include <charconv>
#include <string_view>

namespace drawlet::storm {
namespace {

using Verdict = std::optional<std::string>;

// The checker's own reading of the rules, kept apart from the core's helpers so that a fault in
// one of them cannot hide itself.

std::string twoDigits(int number) {
    return {static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool isTwoDigitNumber(const std::string& text) {
    return text.size() == 2 && isDigit(text[0]) && isDigit(text[1]);
}

bool isBoxText(std::string_view text) {
    return text.size() <= 2 && std::all_of(text.begin(), text.end(), isDigit);
}

int numberOf(const std::string& twoDigitText) {
    return (twoDigitText[0] - '0') * 10 + (twoDigitText[1] - '0');
}

std::string joined(const std::vector<std::string>& numbers) {
    std::string line;
    for (const std::string& number : numbers) {
        line += number + ' ';
    }
    return line;
}

int inUse(const SelectorState& state) {
    const int start = state.Option1[0] ? 0 : (state.Option1[1] ? 1 : 0);
    return state.HScroll3.value - start;
}

int startOf(const SelectorState& state) {
    return state.Option1[0] ? 0 : (state.Option1[1] ? 1 : 0);
}

// A caption of at most 100 numbers, built on the stack.
class CaptionText {
public:
    CaptionText& operator<<(std::string_view part) {
        const std::size_t room = std::min(part.size(), chars_.size() - size_);
        std::copy_n(part.begin(), room, chars_.begin() + static_cast<std::ptrdiff_t>(size_));
        size_ += room;
        return *this;
    }
    CaptionText& operator<<(int number) {
        std::array<char, 12> digits{};
        const auto end = std::to_chars(digits.begin(), digits.end(), number).ptr;
        return *this << std::string_view(digits.data(),
                                         static_cast<std::size_t>(end - digits.data()));
    }
    void join(const std::vector<std::string>& numbers) {
        for (const std::string& number : numbers) {
            *this << number << " ";
        }
    }
    std::string_view view() const { return {chars_.data(), size_}; }

private:
    std::array<char, 400> chars_{};
    std::size_t size_ = 0;
};

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

Verdict expectEqual(const std::string& what, const std::string& actual,
                    const std::string& expected) {
    if (actual == expected) {
        return std::nullopt;
    }
    return what + " is " + quoted(actual) + ", expected " + quoted(expected);
}

Verdict sliderWithin(const char* name, const ScrollBar& slider, int min, int max) {
    if (slider.min != min || slider.max != max || slider.value < min || slider.value > max) {
        return std::string(name) + " holds " + std::to_string(slider.value) + " in " +
               std::to_string(slider.min) + ".." + std::to_string(slider.max) +
               ", expected a value within " + std::to_string(min) + ".." + std::to_string(max);
    }
    return std::nullopt;
}

Verdict sortedNumberList(const char* name, const SortedList& list) {
    for (std::size_t i = 0; i < list.count(); ++i) {
        if (!isTwoDigitNumber(list.at(i))) {
            return std::string(name) + " line " + std::to_string(i) + " is " + quoted(list.at(i)) +
                   ", not a two-digit number";
        }
        if (i > 0 && numberOf(list.at(i - 1)) >= numberOf(list.at(i))) {
            return std::string(name) + " is not strictly ascending at line " + std::to_string(i) +
                   ": " + quoted(joined(list.lines()));
        }
    }
    return std::nullopt;
}

bool resetsCombinations(const StormEvent& event, const ScrollBar& pickSizeBefore,
                        const SelectorState& state) {
    switch (event.action) {
    case Action::ClearCombinations:
    case Action::ClearAll:
        return true;
    case Action::MoveSlider:
        return event.index == 2 && state.HScroll2.value != pickSizeBefore.value;
    case Action::SliderChange:
        return event.index == 2;
    default:
        return false;
    }
}

// Which events end by rebuilding the play numbers, by the rules of each handler.
bool rebuildsPlayNumbers(const StormEvent& event, bool stored, bool sliderMoved) {
    switch (event.action) {
    case Action::EntryKeyUp:
        return stored;
    case Action::BaseKeyUp:
        return event.accepted;
    case Action::MoveSlider:
        return (event.index == 2 || event.index == 3) && sliderMoved;
    case Action::SliderChange:
        return event.index == 2 || event.index == 3;
    case Action::Focus:
        return event.target.control == ControlId::optExclusion ||
               event.target.control == ControlId::optInclusion ||
               event.target.control == ControlId::optNone;
    case Action::ChooseAutoFillStart:
        return event.index == 0 || event.index == 1;
    case Action::Pick:
    case Action::ClearCombinations:
    case Action::ClearAll:
    case Action::ClearBaseSet:
    case Action::AutoFill:
    case Action::Option1Click:
    case Action::ChooseType:
    case Action::TypeButtonClick:
    case Action::TypeButtonGotFocus:
    case Action::RebuildPlayNumbers:
        return true;
    default:
        return false;
    }
}

bool boxInRange(const FocusTarget& target) {
    const int boxes = target.control == ControlId::txtNumber ? kEntryBoxes : kBaseSetBoxes;
    return target.index >= 0 && target.index < boxes;
}

} // namespace

InvariantChecker::InvariantChecker(const SelectorState& started) {
    for (std::size_t i = 0; i < started.txtSelNumbers.size(); ++i) {
        baseAtLastRebuild_[i] = started.txtSelNumbers[i].text;
    }
    before(started);
}

void InvariantChecker::before(const SelectorState& state) {
    for (std::size_t i = 0; i < state.txtNumber.size(); ++i) {
        before_.entryTexts[i] = state.txtNumber[i].text;
    }
    for (std::size_t i = 0; i < state.txtSelNumbers.size(); ++i) {
        before_.baseTexts[i] = state.txtSelNumbers[i].text;
    }
    for (std::size_t i = 0; i < state.txtNumber.size(); ++i) {
        before_.entryShown[i] = state.txtNumber[i].visible;
    }
    for (std::size_t i = 0; i < state.txtSelNumbers.size(); ++i) {
        before_.baseShown[i] = state.txtSelNumbers[i].visible;
    }
    before_.quantity = state.HScroll1;
    before_.pickSizeSlider = state.HScroll2;
    before_.baseSetSize = state.HScroll3;
    before_.autoFillStart = state.Option1;
    before_.type = state.typeOfSelection;
    before_.combinations = state.lstNumbers.size();
    before_.focusMoves = state.focusMoves;
    before_.focus = state.focus;
    before_.picked = state.lstSort.lines();
}

Verdict InvariantChecker::steadyRules(const SelectorState& state) const {
    if (auto v = sliderWithin("HScroll2", state.HScroll2, 0, 9)) {
        return v;
    }
    if (auto v = sliderWithin("HScroll3", state.HScroll3, 0, 100)) {
        return v;
    }
    const auto combinations = static_cast<int>(state.lstNumbers.size());
    const int size = state.HScroll2.value + 1;
    if (combinations > kMaxCombinations) {
        return "lstNumbers holds " + std::to_string(combinations) + " combinations";
    }
    const int storedCount = combinations > 0 ? size * combinations : 1;
    if (auto v = sliderWithin("HScroll1", state.HScroll1, 1, storedCount)) {
        return v;
    }
    if (storedCount > kMaxStoredNumbers) {
        return std::to_string(storedCount) + " stored numbers";
    }

    for (std::size_t i = 0; i < state.txtNumber.size(); ++i) {
        if (!isBoxText(state.txtNumber[i].text)) {
            return "txtNumber(" + std::to_string(i) + ") holds " + quoted(state.txtNumber[i].text);
        }
        if (state.txtNumber[i].visible != (static_cast<int>(i) <= state.HScroll2.value)) {
            return "txtNumber(" + std::to_string(i) + ") is " +
                   (state.txtNumber[i].visible ? "shown" : "hidden") + " at pick size " +
                   std::to_string(size);
        }
    }
    const int boxesInUse = inUse(state);
    for (std::size_t i = 0; i < state.txtSelNumbers.size(); ++i) {
        if (!isBoxText(state.txtSelNumbers[i].text)) {
            return "txtSelNumbers(" + std::to_string(i) + ") holds " +
                   quoted(state.txtSelNumbers[i].text);
        }
        if (state.txtSelNumbers[i].visible != (static_cast<int>(i) < boxesInUse)) {
            return "txtSelNumbers(" + std::to_string(i) + ") is " +
                   (state.txtSelNumbers[i].visible ? "shown" : "hidden") + " with " +
                   std::to_string(boxesInUse) + " boxes in use";
        }
    }

    if (auto v = sortedNumberList("lstSort", state.lstSort)) {
        return v;
    }
    if (auto v = sortedNumberList("lstPlaySort", state.lstPlaySort)) {
        return v;
    }
    // Every stored combination ran a pick of all its numbers, and every reset empties both.
    if ((combinations > 0) != (state.lstSort.count() > 0)) {
        return std::to_string(combinations) + " combinations but " +
               std::to_string(state.lstSort.count()) + " picked numbers";
    }
    std::bitset<100> storedValues;
    for (int position = 1; combinations > 0 && position <= storedCount; ++position) {
        const int number = state.CombNumbers[position];
        if (number < 0 || number > 99) {
            return "CombNumbers(" + std::to_string(position) + ") holds " + std::to_string(number);
        }
        storedValues.set(static_cast<std::size_t>(number));
    }
    for (const std::string& picked : state.lstSort.lines()) {
        if (!storedValues.test(static_cast<std::size_t>(numberOf(picked)))) {
            return "picked number " + picked + " is no stored combination number";
        }
    }
    if (state.Option1[0] == state.Option1[1]) {
        return std::string("Option1 is not exactly one selected button");
    }

    // Built in place: the captions are checked after every event.
    std::array<CaptionText, 9> expected;
    expected[0] << "Combinations - " << combinations;
    expected[1] << "Quantity of Combination Numbers to Pick - " << state.HScroll1.value;
    expected[2].join(state.lstSort.lines());
    expected[3] << "Lottery Pick Size - " << size;
    expected[4].join(state.lstPlaySort.lines());
    expected[5] << static_cast<int>(state.lstSort.count()) << " - Exclusion or Inclusion Numbers";
    expected[6] << std::max(boxesInUse, 0) << " - Base Set Numbers";
    expected[7] << static_cast<int>(state.lstPlaySort.count()) << " - Play Numbers";
    if (boxesInUse <= 0) {
        expected[8] << "Auto Fill Base Set 00 to NN";
    } else {
        expected[8] << "Auto Fill Base Set " << twoDigits(startOf(state)) << " to "
                    << twoDigits(state.HScroll3.value - 1);
    }
    const std::array<std::pair<const char*, const std::string*>, 9> captions = {{
        {"Label1", &state.Label1},
        {"Label2", &state.Label2},
        {"Label3", &state.Label3},
        {"Label4", &state.Label4},
        {"Label5", &state.Label5},
        {"Frame1", &state.Frame1},
        {"Frame2", &state.Frame2},
        {"Frame3", &state.Frame3},
        {"Command1", &state.Command1},
    }};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (*captions[i].second != expected[i].view()) {
            return expectEqual(captions[i].first, *captions[i].second,
                               std::string(expected[i].view()));
        }
    }
    return std::nullopt;
}

Verdict InvariantChecker::storedCombinationRules(const SelectorState& state) const {
    if (state.lstNumbers != lines_) {
        return "lstNumbers changed: " + std::to_string(state.lstNumbers.size()) +
               " lines, expected " + std::to_string(lines_.size());
    }
    for (std::size_t i = 0; i < storedNumbers_.size(); ++i) {
        const int position = static_cast<int>(i) + 1;
        if (state.CombNumbers[position] != storedNumbers_[i]) {
            return "CombNumbers(" + std::to_string(position) + ") is " +
                   std::to_string(state.CombNumbers[position]) + ", expected " +
                   std::to_string(storedNumbers_[i]);
        }
    }
    return std::nullopt;
}

Verdict InvariantChecker::pickRules(const SelectorState& state, int quantity) const {
    const int positions = state.HScroll1.max;
    if (quantity < 1 || quantity > positions) {
        return "picked " + std::to_string(quantity) + " of " + std::to_string(positions);
    }
    std::vector<bool> taken(static_cast<std::size_t>(positions) + 1);
    std::bitset<100> numbers;
    for (int k = 1; k <= quantity; ++k) {
        const int position = state.PickIndex[k];
        if (position < 1 || position > positions) {
            return "PickIndex(" + std::to_string(k) + ") is " + std::to_string(position) +
                   ", outside 1.." + std::to_string(positions);
        }
        if (taken[static_cast<std::size_t>(position)]) {
            return "PickIndex(" + std::to_string(k) + ") repeats position " +
                   std::to_string(position);
        }
        taken[static_cast<std::size_t>(position)] = true;
        numbers.set(static_cast<std::size_t>(state.CombNumbers[position]));
    }
    std::vector<std::string> expected;
    for (int number = 0; number < 100; ++number) {
        if (numbers.test(static_cast<std::size_t>(number))) {
            expected.push_back(twoDigits(number));
        }
    }
    return expectEqual("lstSort after the pick", joined(state.lstSort.lines()), joined(expected));
}

Verdict InvariantChecker::combinationRules(const SelectorState& state, const StormEvent& event) {
    const std::size_t combinations = state.lstNumbers.size();
    if (resetsCombinations(event, before_.pickSizeSlider, state)) {
        if (combinations != 0) {
            return "a reset left " + std::to_string(combinations) + " combinations";
        }
        lines_.clear();
        storedNumbers_.clear();
        if (event.action == Action::ClearAll) {
            for (int position = 1; position <= kArraySize; ++position) {
                if (state.CombNumbers[position] != 0) {
                    return "Clear All left CombNumbers(" + std::to_string(position) + ") at " +
                           std::to_string(state.CombNumbers[position]);
                }
            }
        }
        return std::nullopt;
    }
    if (state.HScroll2.value != before_.pickSizeSlider.value) {
        return std::string("the pick size changed without a reset");
    }

    const int last = before_.pickSizeSlider.value;
    bool rowFinished = true;
    for (int j = 0; j <= last; ++j) {
        rowFinished = rowFinished && before_.entryTexts[static_cast<std::size_t>(j)].size() == 2;
    }
    // A release that belongs to a Tab move is no key of the box (accepted is false).
    const bool mustStore = event.action == Action::EntryKeyUp && event.accepted &&
                           event.index == last && rowFinished &&
                           before_.combinations < kMaxCombinations;

    if (combinations == before_.combinations + 1) {
        if (!mustStore) {
            return std::string("a combination was stored by this event");
        }
        std::string line;
        for (int j = 0; j <= last; ++j) {
            const std::string& text = before_.entryTexts[static_cast<std::size_t>(j)];
            line += text + ' ';
            storedNumbers_.push_back(static_cast<std::int16_t>(numberOf(text)));
        }
        lines_.push_back(line);
        if (auto v = storedCombinationRules(state)) {
            return v;
        }
        const ScrollBar& quantity = state.HScroll1;
        if (quantity.value != quantity.max || quantity.largeChange != quantity.max / 10 + 1) {
            return "after a stored combination HScroll1 is " + std::to_string(quantity.value) +
                   " of " + std::to_string(quantity.max) + " with large step " +
                   std::to_string(quantity.largeChange);
        }
        if (state.focus != FocusTarget{ControlId::txtNumber, 0}) {
            return std::string("after a stored combination the focus is not in txtNumber(0)");
        }
        return pickRules(state, quantity.value);
    }
    if (combinations != before_.combinations) {
        return "lstNumbers went from " + std::to_string(before_.combinations) + " to " +
               std::to_string(combinations) + " lines";
    }
    if (mustStore) {
        return std::string("a finished row was not stored");
    }
    if (auto v = storedCombinationRules(state)) {
        return v;
    }
    if (event.action == Action::Pick) {
        if (combinations > 0) {
            return pickRules(state, state.HScroll1.value);
        }
        if (state.lstSort.lines() != before_.picked) {
            return std::string("a pick without combinations changed the picked numbers");
        }
    }
    return std::nullopt;
}

Verdict InvariantChecker::textRules(const SelectorState& state, const StormEvent& event) const {
    const bool stored = state.lstNumbers.size() == before_.combinations + 1;
    const bool combinationReset = resetsCombinations(event, before_.pickSizeSlider, state);
    static const std::string empty;
    for (int i = 0; i < kEntryBoxes; ++i) {
        const auto place = static_cast<std::size_t>(i);
        const std::string* expected = &before_.entryTexts[place];
        if (combinationReset || (stored && i <= before_.pickSizeSlider.value)) {
            expected = &empty;
        } else if (event.action == Action::EntryEdit && event.index == i && event.accepted) {
            expected = &event.text;
        }
        if (state.txtNumber[place].text != *expected) {
            return expectEqual("txtNumber(" + std::to_string(i) + ")", state.txtNumber[place].text,
                               *expected);
        }
    }
    const int start = startOf(state);
    const int boxesInUse = inUse(state);
    for (int i = 0; i < kBaseSetBoxes; ++i) {
        const auto place = static_cast<std::size_t>(i);
        const std::string* expected = &before_.baseTexts[place];
        std::string filled;
        if (event.action == Action::ClearAll || event.action == Action::ClearBaseSet) {
            expected = &empty;
        } else if (event.action == Action::AutoFill && i < boxesInUse) {
            filled = twoDigits(start + i);
            expected = &filled;
        } else if (event.action == Action::BaseEdit && event.index == i && event.accepted) {
            expected = &event.text;
        }
        if (state.txtSelNumbers[place].text != *expected) {
            return expectEqual("txtSelNumbers(" + std::to_string(i) + ")",
                               state.txtSelNumbers[place].text, *expected);
        }
    }
    if (event.action == Action::EntryEdit || event.action == Action::BaseEdit) {
        const int boxes = event.action == Action::EntryEdit ? kEntryBoxes : kBaseSetBoxes;
        const bool acceptable = event.index >= 0 && event.index < boxes && isBoxText(event.text);
        if (event.accepted != acceptable) {
            return std::string("the box ") + (event.accepted ? "took" : "refused") + " the text " +
                   quoted(event.text);
        }
    }
    if (event.action == Action::EntryKeyPress || event.action == Action::BaseKeyPress) {
        const bool passes = (event.key >= '0' && event.key <= '9') || event.key == 8;
        if (event.keyAfter != (passes ? event.key : 0)) {
            return "the key filter turned " + std::to_string(event.key) + " into " +
                   std::to_string(event.keyAfter);
        }
    }
    return std::nullopt;
}

Verdict InvariantChecker::controlRules(const SelectorState& state, const StormEvent& event) const {
    const bool moves = event.action == Action::MoveSlider;
    const auto expectSlider = [&](const char* name, const ScrollBar& now, const ScrollBar& was,
                                  int sliderIndex) -> Verdict {
        int expected = was.value;
        if (moves && event.index == sliderIndex) {
            expected =
                std::clamp(event.value, static_cast<int>(was.min), static_cast<int>(was.max));
        }
        if (now.value != expected) {
            return std::string(name) + " moved to " + std::to_string(now.value) + ", expected " +
                   std::to_string(expected);
        }
        return std::nullopt;
    };
    if (auto v = expectSlider("HScroll2", state.HScroll2, before_.pickSizeSlider, 2)) {
        return v;
    }
    if (auto v = expectSlider("HScroll3", state.HScroll3, before_.baseSetSize, 3)) {
        return v;
    }
    const bool stored = state.lstNumbers.size() == before_.combinations + 1;
    if (!stored && !resetsCombinations(event, before_.pickSizeSlider, state) &&
        event.action != Action::ClearAll) {
        if (auto v = expectSlider("HScroll1", state.HScroll1, before_.quantity, 1)) {
            return v;
        }
        if (state.HScroll1.max != before_.quantity.max) {
            return std::string("HScroll1's bound changed");
        }
    }

    std::array<bool, 2> expectedStart = before_.autoFillStart;
    if (event.action == Action::ChooseAutoFillStart && (event.index == 0 || event.index == 1)) {
        expectedStart = {event.index == 0, event.index == 1};
    }
    if (state.Option1 != expectedStart) {
        return std::string("the auto-fill start changed by itself");
    }
    SelectionType expectedType = before_.type;
    if (event.action == Action::ChooseType) {
        expectedType = static_cast<SelectionType>(event.index);
    } else if (event.action == Action::ClearAll) {
        expectedType = SelectionType::Exclude;
    }
    if (state.typeOfSelection != expectedType) {
        return std::string("the type of selection changed by itself");
    }

    if (event.action == Action::Focus) {
        const bool ignored = isBox(event.target) && !boxInRange(event.target);
        const FocusTarget expected = ignored ? before_.focus : event.target;
        if (state.focus != expected) {
            return std::string("the focus did not arrive where it was put");
        }
    } else if (state.focusMoves != before_.focusMoves && isBox(state.focus)) {
        const bool shown = boxInRange(state.focus) &&
                           (state.focus.control == ControlId::txtNumber
                                ? state.txtNumber[static_cast<std::size_t>(state.focus.index)]
                                : state.txtSelNumbers[static_cast<std::size_t>(state.focus.index)])
                               .visible;
        if (!shown) {
            return "a handler sent the focus to a hidden box, index " +
                   std::to_string(state.focus.index);
        }
    }
    if (event.action == Action::ClearAll && state.focus != FocusTarget{ControlId::txtNumber, 0}) {
        return std::string("Clear All did not put the focus in txtNumber(0)");
    }
    return std::nullopt;
}

Verdict InvariantChecker::playNumberRules(const SelectorState& state, const StormEvent& event) {
    const bool stored = state.lstNumbers.size() == before_.combinations + 1;
    const bool sliderMoved = state.HScroll2.value != before_.pickSizeSlider.value ||
                             state.HScroll3.value != before_.baseSetSize.value;
    if (rebuildsPlayNumbers(event, stored, sliderMoved)) {
        for (std::size_t i = 0; i < state.txtSelNumbers.size(); ++i) {
            baseAtLastRebuild_[i] = state.txtSelNumbers[i].text;
        }
        rebuildKnown_ = true;
    }
    if (!rebuildKnown_) {
        return std::nullopt;
    }
    // The base set as it stood at the last rebuild: boxes typed into since then count only from
    // the next key release.
    std::bitset<100> expected;
    const int boxesInUse = inUse(state);
    for (int i = 0; i < boxesInUse; ++i) {
        const std::string& text = baseAtLastRebuild_[static_cast<std::size_t>(i)];
        if (text.size() == 2) {
            expected.set(static_cast<std::size_t>(numberOf(text)));
        }
    }
    for (const std::string& picked : state.lstSort.lines()) {
        if (state.typeOfSelection == SelectionType::Exclude) {
            expected.reset(static_cast<std::size_t>(numberOf(picked)));
        } else if (state.typeOfSelection == SelectionType::Include) {
            expected.set(static_cast<std::size_t>(numberOf(picked)));
        }
    }
    // lstPlaySort is already known to be ascending two-digit numbers, so equal sets are equal
    // lists.
    bool same = expected.count() == state.lstPlaySort.count();
    for (const std::string& line : state.lstPlaySort.lines()) {
        same = same && expected.test(static_cast<std::size_t>(numberOf(line)));
    }
    if (same) {
        return std::nullopt;
    }
    std::vector<std::string> lines;
    for (int number = 0; number < 100; ++number) {
        if (expected.test(static_cast<std::size_t>(number))) {
            lines.push_back(twoDigits(number));
        }
    }
    return expectEqual("lstPlaySort", joined(state.lstPlaySort.lines()), joined(lines));
}

// Where the focus must be after the event: where it was put, where a finished box sends it on,
// the first entry box after a stored combination or Clear All, and the next shown control along
// the tab order when the event hid the box that had it. Nowhere else does it move.
Verdict InvariantChecker::focusRules(const SelectorState& state, const StormEvent& event) const {
    if (event.action == Action::Focus || isDirectCall(event.action)) {
        return std::nullopt; // judged in controlRules; a direct call keeps no rule across controls
    }
    // The texts as the key release found them (a stored combination empties the row).
    const auto textOf = [this](const FocusTarget& box) -> const std::string& {
        const auto place = static_cast<std::size_t>(box.index);
        return box.control == ControlId::txtNumber ? before_.entryTexts[place]
                                                   : before_.baseTexts[place];
    };
    const FocusTarget firstEntryBox{ControlId::txtNumber, 0};
    std::optional<FocusTarget> moved;
    const bool keyOfTheBox =
        (event.action == Action::EntryKeyUp || event.action == Action::BaseKeyUp) && event.accepted;
    const FocusTarget released{event.action == Action::EntryKeyUp ? ControlId::txtNumber
                                                                  : ControlId::txtSelNumbers,
                               event.index};
    if (event.action == Action::ClearAll) {
        moved = firstEntryBox;
    } else if (keyOfTheBox && boxInRange(released) && isTwoDigitNumber(textOf(released))) {
        const int i = event.index;
        if (released.control == ControlId::txtNumber) {
            const int last = before_.pickSizeSlider.value;
            if (before_.combinations >= kMaxCombinations ||
                state.lstNumbers.size() > before_.combinations) {
                moved = firstEntryBox; // a full list, or the combination just stored
            } else if (i < last) {
                moved = FocusTarget{ControlId::txtNumber, i + 1};
            } else if (i == last) {
                for (int j = last; j >= 0; --j) {
                    if (!isTwoDigitNumber(textOf({ControlId::txtNumber, j}))) {
                        moved = FocusTarget{ControlId::txtNumber, j}; // the first unfinished box
                    }
                }
            }
        } else {
            const int boxesInUse = inUse(state);
            if (i < boxesInUse - 1) {
                moved = FocusTarget{ControlId::txtSelNumbers, i + 1};
            } else if (i == boxesInUse - 1) {
                moved = FocusTarget{ControlId::txtSelNumbers, 0}; // the last box in use wraps
            }
        }
    }
    const FocusTarget was = before_.focus;
    const auto shownNow = [&state](const FocusTarget& control) {
        if (!isBox(control)) {
            return true;
        }
        if (!boxInRange(control)) {
            return false;
        }
        const auto place = static_cast<std::size_t>(control.index);
        return control.control == ControlId::txtNumber ? state.txtNumber[place].visible
                                                       : state.txtSelNumbers[place].visible;
    };
    const bool wasShown = isBox(was) && boxInRange(was) &&
                          (was.control == ControlId::txtNumber
                               ? before_.entryShown[static_cast<std::size_t>(was.index)]
                               : before_.baseShown[static_cast<std::size_t>(was.index)]);
    if (!moved && wasShown && !shownNow(was)) {
        // A box the event hid never keeps the focus: it goes on along the tab order.
        const auto order = tabOrder();
        const auto place = std::find(order.begin(), order.end(), was) - order.begin();
        const auto stops = static_cast<std::ptrdiff_t>(order.size());
        for (std::ptrdiff_t step = 1; step < stops && !moved; ++step) {
            const FocusTarget next = order[static_cast<std::size_t>((place + step) % stops)];
            if (shownNow(next)) {
                moved = next;
            }
        }
    }
    const FocusTarget expected = moved.value_or(was);
    const auto named = [](const FocusTarget& target) {
        return "control " + std::to_string(static_cast<int>(target.control)) + " (" +
               std::to_string(target.index) + ")";
    };
    if (state.focus != expected) {
        return "the focus went to " + named(state.focus) + ", expected " + named(expected);
    }
    if ((state.focusMoves != before_.focusMoves) != moved.has_value()) {
        return std::string("the focus handling ") + (moved ? "did not run" : "ran") + " at " +
               named(expected);
    }
    return std::nullopt;
}

Verdict InvariantChecker::followWholeChange(const SelectorState& state, const StormEvent& event) {
    const std::size_t stored = state.lstNumbers.size();
    if (event.action == Action::Paste &&
        (stored < lines_.size() ||
         !std::equal(lines_.begin(), lines_.end(), state.lstNumbers.begin()))) {
        return std::string("a paste changed a stored combination");
    }
    lines_ = state.lstNumbers;
    storedNumbers_.clear();
    const auto numbers = static_cast<int>(stored) * (state.HScroll2.value + 1);
    for (int position = 1; position <= numbers; ++position) {
        storedNumbers_.push_back(state.CombNumbers[position]);
    }
    rebuildKnown_ = false;
    return std::nullopt;
}

Verdict InvariantChecker::after(const SelectorState& state, const StormEvent& event) {
    if (auto v = steadyRules(state)) {
        return v;
    }
    if (event.action == Action::Undo || event.action == Action::Redo ||
        event.action == Action::Paste) {
        return followWholeChange(state, event);
    }
    if (auto v = combinationRules(state, event)) {
        return v;
    }
    if (auto v = textRules(state, event)) {
        return v;
    }
    if (auto v = controlRules(state, event)) {
        return v;
    }
    if (auto v = focusRules(state, event)) {
        return v;
    }
    return playNumberRules(state, event);
}

} // namespace drawlet::storm
