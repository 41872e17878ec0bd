// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window "Drawlet Exclusion / Inclusion Selector" on the Win32 API.
//
// One window procedure for the form and one for its controls (each control is subclassed) hand
// every message to a small function named after what it does. A message the player caused (a
// key, a typed or pasted text, a click, a focus arrival, a completed scroll) becomes one
// PlayerEvent through apply(); then the view's writes are applied to the controls, and a write
// never comes back as an event: focus moves made while rendering are the state's own, and the
// controls' texts are read back only around the messages that let a box edit itself.
//
// It keeps no truth of its own beyond its bookkeeping:
// - the view's record of what it showed, and whether it is rendering;
// - the controls, their fonts at the window's DPI, and the result lines' readable colours.
// Ctrl+Z, Ctrl+Shift+Z, Ctrl+Y, Alt+Backspace, and every way of pasting into a box (Ctrl+V,
// Shift+Insert, the box's menu, WM_PASTE) go to the core as its own events, so the boxes' own
// undo and paste never run.

#include "AccessibleForm.h"
#include "Announcements.h"
#include "FormControls.h"
#include "FormView.h"
#include "PlayerEvents.h"
#include "RandomSource.h"
#include "SelectorState.h"

#include <unordered_map>
#include <windows.h>

namespace drawlet::win32 {

class frmDrawlet {
public:
    // The random source must outlive the window.
    explicit frmDrawlet(RandomSource& random) : random_(random) {}
    frmDrawlet(const frmDrawlet&) = delete;
    frmDrawlet& operator=(const frmDrawlet&) = delete;
    ~frmDrawlet();

    // Creates the window with its controls, runs start-up and shows it.
    HWND show(int showCommand);

    const SelectorState& state() const { return state_; }

private:
    static LRESULT CALLBACK formProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK controlProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT original(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;
    LRESULT formMessage(HWND form, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT controlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

    bool run(const PlayerEvent& event);
    void render();

    // The form's messages.
    void created(HWND form);
    void commanded(HWND control, int notification);
    void scrolled(HWND bar, int request, int thumb);
    LRESULT colourLine(HDC dc, HWND control);
    void dpiChanged(int dpi, const RECT& suggested);
    void fitFrame(int dpi, const RECT& suggested);
    void coloursChanged();
    void activated();
    void accessibleObjectAsked();

    // A control's messages.
    bool keyDown(HWND control, FocusTarget target, WPARAM key, LPARAM flags);
    void keyUp(FocusTarget target, WPARAM key);
    bool charTyped(WPARAM character);
    void focusArrived(FocusTarget target);
    bool focusingPress(HWND control);
    void pasted(FocusTarget box, int keyCode, int modifiers);
    void boxMenu(HWND box, FocusTarget target, LPARAM at);
    bool editCommand(FocusTarget target, WPARAM key, int modifiers);
    void tabbed(FocusTarget from, bool backwards);
    bool sliderKey(FocusTarget slider, WPARAM key);
    bool optionKey(FocusTarget option, WPARAM key);
    LRESULT editsItself(HWND box, FocusTarget target, UINT message, WPARAM wParam, LPARAM lParam);

    SelectorState state_;
    UndoHistory history_;
    RandomSource& random_;
    FormControls controls_;
    view::ShownForm shown_;
    view::Announcements announcements_;
    AccessibleForm accessible_;
    HBRUSH lineBackground_ = nullptr;
    std::unordered_map<HWND, WNDPROC> originalProcs_; // each control's own window procedure
    COLORREF lineColours_[2] = {};
    bool rendering_ = false;
};

} // namespace drawlet::win32
