// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The baseline of the start-up measure: the form's standard controls, made as
// drawlet-selector.exe makes them (buildControls: the same classes, styles, places, fonts and
// tool tips), the five boxes of the start-up shown, in the same manifest, and nothing else: no
// core, no view, no writes, no subclassing.

#include "FormControls.h"

#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

namespace {

LRESULT CALLBACK formProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(form, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    using namespace drawlet;
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
    HWND form = CreateWindowExW(0, L"BareForm", L"Drawlet Exclusion / Inclusion Selector", style,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, instance, nullptr);
    const int dpi = win32::dpiOf(form);
    win32::FormControls controls = win32::buildControls(form, dpi);
    for (int box = 0; box < 5; ++box) {
        ShowWindow(win32::controlFor(controls, {ControlId::txtNumber, box}), SW_SHOWNA);
    }
    const SIZE client = win32::clientSize(dpi);
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    SetWindowPos(form, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    ShowWindow(form, showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    win32::destroyFonts(controls);
    return 0;
}
