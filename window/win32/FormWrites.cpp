// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormWrites.h"

#include "Controls.h"
#include "Wide.h"

#include <commctrl.h>
#include <variant>

namespace drawlet::win32 {
namespace {

constexpr ControlId kSelectionTypes[] = {ControlId::optExclusion, ControlId::optInclusion,
                                         ControlId::optNone};

struct Writer {
    FormControls& c;

    void operator()(const view::WriteCaption& write) const {
        SetWindowTextW(captionControl(c, write.caption), wide(write.text).c_str());
    }
    // An empty box is not emptied again: the first render writes all 110.
    void operator()(const view::WriteBoxText& write) const {
        HWND box = controlFor(c, write.box);
        if (!write.text.empty() || GetWindowTextLengthW(box) > 0) {
            SetWindowTextW(box, wide(write.text).c_str());
        }
    }
    void operator()(const view::WriteBoxVisible& write) const {
        ShowWindow(controlFor(c, write.box), write.visible ? SW_SHOWNA : SW_HIDE);
    }
    // A hundred lines added at once are drawn once.
    void operator()(const view::WriteLines& write) const {
        HWND list = controlFor(c, {ControlId::lstNumbers, 0});
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        if (write.kept == 0) {
            SendMessageW(list, LB_RESETCONTENT, 0, 0);
        }
        for (auto count = static_cast<std::size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
             count > write.kept; --count) {
            SendMessageW(list, LB_DELETESTRING, count - 1, 0);
        }
        for (const std::string& line : write.added) {
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(line).c_str()));
        }
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
    }
    // A scroll bar's range is min to max with no page, so max itself can be reached, as the
    // state's bounds say.
    void operator()(const view::WriteSlider& write) const {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE | SIF_DISABLENOSCROLL;
        info.nMin = write.bar.min;
        info.nMax = write.bar.max;
        info.nPos = write.bar.value;
        SetScrollInfo(controlFor(c, {write.slider, 0}), SB_CTL, &info, TRUE);
    }
    void operator()(const view::WriteChecked& write) const {
        SendMessageW(controlFor(c, write.option), BM_SETCHECK,
                     write.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (write.option.control == ControlId::Option1 || !write.checked) {
            return;
        }
        for (const ControlId other : kSelectionTypes) {
            if (other != write.option.control) {
                SendMessageW(controlFor(c, {other, 0}), BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
    }
    void operator()(const view::WriteToolTip& write) const {
        std::wstring text = wide(write.text);
        for (int i = 0; i < kEntryBoxes; ++i) {
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = c.form;
            tool.uId = reinterpret_cast<UINT_PTR>(controlFor(c, {ControlId::txtNumber, i}));
            tool.lpszText = text.data();
            SendMessageW(c.toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    void operator()(const view::WriteFocus& write) const {
        HWND control = controlFor(c, write.target);
        if (control == nullptr) {
            return;
        }
        if (GetFocus() != control) {
            SetFocus(control);
        }
        if (isBox(write.target)) {
            SendMessageW(control, EM_SETSEL, static_cast<WPARAM>(write.selStart),
                         write.selStart + write.selLength);
        }
    }
};

} // namespace

HWND captionControl(const FormControls& c, view::Caption caption) {
    const view::Piece* piece = view::pieceNamed(view::captionName(caption));
    return piece == nullptr ? nullptr
                            : c.pieces[static_cast<std::size_t>(piece - view::formPieces().data())];
}

void applyWrites(FormControls& c, const std::vector<view::Write>& writes) {
    for (const view::Write& write : writes) {
        std::visit(Writer{c}, write);
    }
}

} // namespace drawlet::win32
