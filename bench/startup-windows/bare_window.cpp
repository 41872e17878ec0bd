// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline of the start-up measure: a window with the same standard controls at the same
// places and in the same fonts as drawlet-selector.exe, and nothing else (no core, no view, no
// writes, no subclassing), in the same manifest.

#include "FormPlaces.h"

#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

namespace {

const wchar_t* classOf(drawlet::view::PieceKind kind, bool control) {
    using drawlet::view::PieceKind;
    switch (kind) {
    case PieceKind::Label:
        return control ? WC_EDITW : WC_STATICW;
    case PieceKind::TextBox:
        return WC_EDITW;
    case PieceKind::List:
        return WC_LISTBOXW;
    case PieceKind::HScroll:
        return WC_SCROLLBARW;
    default:
        return WC_BUTTONW;
    }
}

DWORD styleOf(drawlet::view::PieceKind kind) {
    using drawlet::view::PieceKind;
    switch (kind) {
    case PieceKind::Frame:
        return BS_GROUPBOX;
    case PieceKind::Option:
        return BS_RADIOBUTTON;
    case PieceKind::HScroll:
        return SBS_HORZ;
    case PieceKind::List:
        return WS_VSCROLL | LBS_NOINTEGRALHEIGHT;
    default:
        return 0;
    }
}

LRESULT CALLBACK formProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(form, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&common);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = formProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"BareForm";
    RegisterClassExW(&windowClass);
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, drawlet::view::pixels(9480), drawlet::view::pixels(8490)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    HWND form = CreateWindowExW(0, L"BareForm", L"Drawlet Exclusion / Inclusion Selector", style,
                                CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    LOGFONTW font{};
    font.lfHeight = -11;
    wcscpy(font.lfFaceName, L"Verdana");
    HFONT verdana = CreateFontIndirectW(&font);
    for (const drawlet::view::Piece& piece : drawlet::view::formPieces()) {
        drawlet::view::Twips place = piece.place;
        if (const auto* frameOf = drawlet::view::pieceNamed(piece.container)) {
            place.left += frameOf->place.left;
            place.top += frameOf->place.top;
        }
        const bool control = piece.target.control != drawlet::ControlId::None;
        HWND child = CreateWindowExW(
            0, classOf(piece.kind, control), L"", WS_CHILD | WS_VISIBLE | styleOf(piece.kind),
            drawlet::view::pixels(place.left), drawlet::view::pixels(place.top),
            drawlet::view::pixels(place.width), drawlet::view::pixels(place.height), form, nullptr,
            instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(verdana), FALSE);
    }
    ShowWindow(form, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(verdana);
    return 0;
}
