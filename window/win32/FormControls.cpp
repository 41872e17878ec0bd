// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FormControls.h"

#include "Controls.h"
#include "PieceIds.h"
#include "Wide.h"

#include <cmath>
#include <commctrl.h>

namespace drawlet::win32 {
namespace {

using view::Piece;
using view::PieceKind;

DWORD styleOf(const Piece& piece) {
    // The boxes are shown by the first render, which writes each box's visibility: most of them
    // stay hidden, and a box made hidden costs nothing to keep so.
    const DWORD child = WS_CHILD | (piece.kind == PieceKind::TextBox ? 0 : WS_VISIBLE);
    const DWORD tabStop = piece.target.control == ControlId::None ? 0 : WS_TABSTOP;
    switch (piece.kind) {
    case PieceKind::Label:
        if (piece.target.control != ControlId::None) {
            // A result line: read-only text the player can select and copy, in the tab order.
            return child | tabStop | ES_MULTILINE | ES_READONLY;
        }
        return child | SS_NOPREFIX | (piece.topAligned || piece.wordWrap ? 0 : SS_CENTERIMAGE) |
               (piece.align == view::TextAlign::Centre ? SS_CENTER
                : piece.wordWrap                       ? SS_LEFT
                                                       : SS_LEFTNOWORDWRAP);
    case PieceKind::Frame:
        return child | BS_GROUPBOX;
    case PieceKind::TextBox:
        return child | tabStop | ES_CENTER | ES_NUMBER | ES_AUTOHSCROLL;
    case PieceKind::List:
        return child | tabStop | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY;
    case PieceKind::HScroll:
        return child | tabStop | SBS_HORZ;
    case PieceKind::Option:
        // Not an automatic radio button: the state decides which option is on, and the
        // view's write checks it.
        return child | tabStop | BS_RADIOBUTTON;
    case PieceKind::Button:
        return child | tabStop | BS_PUSHBUTTON;
    }
    return child;
}

const wchar_t* classOf(const Piece& piece) {
    switch (piece.kind) {
    case PieceKind::Label:
        return piece.target.control == ControlId::None ? WC_STATICW : WC_EDITW;
    case PieceKind::Frame:
    case PieceKind::Option:
    case PieceKind::Button:
        return WC_BUTTONW;
    case PieceKind::TextBox:
        return WC_EDITW;
    case PieceKind::List:
        return WC_LISTBOXW;
    case PieceKind::HScroll:
        return WC_SCROLLBARW;
    }
    return WC_STATICW;
}

DWORD extendedStyleOf(const Piece& piece) {
    return piece.kind == PieceKind::TextBox || piece.kind == PieceKind::List ? WS_EX_CLIENTEDGE : 0;
}

// The piece's place on the form: a frame's pieces are measured from the frame's corner.
view::Twips onForm(const Piece& piece) {
    view::Twips place = piece.place;
    if (!piece.container.empty()) {
        if (const Piece* frame = view::pieceNamed(piece.container)) {
            place.left += frame->place.left;
            place.top += frame->place.top;
        }
    }
    return place;
}

HFONT fontFor(FormControls& c, const Piece& piece) {
    const double points = piece.fontPoints > 0 ? piece.fontPoints : view::form().fontPoints;
    const auto key = std::make_pair(static_cast<int>(std::lround(points * 10)), piece.underlined);
    if (const auto found = c.fonts.find(key); found != c.fonts.end()) {
        return found->second;
    }
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(points * c.dpi / 72.0));
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = piece.underlined ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    // Where Verdana is missing, the font mapper takes the nearest sans face.
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    const std::wstring face = wide(view::form().fontFace);
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    HFONT made = CreateFontIndirectW(&font);
    c.fonts[key] = made;
    return made;
}

RECT pixelPlace(const Piece& piece, int dpi) {
    const view::Twips place = onForm(piece);
    return {view::pixels(place.left, dpi), view::pixels(place.top, dpi),
            view::pixels(place.width, dpi), view::pixels(place.height, dpi)};
}

void placePiece(FormControls& c, std::size_t row) {
    const Piece& piece = view::formPieces()[row];
    const RECT place = pixelPlace(piece, c.dpi);
    SetWindowPos(c.pieces[row], nullptr, place.left, place.top, place.right, place.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(c.pieces[row], WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c, piece)), FALSE);
}

void addToolTip(FormControls& c, HWND control, const std::string& text) {
    std::wstring wideText = wide(text);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = c.form;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = wideText.data();
    SendMessageW(c.toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void makeToolTips(FormControls& c) {
    c.toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, c.form,
                                nullptr, nullptr, nullptr);
    // The entry boxes' tool tip is a long sentence: wrapped, as the Qt window wraps it.
    SendMessageW(c.toolTip, TTM_SETMAXTIPWIDTH, 0, view::pixels(6000, c.dpi));
    for (std::size_t row = 0; row < c.pieces.size(); ++row) {
        const Piece& piece = view::formPieces()[row];
        if (!piece.toolTip.empty()) {
            addToolTip(c, c.pieces[row], piece.toolTip);
        } else if (piece.target.control == ControlId::txtNumber) {
            addToolTip(c, c.pieces[row], std::string()); // the view writes its text
        }
    }
}

} // namespace

int dpiOf(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        return static_cast<int>(getDpiForWindow(window));
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

SIZE clientSize(int dpi) {
    return {view::pixels(view::form().clientWidth, dpi),
            view::pixels(view::form().clientHeight, dpi)};
}

FormControls buildControls(HWND form, int dpi) {
    FormControls c;
    c.form = form;
    c.dpi = dpi;
    const auto pieces = view::formPieces();
    c.pieces.reserve(pieces.size());
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t row = 0; row < pieces.size(); ++row) {
        const Piece& piece = pieces[row];
        const std::wstring caption = wide(piece.caption);
        const RECT place = pixelPlace(piece, dpi);
        HWND control = CreateWindowExW(
            extendedStyleOf(piece), classOf(piece), caption.c_str(), styleOf(piece), place.left,
            place.top, place.right, place.bottom, form,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstPieceId + static_cast<int>(row))),
            instance, nullptr);
        c.pieces.push_back(control);
        if (piece.target.control != ControlId::None) {
            c.controls[{piece.target.control, piece.target.index}] = control;
        }
        if (piece.kind == PieceKind::TextBox) {
            SendMessageW(control, EM_SETLIMITTEXT, 2, 0);
        }
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(c, piece)), FALSE);
    }
    makeToolTips(c);
    return c;
}

void layOut(FormControls& c, int dpi) {
    std::map<std::pair<int, bool>, HFONT> old;
    old.swap(c.fonts);
    c.dpi = dpi;
    for (std::size_t row = 0; row < c.pieces.size(); ++row) {
        placePiece(c, row);
    }
    for (const auto& [key, font] : old) {
        DeleteObject(font);
    }
    if (c.toolTip != nullptr) {
        SendMessageW(c.toolTip, TTM_SETMAXTIPWIDTH, 0, view::pixels(6000, dpi));
    }
    InvalidateRect(c.form, nullptr, TRUE);
}

void destroyFonts(FormControls& c) {
    for (const auto& [key, font] : c.fonts) {
        DeleteObject(font);
    }
    c.fonts.clear();
}

HWND controlFor(const FormControls& c, FocusTarget target) {
    const auto found = c.controls.find({target.control, target.index});
    return found != c.controls.end() ? found->second : nullptr;
}

int pieceRow(HWND child) {
    const int row = GetDlgCtrlID(child) - kFirstPieceId;
    return row >= 0 && row < static_cast<int>(view::formPieces().size()) ? row : -1;
}

} // namespace drawlet::win32
