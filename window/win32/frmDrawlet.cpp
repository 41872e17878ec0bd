// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmDrawlet.h"

#include "Controls.h"
#include "FormWrites.h"
#include "PieceIds.h"
#include "ReadableColours.h"
#include "Startup.h"
#include "TabOrder.h"
#include "Wide.h"

#include <commctrl.h>
#include <span>
#include <utility>
#include <variant>

namespace drawlet::win32 {
namespace {

FocusTarget targetOf(HWND control) {
    const int row = pieceRow(control);
    return row < 0 ? FocusTarget{} : view::formPieces()[static_cast<std::size_t>(row)].target;
}

bool down(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The modifiers held now, as the core adds them up.
int heldModifiers() {
    return (down(VK_SHIFT) ? modifiers::Shift : 0) | (down(VK_CONTROL) ? modifiers::Control : 0) |
           (down(VK_MENU) ? modifiers::Alt : 0);
}

// The core numbers keys as Windows does for the named keys, digits and letters; a keypad digit
// is its digit, another key the character it is printed with, where that is one the core
// counts, else 0.
int keyCodeOf(WPARAM key) {
    switch (key) {
    case VK_BACK:
    case VK_TAB:
    case VK_RETURN:
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_DELETE:
    case VK_SPACE:
        return static_cast<int>(key);
    default:
        break;
    }
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return static_cast<int>(key);
    }
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) {
        return static_cast<int>('0' + (key - VK_NUMPAD0));
    }
    const UINT printed = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_CHAR) & 0x7fff;
    return printed > ' ' && printed <= 'Z' ? static_cast<int>(printed) : 0;
}

// The character the key now going down types: Windows has already queued it behind the key.
int pendingCharacter(HWND control, UINT charMessage) {
    MSG queued;
    if (PeekMessageW(&queued, control, charMessage, charMessage, PM_NOREMOVE | PM_NOYIELD)) {
        return static_cast<int>(queued.wParam);
    }
    return 0;
}

void dropPendingCharacter(HWND control) {
    MSG queued;
    while (PeekMessageW(&queued, control, WM_CHAR, WM_CHAR, PM_REMOVE | PM_NOYIELD) ||
           PeekMessageW(&queued, control, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE | PM_NOYIELD)) {
    }
}

std::string clipboardText(HWND owner) {
    std::string text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = narrow(chars);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::wstring textOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

COLORREF colourRef(view::Rgb rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

view::Rgb rgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// The control before `from` in the tab order that the player can see, as Shift+Tab reaches it.
FocusTarget previousShownInTabOrder(const SelectorState& state, FocusTarget from) {
    const auto order = tabOrder();
    std::size_t at = 0;
    while (at < order.size() && order[at] != from) {
        ++at;
    }
    for (std::size_t step = 1; step < order.size(); ++step) {
        const FocusTarget candidate = order[(at + order.size() - step) % order.size()];
        if (isShown(state, candidate)) {
            return candidate;
        }
    }
    return from;
}

enum MenuCommand : UINT {
    MenuUndo = 1,
    MenuRedo,
    MenuCut,
    MenuCopy,
    MenuPaste,
    MenuDelete,
    MenuAll
};

} // namespace

frmDrawlet::~frmDrawlet() {
    destroyFonts(controls_);
    if (lineBackground_ != nullptr) {
        DeleteObject(lineBackground_);
    }
}

HWND frmDrawlet::show(int showCommand) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = formProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    RegisterClassExW(&windowClass);

    const std::wstring caption = wide(view::form().caption);
    HWND form = CreateWindowExW(0, kFormClass, caption.c_str(),
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                                nullptr, instance, this);
    ShowWindow(form, showCommand);
    Form_Shown(state_);
    render();
    return form;
}

LRESULT CALLBACK frmDrawlet::formProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<frmDrawlet*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<frmDrawlet*>(GetWindowLongPtrW(form, GWLP_USERDATA));
    return window != nullptr ? window->formMessage(form, message, wParam, lParam)
                             : DefWindowProcW(form, message, wParam, lParam);
}

LRESULT CALLBACK frmDrawlet::controlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<frmDrawlet*>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return window->controlMessage(control, message, wParam, lParam);
}

// What the control's own class does with a message.
LRESULT frmDrawlet::original(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallWindowProcW(originalProcs_.at(control), control, message, wParam, lParam);
}

LRESULT frmDrawlet::formMessage(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        created(form);
        return 0;
    case WM_COMMAND:
        commanded(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_HSCROLL:
        scrolled(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
        if (const LRESULT brush =
                colourLine(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
            return brush;
        }
        break;
    case WM_DPICHANGED:
        dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        coloursChanged();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            activated();
            return 0;
        }
        break;
    case WM_SETFOCUS:
        activated();
        return 0;
    case WM_GETOBJECT:
        accessibleObjectAsked();
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(form, message, wParam, lParam);
}

LRESULT frmDrawlet::controlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const FocusTarget target = targetOf(control);
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (keyDown(control, target, wParam, lParam)) {
            return 0;
        }
        if (isBox(target)) {
            return editsItself(control, target, message, wParam, lParam);
        }
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        keyUp(target, wParam);
        // Return presses a button as Space does; the button acts on the key's release.
        if (wParam == VK_RETURN && (controlRow(target.control)->kind == ControlKind::Button ||
                                    controlRow(target.control)->kind == ControlKind::Option)) {
            return original(control, message, VK_SPACE, lParam);
        }
        break;
    case WM_CHAR:
        if (isBox(target)) {
            return charTyped(wParam) ? editsItself(control, target, message, wParam, lParam) : 0;
        }
        break;
    case WM_CUT:
    case WM_CLEAR:
    case WM_IME_COMPOSITION:
    case WM_IME_CHAR:
        // An edit control inserts an input method's result itself, past the character filter;
        // the core then refuses anything but digits.
        if (isBox(target)) {
            return editsItself(control, target, message, wParam, lParam);
        }
        break;
    case WM_PASTE:
        if (isBox(target)) {
            pasted(target, 0, 0);
        }
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        if (isBox(target)) {
            run(Undo{});
        }
        return 0;
    case WM_CONTEXTMENU:
        if (isBox(target)) {
            boxMenu(control, target, lParam);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        if (focusingPress(control) && isBox(target)) {
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        const LRESULT result = original(control, message, wParam, lParam);
        focusArrived(target);
        return result;
    }
    case WM_GETOBJECT:
        accessibleObjectAsked();
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(control, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(originalProcs_.at(control)));
        break;
    default:
        break;
    }
    return original(control, message, wParam, lParam);
}

// Returns whether the control took the input (see apply()).
bool frmDrawlet::run(const PlayerEvent& event) {
    const bool taken = apply(state_, history_, random_, event);
    const bool undone = std::holds_alternative<Undo>(event);
    if (taken && (undone || std::holds_alternative<Redo>(event))) {
        shown_.focusAgain();
        announcements_.historyStep(undone ? HistoryStep::Undone : HistoryStep::Redone);
    }
    render();
    return taken;
}

void frmDrawlet::render() {
    const bool wasRendering = std::exchange(rendering_, true);
    applyWrites(controls_, shown_.render(state_));
    rendering_ = wasRendering;
    accessible_.rendered(controls_, state_);
    if (const auto sentence = announcements_.rendered(state_, accessible_.listening())) {
        accessible_.announce(controls_.form, *sentence);
    }
}

// Start-up runs before the window is first shown, so the design-time texts it replaces never
// reach the screen; the form takes its size at the DPI of the monitor it opens on.
void frmDrawlet::created(HWND form) {
    const int dpi = dpiOf(form);
    controls_ = buildControls(form, dpi);
    for (const auto& [key, control] : controls_.controls) {
        // Each control's messages come here first, by its window procedure replaced: Windows'
        // SetWindowSubclass keeps its chain in window properties, which under Wine cost a round
        // trip to the server each, some 45 ms of start-up for the form's controls.
        SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        originalProcs_[control] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&controlProc)));
    }
    coloursChanged();
    Form_Load(state_, random_);
    render();
    fitFrame(dpi, RECT{});
}

void frmDrawlet::commanded(HWND control, int notification) {
    if (notification != BN_CLICKED) {
        return;
    }
    const FocusTarget button = targetOf(control);
    const Control* row = controlRow(button.control);
    if (row == nullptr || (row->kind != ControlKind::Button && row->kind != ControlKind::Option)) {
        return;
    }
    if (button.control == ControlId::cmdPick) {
        announcements_.pickPressed();
    }
    run(Clicked{button});
}

// A scroll bar moves only when told to: each completed request becomes one move from the
// state's value. While the thumb is dragged nothing happens; its release is the move.
void frmDrawlet::scrolled(HWND bar, int request, int thumb) {
    const FocusTarget target = targetOf(bar);
    const Control* row = controlRow(target.control);
    if (row == nullptr || row->kind != ControlKind::Slider) {
        return;
    }
    const ScrollBar& now = state_.*(row->bar);
    int value = now.value;
    switch (request) {
    case SB_LINELEFT:
        value -= now.smallChange;
        break;
    case SB_LINERIGHT:
        value += now.smallChange;
        break;
    case SB_PAGELEFT:
        value -= now.largeChange;
        break;
    case SB_PAGERIGHT:
        value += now.largeChange;
        break;
    case SB_LEFT:
        value = now.min;
        break;
    case SB_RIGHT:
        value = now.max;
        break;
    case SB_THUMBPOSITION: // where the thumb was let go; every range here fits 16 bits
        value = thumb;
        break;
    default: // SB_THUMBTRACK, SB_ENDSCROLL
        return;
    }
    run(SliderMoved{target.control, value});
}

// The two result lines keep their design colours where those are readable on the lines'
// background, which is the system's; every other control draws in the system's colours.
LRESULT frmDrawlet::colourLine(HDC dc, HWND control) {
    const FocusTarget target = targetOf(control);
    if (target.control != ControlId::Label3 && target.control != ControlId::Label5) {
        return 0;
    }
    SetTextColor(dc, lineColours_[target.control == ControlId::Label3 ? 0 : 1]);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(lineBackground_);
}

void frmDrawlet::coloursChanged() {
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    if (lineBackground_ != nullptr) {
        DeleteObject(lineBackground_);
    }
    lineBackground_ = CreateSolidBrush(background);
    for (const auto& [slot, id] :
         {std::pair{0, ControlId::Label3}, std::pair{1, ControlId::Label5}}) {
        const view::Piece* piece = view::pieceFor({id, 0});
        const view::Rgb design = piece != nullptr && piece->textColour
                                     ? *piece->textColour
                                     : rgbOf(GetSysColor(COLOR_WINDOWTEXT));
        lineColours_[slot] = colourRef(view::readableOn(design, rgbOf(background)));
        if (HWND line = controlFor(controls_, {id, 0})) {
            InvalidateRect(line, nullptr, TRUE);
        }
    }
}

// Places, sizes and fonts follow the monitor's DPI.
void frmDrawlet::dpiChanged(int dpi, const RECT& suggested) {
    layOut(controls_, dpi);
    fitFrame(dpi, suggested);
}

// The frame around the form's client area at `dpi`, where Windows suggests or where it is.
void frmDrawlet::fitFrame(int dpi, const RECT& suggested) {
    const SIZE client = clientSize(dpi);
    RECT frame{0, 0, client.cx, client.cy};
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(controls_.form, GWL_STYLE));
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpiFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, 0);
    }
    const bool moved = suggested.right > suggested.left;
    SetWindowPos(controls_.form, nullptr, moved ? suggested.left : 0, moved ? suggested.top : 0,
                 frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (moved ? 0 : SWP_NOMOVE));
}

// Windows gives an activated top-level window the focus itself; it belongs to the control the
// state has it in.
void frmDrawlet::activated() {
    if (HWND control = controlFor(controls_, state_.focus)) {
        const bool wasRendering = std::exchange(rendering_, true);
        SetFocus(control);
        rendering_ = wasRendering;
    }
}

void frmDrawlet::accessibleObjectAsked() {
    accessible_.requested(controls_, state_);
}

// Every key goes to the core first, whichever control has it. Returns true when the key is
// done with: an edit command, Tab, a key whose character the key filter swallowed, or a key the
// window handles itself.
bool frmDrawlet::keyDown(HWND control, FocusTarget target, WPARAM key, LPARAM flags) {
    const int held = heldModifiers();
    if (editCommand(target, key, held)) {
        dropPendingCharacter(control);
        return true;
    }
    if (key == VK_TAB) {
        dropPendingCharacter(control);
        run(KeyPressed{target, keys::Tab, held, 0});
        tabbed(target, (held & modifiers::Shift) != 0);
        return true;
    }
    const int character = key == VK_DELETE ? 0 : pendingCharacter(control, WM_CHAR);
    if (!run(KeyPressed{target, keyCodeOf(key), held, character})) {
        dropPendingCharacter(control);
        return true;
    }
    const ControlKind kind = controlRow(target.control)->kind;
    // A result line selects its whole text for copying, whatever its edit control's age.
    if (kind == ControlKind::Label && key == 'A' && held == modifiers::Control) {
        dropPendingCharacter(control);
        SendMessageW(control, EM_SETSEL, 0, -1);
        return true;
    }
    if (kind == ControlKind::Slider) {
        return sliderKey(target, key);
    }
    if (kind == ControlKind::Option && key >= VK_LEFT && key <= VK_DOWN) {
        return optionKey(target, key);
    }
    if (key == VK_RETURN && (kind == ControlKind::Button || kind == ControlKind::Option)) {
        dropPendingCharacter(control);
        original(control, WM_KEYDOWN, VK_SPACE, flags);
        return true;
    }
    return false;
}

// A held key repeats its WM_KEYDOWN (lParam bit 30 set) and comes up once: that one WM_KEYUP is
// its release.
void frmDrawlet::keyUp(FocusTarget target, WPARAM key) {
    run(KeyReleased{target, keyCodeOf(key), heldModifiers()});
}

// Only digits and Backspace reach a box, whether typed, composed by an input method or sent;
// the key filter has already seen the typed ones.
bool frmDrawlet::charTyped(WPARAM character) {
    return (character >= '0' && character <= '9') || character == VK_BACK;
}

// A box edits its own text (a character, Backspace, Delete, cut); the text it then shows is
// the player's edit, and the state decides whether it stays.
LRESULT frmDrawlet::editsItself(HWND box, FocusTarget target, UINT message, WPARAM wParam,
                                LPARAM lParam) {
    const std::wstring before = textOf(box);
    const LRESULT result = original(box, message, wParam, lParam);
    const std::wstring after = textOf(box);
    if (after != before) {
        const std::string text = narrow(after);
        shown_.edited(target, text);
        run(TextEdited{target, text});
    }
    return result;
}

// Focus the window moves itself while rendering is already in the state, and so is focus that
// comes back to the control that had it.
void frmDrawlet::focusArrived(FocusTarget target) {
    if (rendering_ || target == state_.focus) {
        return;
    }
    run(FocusArrived{target});
}

// A press that brings the focus gives it, and the focus arrival selects the box's text; the
// press itself would put the caret under the pointer, so a box drops it. A later press in the
// box places the caret as usual.
bool frmDrawlet::focusingPress(HWND control) {
    if (GetFocus() == control) {
        return false;
    }
    SetFocus(control);
    return true;
}

void frmDrawlet::pasted(FocusTarget box, int keyCode, int modifiers) {
    run(Pasted{box, clipboardText(controls_.form), keyCode, modifiers});
}

// The box's own menu, with Undo, Redo and Paste doing what their keys do. A right click brings
// the focus first, as a left one does, so that the menu's paste goes into this box.
void frmDrawlet::boxMenu(HWND box, FocusTarget target, LPARAM at) {
    if (GetFocus() != box) {
        SetFocus(box);
    }
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    if (point.x == -1 && point.y == -1) { // from the keyboard: at the box
        RECT place;
        GetWindowRect(box, &place);
        point = {place.left, place.bottom};
    }
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selected = end > start;
    const bool hasText = GetWindowTextLengthW(box) > 0;
    const auto enabled = [](bool yes) { return yes ? MF_ENABLED : MF_GRAYED; };
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING | enabled(history_.undoSteps() > 0), MenuUndo, L"&Undo");
    AppendMenuW(menu, MF_STRING | enabled(history_.redoSteps() > 0), MenuRedo, L"&Redo");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | enabled(selected), MenuCut, L"Cu&t");
    AppendMenuW(menu, MF_STRING | enabled(selected), MenuCopy, L"&Copy");
    AppendMenuW(menu, MF_STRING | enabled(IsClipboardFormatAvailable(CF_UNICODETEXT) != 0),
                MenuPaste, L"&Paste");
    AppendMenuW(menu, MF_STRING | enabled(selected), MenuDelete, L"&Delete");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | enabled(hasText), MenuAll, L"Select &All");
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, point.x, point.y, 0, box, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
    case MenuUndo:
        run(Undo{});
        break;
    case MenuRedo:
        run(Redo{});
        break;
    case MenuCut:
        editsItself(box, target, WM_CUT, 0, 0);
        break;
    case MenuCopy:
        original(box, WM_COPY, 0, 0);
        break;
    case MenuPaste:
        pasted(target, 0, 0);
        break;
    case MenuDelete:
        editsItself(box, target, WM_CLEAR, 0, 0);
        break;
    case MenuAll:
        SendMessageW(box, EM_SETSEL, 0, -1);
        break;
    default:
        break;
    }
}

// Undo, redo and paste by their keys, wherever the focus is; the paste keys only in a box,
// which has something to paste into. Alt+Backspace is Windows' older undo key.
bool frmDrawlet::editCommand(FocusTarget target, WPARAM key, int held) {
    const int keyCode = keyCodeOf(key);
    const int ctrl = modifiers::Control;
    const int ctrlShift = modifiers::Control | modifiers::Shift;
    if ((key == 'Z' && held == ctrl) || (key == VK_BACK && held == modifiers::Alt)) {
        run(Undo{keyCode, held});
        return true;
    }
    if ((key == 'Z' && held == ctrlShift) || (key == 'Y' && held == ctrl)) {
        run(Redo{keyCode, held});
        return true;
    }
    if (isBox(target) &&
        ((key == 'V' && held == ctrl) || (key == VK_INSERT && held == modifiers::Shift))) {
        pasted(target, keyCode, held);
        return true;
    }
    return false;
}

// Tab moves the focus along the core's tab order, skipping hidden boxes; the focus arrival is
// the next event.
void frmDrawlet::tabbed(FocusTarget from, bool backwards) {
    const FocusTarget to =
        backwards ? previousShownInTabOrder(state_, from) : nextShownInTabOrder(state_, from);
    if (HWND control = controlFor(controls_, to)) {
        SetFocus(control);
    }
}

// The arrows move among the options of a set and choose the one they reach, as in any group of
// option buttons.
bool frmDrawlet::optionKey(FocusTarget option, WPARAM key) {
    static constexpr FocusTarget kTypes[] = {
        {ControlId::optExclusion, 0}, {ControlId::optInclusion, 0}, {ControlId::optNone, 0}};
    static constexpr FocusTarget kStarts[] = {{ControlId::Option1, 0}, {ControlId::Option1, 1}};
    const std::span<const FocusTarget> set = option.control == ControlId::Option1
                                                 ? std::span<const FocusTarget>(kStarts)
                                                 : std::span<const FocusTarget>(kTypes);
    std::size_t at = 0;
    while (at < set.size() && set[at] != option) {
        ++at;
    }
    const bool forwards = key == VK_RIGHT || key == VK_DOWN;
    const FocusTarget to = set[(at + (forwards ? 1 : set.size() - 1)) % set.size()];
    SetFocus(controlFor(controls_, to));
    run(Clicked{to});
    return true;
}

// The keys of a slider: Right, Up and Page Up raise the value, Left, Down and Page Down lower
// it, Home and End go to the ends.
bool frmDrawlet::sliderKey(FocusTarget slider, WPARAM key) {
    int request = -1;
    switch (key) {
    case VK_LEFT:
    case VK_DOWN:
        request = SB_LINELEFT;
        break;
    case VK_RIGHT:
    case VK_UP:
        request = SB_LINERIGHT;
        break;
    case VK_NEXT:
        request = SB_PAGELEFT;
        break;
    case VK_PRIOR:
        request = SB_PAGERIGHT;
        break;
    case VK_HOME:
        request = SB_LEFT;
        break;
    case VK_END:
        request = SB_RIGHT;
        break;
    default:
        return false;
    }
    scrolled(controlFor(controls_, slider), request, 0);
    return true;
}

} // namespace drawlet::win32
