// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormView.h"

#include "Controls.h"

#include <algorithm>
#include <utility>

namespace drawlet::view {
namespace {

// The state's texts behind each caption, in the order of Caption.
constexpr std::string Captions::*kCaptionTexts[kCaptions] = {
    &Captions::Label1, &Captions::Label2, &Captions::Label3, &Captions::Label4,  &Captions::Label5,
    &Captions::Frame1, &Captions::Frame2, &Captions::Frame3, &Captions::Command1};

constexpr const char* kCaptionNames[kCaptions] = {"Label1", "Label2", "Label3", "Label4",  "Label5",
                                                  "Frame1", "Frame2", "Frame3", "Command1"};

ScrollBar& sliderIn(FormViewState& view, ControlId slider) {
    switch (slider) {
    case ControlId::HScroll2:
        return view.HScroll2;
    case ControlId::HScroll3:
        return view.HScroll3;
    default:
        return view.HScroll1;
    }
}

FocusTarget optionOf(SelectionType type) {
    switch (type) {
    case SelectionType::Include:
        return {ControlId::optInclusion, 0};
    case SelectionType::None:
        return {ControlId::optNone, 0};
    case SelectionType::Exclude:
        break;
    }
    return {ControlId::optExclusion, 0};
}

// Compares what was shown with what is to be shown; a change (or everything, on the first
// render) becomes a write, and what is shown is brought up to date in place, so an unchanged
// text is neither written nor copied.
struct Differ {
    FormViewState& shown;
    std::vector<Write>& writes;
    bool everything;

    void captions(const SelectorState& state) {
        for (std::size_t i = 0; i < kCaptions; ++i) {
            const std::string& text = state.*kCaptionTexts[i];
            if (everything || shown.captions[i] != text) {
                shown.captions[i] = text;
                writes.emplace_back(WriteCaption{static_cast<Caption>(i), text});
            }
        }
    }

    // In the order of the core's table, as Tab visits them.
    void sliders(const SelectorState& state) {
        for (const Control& row : controlTable()) {
            if (row.kind != ControlKind::Slider) {
                continue;
            }
            const ScrollBar& bar = state.*row.bar;
            ScrollBar& was = sliderIn(shown, row.id);
            if (everything || was != bar) {
                was = bar;
                writes.emplace_back(WriteSlider{row.id, bar});
            }
        }
    }

    template <std::size_t Count>
    void boxTexts(ControlId row, const BoxRow<Count>& boxes, std::array<BoxView, Count>& was) {
        for (std::size_t i = 0; i < Count; ++i) {
            const std::string& text = boxes[static_cast<int>(i)].text;
            if (everything || was[i].text != text) {
                was[i].text = text;
                writes.emplace_back(WriteBoxText{{row, static_cast<int>(i)}, text});
            }
        }
    }

    template <std::size_t Count>
    void boxVisibility(ControlId row, const BoxRow<Count>& boxes, std::array<BoxView, Count>& was) {
        for (std::size_t i = 0; i < Count; ++i) {
            const bool visible = boxes[static_cast<int>(i)].visible;
            if (everything || was[i].visible != visible) {
                was[i].visible = visible;
                writes.emplace_back(WriteBoxVisible{{row, static_cast<int>(i)}, visible});
            }
        }
    }

    void lines(const std::vector<std::string>& lines) {
        if (!everything && shown.lstNumbers == lines) {
            return;
        }
        std::vector<std::string>& was = shown.lstNumbers;
        const auto agreeing = static_cast<std::size_t>(
            std::mismatch(was.begin(),
                          was.begin() +
                              static_cast<std::ptrdiff_t>(std::min(was.size(), lines.size())),
                          lines.begin())
                .first -
            was.begin());
        const std::size_t kept = everything ? 0 : agreeing;
        WriteLines write{kept, {lines.begin() + static_cast<std::ptrdiff_t>(kept), lines.end()}};
        was.resize(kept);
        was.insert(was.end(), write.added.begin(), write.added.end());
        writes.emplace_back(std::move(write));
    }

    void options(const SelectorState& state) {
        if (everything || shown.typeOfSelection != state.typeOfSelection) {
            shown.typeOfSelection = state.typeOfSelection;
            writes.emplace_back(WriteChecked{optionOf(state.typeOfSelection), true});
        }
        for (std::size_t start = 0; start < state.Option1.size(); ++start) {
            if (everything || shown.Option1[start] != state.Option1[start]) {
                shown.Option1[start] = state.Option1[start];
                writes.emplace_back(WriteChecked{{ControlId::Option1, static_cast<int>(start)},
                                                 state.Option1[start]});
            }
        }
    }

    void toolTip(const std::string& text) {
        if (everything || shown.txtNumberToolTip != text) {
            shown.txtNumberToolTip = text;
            writes.emplace_back(WriteToolTip{text});
        }
    }
};

WriteFocus focusOn(const SelectorState& state) {
    WriteFocus write{state.focus};
    if (const TextBox* box = boxAt(state, state.focus)) {
        const auto length = static_cast<int>(box->text.size());
        write.selStart = std::clamp(box->selStart, 0, length);
        write.selLength = std::clamp(box->selLength, 0, length - write.selStart);
    }
    return write;
}

} // namespace

const char* captionName(Caption caption) {
    return kCaptionNames[static_cast<std::size_t>(caption)];
}

FormViewState formView(const SelectorState& state) {
    FormViewState view;
    for (std::size_t i = 0; i < kCaptions; ++i) {
        view.captions[i] = state.*kCaptionTexts[i];
    }
    for (std::size_t i = 0; i < view.txtNumber.size(); ++i) {
        const TextBox& box = state.txtNumber[static_cast<int>(i)];
        view.txtNumber[i] = {box.text, box.visible};
    }
    for (std::size_t i = 0; i < view.txtSelNumbers.size(); ++i) {
        const TextBox& box = state.txtSelNumbers[static_cast<int>(i)];
        view.txtSelNumbers[i] = {box.text, box.visible};
    }
    view.lstNumbers = state.lstNumbers;
    view.HScroll2 = state.HScroll2;
    view.HScroll1 = state.HScroll1;
    view.HScroll3 = state.HScroll3;
    view.typeOfSelection = state.typeOfSelection;
    view.Option1 = state.Option1;
    view.txtNumberToolTip = state.txtNumberToolTip;
    return view;
}

int sliderReadsAs(const SelectorState& state, ControlId slider, int value) {
    switch (slider) {
    case ControlId::HScroll2:
        return std::max(0, value + 1);
    case ControlId::HScroll3:
        return std::max(0, value - autoFillStart(state));
    default:
        return value;
    }
}

std::vector<Write> ShownForm::render(const SelectorState& state) {
    const bool everything = !shown_;
    if (everything) {
        shown_.emplace();
    }
    std::vector<Write> writes;
    Differ differ{*shown_, writes, everything};
    differ.captions(state);
    differ.sliders(state);
    differ.boxTexts(ControlId::txtNumber, state.txtNumber, shown_->txtNumber);
    differ.boxTexts(ControlId::txtSelNumbers, state.txtSelNumbers, shown_->txtSelNumbers);
    differ.boxVisibility(ControlId::txtNumber, state.txtNumber, shown_->txtNumber);
    differ.boxVisibility(ControlId::txtSelNumbers, state.txtSelNumbers, shown_->txtSelNumbers);
    differ.lines(state.lstNumbers);
    differ.options(state);
    differ.toolTip(state.txtNumberToolTip);
    if (std::exchange(focusAgain_, false) || state.focusMoves != appliedFocusMoves_) {
        appliedFocusMoves_ = state.focusMoves;
        if (state.focus.control != ControlId::None) {
            writes.emplace_back(focusOn(state));
        }
    }
    return writes;
}

void ShownForm::edited(FocusTarget box, const std::string& text) {
    if (!shown_) {
        return;
    }
    if (box.control == ControlId::txtNumber && BoxRow<kEntryBoxes>::contains(box.index)) {
        shown_->txtNumber[static_cast<std::size_t>(box.index)].text = text;
    } else if (box.control == ControlId::txtSelNumbers &&
               BoxRow<kBaseSetBoxes>::contains(box.index)) {
        shown_->txtSelNumbers[static_cast<std::size_t>(box.index)].text = text;
    }
}

void ShownForm::moved(ControlId slider, int value) {
    const Control* row = controlRow(slider);
    if (shown_ && row != nullptr && row->kind == ControlKind::Slider) {
        sliderIn(*shown_, slider).value = static_cast<std::int16_t>(value);
    }
}

void ShownForm::checked(FocusTarget option) {
    if (!shown_) {
        return;
    }
    switch (option.control) {
    case ControlId::optExclusion:
        shown_->typeOfSelection = SelectionType::Exclude;
        break;
    case ControlId::optInclusion:
        shown_->typeOfSelection = SelectionType::Include;
        break;
    case ControlId::optNone:
        shown_->typeOfSelection = SelectionType::None;
        break;
    case ControlId::Option1:
        shown_->Option1 = {option.index == 0, option.index == 1};
        break;
    default:
        break;
    }
}

} // namespace drawlet::view
