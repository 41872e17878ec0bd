// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "EventStorm.h"

#include "BaseSetEntry.h"
#include "BaseSetSize.h"
#include "CombinationEntry.h"
#include "Controls.h"
#include "PlayNumbers.h"
#include "PlayerEvents.h"
#include "Quantity.h"
#include "Resets.h"
#include "Startup.h"
#include "TabOrder.h"
#include "TypeOfSelection.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <numeric>
#include <random>

namespace drawlet::storm {
namespace {

std::atomic<std::uint64_t> eventsExecuted{0};

enum class Move : std::uint8_t {
    TypeDigit,
    TypeBackspace,
    TypeAnyKey,
    ReleaseKey,
    Paste,
    EnterCombination,
    EnterBaseSet,
    AnyBoxHandler,
    MoveQuantity,
    MovePickSize,
    MoveBaseSetSize,
    StepSlider,
    Focus,
    Pick,
    ClearCombinations,
    ClearAll,
    ClearBaseSet,
    AutoFill,
    AutoFillStart,
    TypeOfSelection,
    DirectHandler,
    UndoOrRedo,
    Count,
};

constexpr std::size_t kMoves = static_cast<std::size_t>(Move::Count);
using Weights = std::array<int, kMoves>;

// Out of 256, in the order of Move. "Balanced" mixes everything; "fill" enters combinations
// with no reset, so the list reaches 100 and the picks reach 1000 positions; "base set" works
// mostly on the right-hand side of the window.
constexpr std::array<Weights, 3> kProfiles = {{
    {48, 8, 8, 8, 10, 28, 10, 14, 8, 4, 10, 10, 20, 14, 3, 3, 3, 8, 6, 8, 5, 20},
    {24, 2, 4, 6, 4, 146, 6, 6, 14, 0, 4, 0, 8, 16, 0, 0, 1, 4, 3, 4, 0, 4},
    {32, 10, 6, 10, 12, 10, 40, 10, 4, 2, 20, 8, 24, 8, 2, 2, 6, 10, 10, 10, 4, 16},
}};

constexpr bool weightsAddUp() {
    for (const Weights& weights : kProfiles) {
        int sum = 0;
        for (const int weight : weights) {
            sum += weight;
        }
        if (sum != 256) {
            return false;
        }
    }
    return true;
}
static_assert(weightsAddUp(), "each profile shares out all 256 values of a byte");

Move moveFor(std::uint8_t profile, std::uint8_t byte) {
    const Weights& weights = kProfiles[profile % kProfiles.size()];
    int remaining = byte;
    for (std::size_t move = 0; move < kMoves; ++move) {
        remaining -= weights[move];
        if (remaining < 0) {
            return static_cast<Move>(move);
        }
    }
    return Move::TypeDigit;
}

// Mostly an index of the row, one either side of it now and then, and sometimes any 16-bit
// value at all.
int anyIndex(ByteReader& bytes, int boxes) {
    const std::uint8_t choice = bytes.byte();
    if (choice < 224) {
        return choice % (boxes + 2) - 1;
    }
    return bytes.word();
}

// Mostly a value around the slider's range, sometimes any 16-bit value.
int sliderValue(ByteReader& bytes, const ScrollBar& slider) {
    const std::uint8_t choice = bytes.byte();
    if (choice < 200) {
        return slider.min - 2 + choice % (slider.max - slider.min + 5);
    }
    return bytes.word();
}

// Every control of the tab order, each once, in that order: where a click or Tab can put the
// focus.
const std::vector<ControlId>& focusableControls() {
    static const std::vector<ControlId> controls = [] {
        std::vector<ControlId> list;
        for (const FocusTarget stop : tabOrder()) {
            if (std::find(list.begin(), list.end(), stop.control) == list.end()) {
                list.push_back(stop.control);
            }
        }
        return list;
    }();
    return controls;
}

ControlId anyFocusableControl(std::uint8_t choice) {
    const std::vector<ControlId>& controls = focusableControls();
    return controls[choice % controls.size()];
}

// One of the indices the control has in the tab order (Option1 has two, the others one).
int indexInTabOrder(ControlId control, std::uint8_t choice) {
    const auto order = tabOrder();
    const auto stops = std::count_if(order.begin(), order.end(), [control](FocusTarget stop) {
        return stop.control == control;
    });
    auto nth = stops > 0 ? choice % stops : 0;
    for (const FocusTarget stop : order) {
        if (stop.control == control && nth-- == 0) {
            return stop.index;
        }
    }
    return 0;
}

// The box a key or text went to: the keys typed into one box make one step of the history.
std::optional<FocusTarget> typedInto(const StormEvent& event) {
    switch (event.action) {
    case Action::EntryKeyPress:
    case Action::EntryKeyUp:
    case Action::EntryEdit:
        return FocusTarget{ControlId::txtNumber, event.index};
    case Action::BaseKeyPress:
    case Action::BaseKeyUp:
    case Action::BaseEdit:
        return FocusTarget{ControlId::txtSelNumbers, event.index};
    default:
        return std::nullopt;
    }
}

// The two-digit numbers of a pasted line, or nothing when it is not one: numbers of exactly two
// digits, separated by spaces, commas, semicolons, tabs, line breaks or no-break spaces, and at
// least one of them.
std::optional<std::vector<std::string>> pastedNumbers(std::string_view text) {
    constexpr std::string_view noBreakSpace = "\xc2\xa0";
    std::vector<std::string> numbers;
    while (!text.empty()) {
        if (text.starts_with(noBreakSpace)) {
            text.remove_prefix(noBreakSpace.size());
            continue;
        }
        if (std::string_view(" ,;\t\r\n").find(text.front()) != std::string_view::npos) {
            text.remove_prefix(1);
            continue;
        }
        const auto digits =
            std::find_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; }) -
            text.begin();
        if (digits != 2) {
            return std::nullopt;
        }
        numbers.emplace_back(text.substr(0, 2));
        text.remove_prefix(2);
    }
    if (numbers.empty()) {
        return std::nullopt;
    }
    return numbers;
}

// Hands on the storm's random values and keeps them, so that typing can replay a paste's picks.
class RecordingRandom final : public RandomSource {
public:
    explicit RecordingRandom(RandomSource& source) : source_(source) {}
    void seedFromTimeOfDay() override {}
    double next() override { return drawn_.emplace_back(source_.next()); }
    const std::vector<double>& drawn() const { return drawn_; }

private:
    RandomSource& source_;
    std::vector<double> drawn_;
};

// The values a paste drew, in order, then 0.
class ReplayedRandom final : public RandomSource {
public:
    explicit ReplayedRandom(const std::vector<double>& values) : values_(values) {}
    void seedFromTimeOfDay() override {}
    double next() override { return next_ < values_.size() ? values_[next_++] : 0.0; }

private:
    const std::vector<double>& values_;
    std::size_t next_ = 0;
};

} // namespace

std::uint8_t ByteReader::byte() {
    return exhausted() ? 0 : bytes_[next_++];
}

std::int16_t ByteReader::word() {
    const auto high = static_cast<unsigned>(byte());
    const auto low = static_cast<unsigned>(byte());
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(high << 8U | low));
}

EventStorm::EventStorm(RandomSource& random) : random_(random) {
    Form_Load(state_, random_);
    Form_Shown(state_);
    checker_.emplace(state_);
    model_.emplace(state_);
    if (auto broken = checker_->steadyRules(state_)) {
        result_.failure = "after start-up: " + *broken;
    }
}

StormResult EventStorm::run(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    const std::uint8_t profile = reader.byte() % kProfiles.size();
    apply(StormEvent::of(Action::MoveSlider).at(2).withValue(reader.byte() % 10));
    while (!reader.exhausted() && !failed()) {
        playMove(reader, profile);
    }
    return result_;
}

void EventStorm::playMove(ByteReader& bytes, std::uint8_t profile) {
    switch (moveFor(profile, bytes.byte())) {
    case Move::TypeDigit:
        typeKey(static_cast<std::int16_t>('0' + bytes.byte() % 10));
        break;
    case Move::TypeBackspace:
        typeKey(8);
        break;
    case Move::TypeAnyKey:
        typeKey(bytes.word());
        break;
    case Move::ReleaseKey: {
        constexpr std::array<int, 6> keys = {16, 17, 37, 38, 39, 40}; // Shift, Ctrl, arrows
        const std::uint8_t choice = bytes.byte();
        releaseKey(choice < 192 ? keys[choice % keys.size()] : bytes.word(), bytes.byte() % 8);
        break;
    }
    case Move::Paste:
        if ((bytes.byte() & 1U) == 0) {
            paste(bytes);
        } else {
            pasteNumbers(bytes);
        }
        break;
    case Move::EnterCombination:
        enterCombination(bytes);
        break;
    case Move::EnterBaseSet:
        enterBaseSet(bytes);
        break;
    case Move::AnyBoxHandler:
        callAnyBoxHandler(bytes);
        break;
    case Move::MoveQuantity:
        apply(StormEvent::of(Action::MoveSlider)
                  .at(1)
                  .withValue(sliderValue(bytes, state_.HScroll1)));
        break;
    case Move::MovePickSize:
        apply(StormEvent::of(Action::MoveSlider)
                  .at(2)
                  .withValue(sliderValue(bytes, state_.HScroll2)));
        break;
    case Move::MoveBaseSetSize:
        apply(StormEvent::of(Action::MoveSlider)
                  .at(3)
                  .withValue(sliderValue(bytes, state_.HScroll3)));
        break;
    case Move::StepSlider:
        stepSlider(bytes);
        break;
    case Move::Focus: {
        const ControlId control = anyFocusableControl(bytes.byte());
        const std::uint8_t where = bytes.byte();
        int index = 0;
        if (isBox({control, 0})) {
            // Mostly where the player can click: a shown box.
            const int shown =
                control == ControlId::txtNumber ? state_.HScroll2.value + 1 : inUseCount(state_);
            index = where < 192 && shown > 0
                        ? where % shown
                        : anyIndex(bytes,
                                   control == ControlId::txtNumber ? kEntryBoxes : kBaseSetBoxes);
        } else {
            index = indexInTabOrder(control, where);
        }
        apply(StormEvent::of(Action::Focus).on(control, index));
        break;
    }
    case Move::Pick:
        apply(StormEvent::of(Action::Pick));
        break;
    case Move::ClearCombinations:
        apply(StormEvent::of(Action::ClearCombinations));
        break;
    case Move::ClearAll:
        apply(StormEvent::of(Action::ClearAll));
        break;
    case Move::ClearBaseSet:
        apply(StormEvent::of(Action::ClearBaseSet));
        break;
    case Move::AutoFill:
        apply(StormEvent::of(Action::AutoFill));
        break;
    case Move::AutoFillStart: {
        const std::uint8_t choice = bytes.byte();
        apply(StormEvent::of(Action::ChooseAutoFillStart)
                  .at(choice < 240 ? choice % 2 : bytes.word()));
        break;
    }
    case Move::TypeOfSelection:
        apply(StormEvent::of(Action::ChooseType).at(bytes.byte() % 3));
        break;
    case Move::DirectHandler:
        callDirectHandler(bytes);
        break;
    case Move::UndoOrRedo: {
        // Mostly undo, now and then redo, one to three steps.
        const std::uint8_t choice = bytes.byte();
        const Action action = choice % 4 == 3 ? Action::Redo : Action::Undo;
        for (int step = 0; step <= choice / 4 % 3 && !failed(); ++step) {
            apply(StormEvent::of(action));
        }
        // The window sets the focus and the box's selection again after an undo or a redo, so
        // the next key replaces the text the focus handling selected.
        if (const TextBox* box = boxAt(state_, state_.focus)) {
            wholeTextSelected_ = box->selLength > 0;
            focusMovesSeen_ = state_.focusMoves;
        }
        break;
    }
    case Move::Count:
        break;
    }
}

// A key typed in the box with the focus, as typeKey (PlayerEvents.h) types it: the filter first,
// then the text the box shows, then the release; each step is recorded as the storm's own event.
// A key pressed while a slider or button has the focus is not ours to follow.
void EventStorm::typeKey(std::int16_t code) {
    const FocusTarget focus = state_.focus;
    if (!isBox(focus)) {
        return;
    }
    const bool entry = focus.control == ControlId::txtNumber;
    if (state_.focusMoves != focusMovesSeen_) {
        focusMovesSeen_ = state_.focusMoves;
        wholeTextSelected_ = true;
    }
    const auto play = [&](const PlayerEvent& input) {
        if (failed()) {
            return false;
        }
        if (std::holds_alternative<KeyPressed>(input)) {
            const StormEvent pressed =
                apply(StormEvent::of(entry ? Action::EntryKeyPress : Action::BaseKeyPress)
                          .at(focus.index)
                          .withKey(code));
            if (pressed.keyAfter != 0) {
                wholeTextSelected_ = false;
            }
            return pressed.keyAfter != 0;
        }
        if (const auto* edit = std::get_if<TextEdited>(&input)) {
            apply(StormEvent::of(entry ? Action::EntryEdit : Action::BaseEdit)
                      .at(focus.index)
                      .withText(edit->text));
            return true;
        }
        releaseKey(code, 0);
        return true;
    };
    drawlet::typeKey(play, focus, boxAt(state_, focus)->text, code, wholeTextSelected_);
}

void EventStorm::releaseKey(int keyCode, int modifiers) {
    const FocusTarget focus = state_.focus;
    if (focus.control == ControlId::txtNumber) {
        apply(StormEvent::of(Action::EntryKeyUp)
                  .at(focus.index)
                  .withValue(keyCode)
                  .withModifiers(modifiers));
    } else if (focus.control == ControlId::txtSelNumbers) {
        apply(StormEvent::of(Action::BaseKeyUp)
                  .at(focus.index)
                  .withValue(keyCode)
                  .withModifiers(modifiers));
    }
}

// Text that reaches a box whole: pasted, dropped or composed. Mostly digits, but any byte may
// come, and up to four of them.
void EventStorm::paste(ByteReader& bytes) {
    const bool entry = (bytes.byte() & 1U) == 0;
    const ControlId row = entry ? ControlId::txtNumber : ControlId::txtSelNumbers;
    const int index = state_.focus.control == row
                          ? state_.focus.index
                          : anyIndex(bytes, entry ? kEntryBoxes : kBaseSetBoxes);
    std::string text;
    const int length = bytes.byte() % 5;
    for (int i = 0; i < length; ++i) {
        const std::uint8_t c = bytes.byte();
        text += c < 200 ? static_cast<char>('0' + c % 10) : static_cast<char>(c);
    }
    apply(StormEvent::of(entry ? Action::EntryEdit : Action::BaseEdit)
              .at(index)
              .withText(std::move(text)));
    wholeTextSelected_ = false;
    focusMovesSeen_ = state_.focusMoves;
    if ((bytes.byte() & 1U) != 0) {
        releaseKey(86, 2); // the V of Ctrl+V
    }
}

// A line of numbers pasted into a box, mostly the one with the focus: mostly two-digit numbers
// between separators of every kind, now and then any byte.
void EventStorm::pasteNumbers(ByteReader& bytes) {
    constexpr std::array<const char*, 7> separators = {" ", ",", ";", "\t", "\n", "\r\n", ", "};
    const bool focused = bytes.byte() < 224;
    const FocusTarget box = focused
                                ? state_.focus
                                : FocusTarget{(bytes.byte() & 1U) == 0 ? ControlId::txtNumber
                                                                       : ControlId::txtSelNumbers,
                                              anyIndex(bytes, kBaseSetBoxes)};
    std::string text;
    const int numbers = bytes.byte() % 40;
    for (int i = 0; i < numbers; ++i) {
        const std::uint8_t c = bytes.byte();
        if (c < 240) {
            text += {static_cast<char>('0' + c % 100 / 10), static_cast<char>('0' + c % 10)};
        } else {
            text += static_cast<char>(bytes.byte());
        }
        text += separators[c % separators.size()];
    }
    apply(StormEvent::of(Action::Paste).on(box.control, box.index).withText(std::move(text)));
    wholeTextSelected_ = false;
    focusMovesSeen_ = state_.focusMoves;
}

// The player clicks into the first entry box and types a whole combination, two digits a box.
void EventStorm::enterCombination(ByteReader& bytes) {
    apply(StormEvent::of(Action::Focus).on(ControlId::txtNumber, 0));
    for (int j = 0; j <= state_.HScroll2.value && !failed(); ++j) {
        const int number = bytes.byte() % 100;
        typeKey(static_cast<std::int16_t>('0' + number / 10));
        typeKey(static_cast<std::int16_t>('0' + number % 10));
    }
}

// The player clicks into a base set box in use and types a few numbers, two digits each.
void EventStorm::enterBaseSet(ByteReader& bytes) {
    const int boxesInUse = inUseCount(state_);
    const std::uint8_t where = bytes.byte();
    const int count = 1 + bytes.byte() % 8;
    if (boxesInUse < 1) {
        return;
    }
    apply(StormEvent::of(Action::Focus).on(ControlId::txtSelNumbers, where % boxesInUse));
    for (int i = 0; i < count && !failed(); ++i) {
        const int number = bytes.byte() % 100;
        typeKey(static_cast<std::int16_t>('0' + number / 10));
        typeKey(static_cast<std::int16_t>('0' + number % 10));
    }
}

// A box handler called directly with any index, key code and modifiers.
void EventStorm::callAnyBoxHandler(ByteReader& bytes) {
    const std::uint8_t which = bytes.byte() % 6;
    const bool entry = which < 3;
    const int index = anyIndex(bytes, entry ? kEntryBoxes : kBaseSetBoxes);
    switch (which % 3) {
    case 0:
        apply(StormEvent::of(entry ? Action::EntryKeyPress : Action::BaseKeyPress)
                  .at(index)
                  .withKey(bytes.word()));
        break;
    case 1:
        apply(StormEvent::of(entry ? Action::EntryKeyUp : Action::BaseKeyUp)
                  .at(index)
                  .withValue(bytes.word())
                  .withModifiers(bytes.word()));
        break;
    default:
        apply(StormEvent::of(entry ? Action::EntryGotFocus : Action::BaseGotFocus).at(index));
        break;
    }
}

// An arrow or a click on the track: one small or one large step either way.
void EventStorm::stepSlider(ByteReader& bytes) {
    const int slider = 1 + bytes.byte() % 3;
    const ScrollBar& bar = slider == 1   ? state_.HScroll1
                           : slider == 2 ? state_.HScroll2
                                         : state_.HScroll3;
    const std::uint8_t step = bytes.byte() % 4;
    const int change = step < 2 ? bar.smallChange : bar.largeChange;
    apply(StormEvent::of(Action::MoveSlider)
              .at(slider)
              .withValue(bar.value + (step % 2 == 0 ? -change : change)));
}

void EventStorm::callDirectHandler(ByteReader& bytes) {
    const std::uint8_t which = bytes.byte() % 7;
    switch (which) {
    case 0:
    case 1:
    case 2:
        apply(StormEvent::of(Action::SliderChange).at(which + 1));
        break;
    case 3:
        apply(StormEvent::of(Action::Option1Click).at(anyIndex(bytes, 2)));
        break;
    case 4:
        apply(StormEvent::of(Action::TypeButtonClick).at(bytes.byte() % 3));
        break;
    case 5:
        apply(StormEvent::of(Action::TypeButtonGotFocus).at(bytes.byte() % 3));
        break;
    default:
        apply(StormEvent::of(Action::RebuildPlayNumbers));
        break;
    }
}

StormEvent EventStorm::apply(StormEvent event) {
    if (failed()) {
        return event;
    }
    checker_->before(state_);
    const std::size_t combinationsBefore = state_.lstNumbers.size();
    std::optional<std::string> broken = execute(event);
    ++result_.events;
    eventsExecuted.fetch_add(1, std::memory_order_relaxed);
    if (state_.lstNumbers.size() > combinationsBefore) {
        ++result_.combinationsStored;
    }
    result_.mostCombinations = std::max(result_.mostCombinations, state_.lstNumbers.size());

    recent_.push_back(event);
    if (recent_.size() > 24) {
        recent_.pop_front();
    }
    if (!broken) {
        broken = checker_->after(state_, event);
    }
    if (!broken) {
        broken = followHistory(event);
    }
    if (broken) {
        result_.failure = *broken + "\nafter event " + std::to_string(result_.events) +
                          "; the last events:\n" + trace();
    }
    return event;
}

// The model of the history follows every event: an undo or a redo must give back exactly the
// state it kept.
std::optional<std::string> EventStorm::followHistory(const StormEvent& event) {
    if (event.action == Action::Undo) {
        return model_->undone(state_, event.accepted);
    }
    if (event.action == Action::Redo) {
        return model_->redone(state_, event.accepted);
    }
    if (isDirectCall(event.action)) {
        model_->bypassed(state_);
    } else {
        model_->played(state_, typedInto(event));
    }
    return std::nullopt;
}

// The player's events go through apply(), as the window's do; the rest are single handler calls
// with any arguments, which no player event makes.
std::optional<std::string> EventStorm::execute(StormEvent& event) {
    static constexpr std::array<ControlId, 3> sliders = {ControlId::HScroll1, ControlId::HScroll2,
                                                         ControlId::HScroll3};
    static constexpr std::array<ControlId, 3> typeButtons = {
        ControlId::optExclusion, ControlId::optInclusion, ControlId::optNone};
    const auto entry = [&event] { return FocusTarget{ControlId::txtNumber, event.index}; };
    const auto baseSet = [&event] { return FocusTarget{ControlId::txtSelNumbers, event.index}; };
    const auto play = [this](const PlayerEvent& input) {
        return drawlet::apply(state_, history_, random_, input);
    };
    switch (event.action) {
    case Action::EntryKeyPress:
    case Action::BaseKeyPress: {
        const FocusTarget box = event.action == Action::EntryKeyPress ? entry() : baseSet();
        const bool passes = play(KeyPressed{box, event.key, 0, event.key});
        event.keyAfter = passes ? event.key : std::int16_t{0};
        break;
    }
    case Action::EntryKeyUp:
    case Action::BaseKeyUp:
        event.accepted = play(KeyReleased{event.action == Action::EntryKeyUp ? entry() : baseSet(),
                                          event.value, event.modifiers});
        break;
    case Action::EntryEdit:
    case Action::BaseEdit:
        event.accepted =
            play(TextEdited{event.action == Action::EntryEdit ? entry() : baseSet(), event.text});
        break;
    case Action::EntryGotFocus:
        txtNumber_GotFocus(state_, event.index);
        break;
    case Action::BaseGotFocus:
        txtSelNumbers_GotFocus(state_, event.index);
        break;
    case Action::MoveSlider:
        play(SliderMoved{sliders[static_cast<std::size_t>(event.index - 1)], event.value});
        break;
    case Action::SliderChange:
        if (event.index == 1) {
            HScroll1_Change(state_);
        } else if (event.index == 2) {
            HScroll2_Change(state_);
        } else {
            HScroll3_Change(state_);
        }
        break;
    case Action::Focus:
        play(FocusArrived{event.target});
        break;
    case Action::Pick:
        play(Clicked{{ControlId::cmdPick, 0}});
        break;
    case Action::ClearCombinations:
        play(Clicked{{ControlId::cmdClearComb, 0}});
        break;
    case Action::ClearAll:
        play(Clicked{{ControlId::cmdClear, 0}});
        break;
    case Action::ClearBaseSet:
        play(Clicked{{ControlId::cmdClearBaseSet, 0}});
        break;
    case Action::AutoFill:
        play(Clicked{{ControlId::Command1, 0}});
        break;
    case Action::ChooseAutoFillStart:
        play(Clicked{{ControlId::Option1, event.index}});
        break;
    case Action::Option1Click:
        Option1_Click(state_);
        break;
    case Action::ChooseType:
        play(Clicked{{typeButtons[static_cast<std::size_t>(event.index)], 0}});
        break;
    case Action::TypeButtonClick: {
        constexpr std::array<void (*)(SelectorState&), 3> clicks = {
            optExclusion_Click, optInclusion_Click, optNone_Click};
        clicks[static_cast<std::size_t>(event.index)](state_);
        break;
    }
    case Action::TypeButtonGotFocus: {
        constexpr std::array<void (*)(SelectorState&), 3> focuses = {
            optExclusion_GotFocus, optInclusion_GotFocus, optNone_GotFocus};
        focuses[static_cast<std::size_t>(event.index)](state_);
        break;
    }
    case Action::RebuildPlayNumbers:
        Display_Play_Numbers(state_);
        break;
    case Action::Undo:
        event.accepted = play(Undo{});
        break;
    case Action::Redo:
        event.accepted = play(Redo{});
        break;
    case Action::Paste: {
        RecordingRandom recording(random_);
        event.accepted =
            drawlet::apply(state_, history_, recording, Pasted{event.target, event.text});
        return pasteVerdict(event, recording.drawn());
    }
    }
    return std::nullopt;
}

// A pasted line of numbers must do what typing its numbers does, key by key from the focused box
// on: in the entry row until the list is full, in the base set until the focus leaves the next
// box. Anything else must be refused whole and change nothing. The typing replays the same
// draws for the picks it runs.
std::optional<std::string> EventStorm::pasteVerdict(const StormEvent& event,
                                                    const std::vector<double>& draws) const {
    const SelectorState& before = model_->present();
    const std::optional<std::vector<std::string>> numbers = pastedNumbers(event.text);
    const FocusTarget box = event.target;
    const bool entry = box.control == ControlId::txtNumber;
    const TextBox* target = boxAt(before, box);
    const bool types = numbers && box == before.focus && target != nullptr && target->visible &&
                       !(entry && before.lstNumbers.size() >= kMaxCombinations);
    const std::string what = describe(event);
    if (event.accepted != types) {
        return what + (types ? ": the paste was refused" : ": the paste was typed");
    }
    SelectorState typed = before;
    UndoHistory scratch;
    ReplayedRandom replay(draws);
    for (std::size_t next = 0; types && next < numbers->size(); ++next) {
        const FocusTarget at = typed.focus;
        if (boxAt(typed, at) == nullptr || (entry && typed.lstNumbers.size() >= kMaxCombinations)) {
            break;
        }
        const std::string& number = (*numbers)[next];
        for (const std::string& text : {number.substr(0, 1), number}) {
            const int key = text.back();
            drawlet::apply(typed, scratch, replay, KeyPressed{at, key, 0, key});
            drawlet::apply(typed, scratch, replay, TextEdited{at, text});
            drawlet::apply(typed, scratch, replay, KeyReleased{at, key, 0});
        }
        if (!entry && typed.focus != FocusTarget{ControlId::txtSelNumbers, at.index + 1}) {
            break;
        }
    }
    if (auto group = firstDifference(typed, state_, false)) {
        return what + ": the paste left " + *group + " otherwise than typing its numbers";
    }
    return std::nullopt;
}

std::string EventStorm::trace() const {
    std::string lines;
    for (const StormEvent& event : recent_) {
        lines += "  " + describe(event) + '\n';
    }
    return lines;
}

std::uint64_t stormEventsExecuted() {
    return eventsExecuted.load(std::memory_order_relaxed);
}

std::vector<std::uint8_t> seededStormBytes(std::uint64_t seed, std::uint8_t profile,
                                           std::size_t size) {
    std::mt19937_64 engine(seed);
    std::vector<std::uint8_t> bytes(size);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(engine());
    }
    if (!bytes.empty()) {
        bytes[0] = profile;
    }
    return bytes;
}

} // namespace drawlet::storm
