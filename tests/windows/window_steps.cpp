// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Windows window end to end: starts drawlet-selector.exe, types and clicks into it with real
// input (SendInput), and reads every control back with window messages, as another program (a
// screen reader's scripts, an automation tool) sees it. Each row is one step and the control
// states it must lead to; a state is waited for, so a row never passes merely because the input
// before it has not been handled yet, and each row that refuses input ends with input that is
// taken.
//
// Usage: drawlet_window_steps.exe PROGRAM.exe [--dpi N]
//        (under tests/windows/wine-session.sh, which gives it a desktop)

#include "PieceIds.h"
#include "ReadableColours.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

namespace {

using namespace drawlet;
using namespace std::chrono_literals;

HWND form = nullptr;
HANDLE formProcess = nullptr;
POINT dragEnd{};
DWORD formThread = 0;

HWND control(const std::string& name) {
    return GetDlgItem(form, win32::pieceId(name));
}

std::string narrow(const std::wstring& text) {
    std::string result;
    for (const wchar_t c : text) {
        result += c < 128 ? static_cast<char>(c) : '?';
    }
    return result;
}

std::string textOf(HWND window) {
    wchar_t text[1024] = {};
    SendMessageW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return narrow(text);
}

std::string listLines() {
    HWND list = control("lstNumbers");
    std::string lines;
    const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t line[256] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line));
        lines += (i > 0 ? "|" : "") + narrow(line);
    }
    return lines;
}

std::string focusName() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(formThread, &info);
    const int id = GetDlgCtrlID(info.hwndFocus) - win32::kFirstPieceId;
    const auto pieces = view::formPieces();
    return info.hwndFocus != nullptr && id >= 0 && id < static_cast<int>(pieces.size())
               ? pieces[static_cast<std::size_t>(id)].name
               : "(none)";
}

std::string hex(int red, int green, int blue) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red, green, blue);
    return text;
}

// The tool tip the form shows over a control. The tool tip control answers into memory of its
// own program, so the question and the answer are put there.
std::string toolTipOf(const std::string& name) {
    HWND tips = nullptr;
    EnumThreadWindows(
        formThread,
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t kind[64] = {};
            GetClassNameW(window, kind, 64);
            if (std::wstring(kind) == TOOLTIPS_CLASSW) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    if (tips == nullptr) {
        return "(no tool tips)";
    }
    constexpr std::size_t kChars = 512;
    auto* remote = static_cast<char*>(VirtualAllocEx(formProcess, nullptr,
                                                     sizeof(TOOLINFOW) + kChars * sizeof(wchar_t),
                                                     MEM_COMMIT, PAGE_READWRITE));
    auto* remoteText = reinterpret_cast<wchar_t*>(remote + sizeof(TOOLINFOW));
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = form;
    tool.uId = reinterpret_cast<UINT_PTR>(control(name));
    tool.lpszText = remoteText;
    WriteProcessMemory(formProcess, remote, &tool, sizeof tool, nullptr);
    WriteProcessMemory(formProcess, remoteText, L"", sizeof(wchar_t), nullptr);
    SendMessageW(tips, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote));
    wchar_t text[kChars] = {};
    ReadProcessMemory(formProcess, remoteText, text, sizeof text - sizeof(wchar_t), nullptr);
    VirtualFreeEx(formProcess, remote, 0, MEM_RELEASE);
    return narrow(text);
}

// What a row expects: a reading of the window and the value it must give.
struct Expect {
    std::function<std::string()> read;
    std::string value;
    std::string what;
};

Expect text(const std::string& name, const std::string& value) {
    return {[name] { return textOf(control(name)); }, value, name};
}
Expect lines(const std::string& value) {
    return {listLines, value, "lstNumbers"};
}
Expect focus(const std::string& name) {
    return {focusName, name, "focus"};
}
Expect position(const std::string& name, int value) {
    return {[name] { return std::to_string(SendMessageW(control(name), SBM_GETPOS, 0, 0)); },
            std::to_string(value), name};
}
Expect checked(const std::string& name, bool on = true) {
    return {[name] {
                return SendMessageW(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked"
                                                                                     : "clear";
            },
            on ? "checked" : "clear", name};
}
Expect shown(const std::string& name, bool on = true) {
    return {[name] { return IsWindowVisible(control(name)) ? "shown" : "hidden"; },
            on ? "shown" : "hidden", name};
}
// The colour a line's text is drawn in: of the colours in its rectangle, the one furthest from
// its background, since smoothed edges are blends of the two.
Expect textColour(const std::string& name, view::Rgb design) {
    const COLORREF background = GetSysColor(COLOR_BTNFACE);
    const view::Rgb shown = view::readableOn(
        design, {GetRValue(background), GetGValue(background), GetBValue(background)});
    return {[name, background] {
                RECT r;
                GetWindowRect(control(name), &r);
                HDC screen = GetDC(nullptr);
                COLORREF furthest = background;
                int distance = 0;
                for (int y = r.top; y < r.bottom; ++y) {
                    for (int x = r.left; x < r.right; ++x) {
                        const COLORREF pixel = GetPixel(screen, x, y);
                        const int d = std::abs(GetRValue(pixel) - GetRValue(background)) +
                                      std::abs(GetGValue(pixel) - GetGValue(background)) +
                                      std::abs(GetBValue(pixel) - GetBValue(background));
                        if (d > distance) {
                            distance = d;
                            furthest = pixel;
                        }
                    }
                }
                ReleaseDC(nullptr, screen);
                return hex(GetRValue(furthest), GetGValue(furthest), GetBValue(furthest));
            },
            hex(shown.red, shown.green, shown.blue), name + " colour"};
}

// The clipboard holds the whole text of the control.
Expect copiedFrom(const std::string& name) {
    return {[name] {
                std::string copied;
                if (OpenClipboard(nullptr)) {
                    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
                        copied = narrow(static_cast<const wchar_t*>(GlobalLock(data)));
                        GlobalUnlock(data);
                    }
                    CloseClipboard();
                }
                const std::string shown = textOf(control(name));
                return !shown.empty() && copied == shown ? "copied" : "clipboard: " + copied;
            },
            "copied", name + " copied"};
}

// The pick size caption shows the slider's value, which has moved from `from`.
Expect pickSizeMovedFrom(int from) {
    return {[from] {
                const auto value = SendMessageW(control("HScroll2"), SBM_GETPOS, 0, 0);
                const std::string caption = textOf(control("Label4"));
                return value != from &&
                               caption == "Lottery Pick Size - " + std::to_string(value + 1)
                           ? std::string("moved and shown")
                           : "at " + std::to_string(value) + ", " + caption;
            },
            "moved and shown", "HScroll2 and Label4"};
}

Expect toolTip(const std::string& name, const std::string& value) {
    return {[name] { return toolTipOf(name); }, value, name + " tool tip"};
}

Expect size(const std::string& name, int width, int height) {
    return {[name] {
                RECT r;
                if (name.empty()) {
                    GetClientRect(form, &r);
                } else {
                    GetWindowRect(control(name), &r);
                }
                return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
            },
            std::to_string(width) + "x" + std::to_string(height), name.empty() ? "client" : name};
}

// -- real input -------------------------------------------------------------------------------

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    std::this_thread::sleep_for(15ms);
}

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    if (key == VK_INSERT || key == VK_DELETE || (key >= VK_PRIOR && key <= VK_DOWN)) {
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    }
    return input;
}

// A key with modifiers held, pressed and let go in the order the fingers do it.
void press(WORD key, std::vector<WORD> held = {}) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : held) {
        inputs.push_back(keyInput(modifier, false));
    }
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto it = held.rbegin(); it != held.rend(); ++it) {
        inputs.push_back(keyInput(*it, true));
    }
    send(inputs);
}

// Characters as their keys: digits, capital letters (typed as the lower-case keys), space.
void type(const std::string& keys) {
    for (const char c : keys) {
        const SHORT mapped = VkKeyScanW(static_cast<wchar_t>(c));
        const auto key = static_cast<WORD>(LOBYTE(mapped));
        if (HIBYTE(mapped) & 1) {
            press(key, {VK_SHIFT});
        } else {
            press(key);
        }
    }
}

// A key held down long enough to repeat: Windows marks every press after the first as a repeat.
void hold(WORD key, int repeats) {
    std::vector<INPUT> inputs(static_cast<std::size_t>(repeats), keyInput(key, false));
    send(inputs);
    send({keyInput(key, true)});
}

// A mouse click at a fraction of the control's width and height.
void click(const std::string& name, double across = 0.5, double down = 0.5, bool right = false) {
    RECT r;
    GetWindowRect(control(name), &r);
    const int x = r.left + static_cast<int>((r.right - r.left) * across);
    const int y = r.top + static_cast<int>((r.bottom - r.top) * down);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = static_cast<LONG>(std::lround((x + 0.5) * 65536.0 / width));
    move.mi.dy = static_cast<LONG>(std::lround((y + 0.5) * 65536.0 / height));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    INPUT pressed = move;
    pressed.mi.dwFlags =
        MOUSEEVENTF_ABSOLUTE | (right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    INPUT released = move;
    released.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | (right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    send({move});
    send({pressed});
    send({released});
}

// Off the form, so that no tool tip covers it.
void movePointerAway() {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = 65535;
    move.mi.dy = 65535;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    send({move});
    std::this_thread::sleep_for(300ms);
}

void mouseAt(int x, int y, DWORD buttons) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx =
        static_cast<LONG>(std::lround((x + 0.5) * 65536.0 / GetSystemMetrics(SM_CXSCREEN)));
    input.mi.dy =
        static_cast<LONG>(std::lround((y + 0.5) * 65536.0 / GetSystemMetrics(SM_CYSCREEN)));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    send({input});
}

// The thumb of a scroll bar at `value` of min to max pressed and dragged by `pixels`, the button
// still down. With no page, the thumb is as wide as an arrow square. (GetScrollBarInfo would
// say where it is, but Wine answers it for a window of another program with zeros.)
void dragThumb(const std::string& name, int value, int min, int max, int pixels) {
    RECT r;
    GetWindowRect(control(name), &r);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const int thumb = GetSystemMetrics(SM_CXHTHUMB);
    const int track = r.right - r.left - 2 * arrow - thumb;
    const int x = r.left + arrow + track * (value - min) / (max - min) + thumb / 2;
    const int y = (r.top + r.bottom) / 2;
    mouseAt(x, y, 0);
    mouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
    for (int step = 1; step <= 4; ++step) {
        mouseAt(x + pixels * step / 4, y, 0);
    }
    std::this_thread::sleep_for(200ms);
    dragEnd = {x + pixels, y};
}

void releaseThumb() {
    mouseAt(dragEnd.x, dragEnd.y, MOUSEEVENTF_LEFTUP);
}

// A scroll bar's arrow squares are as wide as the bar is high.
void clickRightArrow(const std::string& name) {
    RECT r;
    GetWindowRect(control(name), &r);
    click(name, 1.0 - 0.5 * (r.bottom - r.top) / (r.right - r.left));
}

void putOnClipboard(const std::string& text) {
    const std::wstring wide(text.begin(), text.end());
    OpenClipboard(nullptr);
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(data), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

// -- the rows ---------------------------------------------------------------------------------

struct Step {
    std::string what;
    std::function<void()> act;
    std::vector<Expect> expect;
};

const std::string kCombination = "03 15 22 37 41 ";
const std::string kEntryToolTip =
    "This is Automated Entry. Enter your numbers in double digit XX and check each combination. "
    "You'll have to start over if there is a mistake.";

std::vector<Step> steps() {
    return {
        {"start-up as the form shows it",
         [] {},
         {size("", 632, 566),
          text("Label4", "Lottery Pick Size - 5"),
          text("Label1", "Combinations - 0"),
          lines(""),
          text("Label2", "Quantity of Combination Numbers to Pick - 1"),
          text("Frame1", "0 - Exclusion or Inclusion Numbers"),
          text("Label3", ""),
          text("Frame2", "0 - Base Set Numbers"),
          text("Command1", "Auto Fill Base Set 00 to NN"),
          text("Frame3", "0 - Play Numbers"),
          checked("Option1(1)"),
          checked("optExclusion"),
          position("HScroll2", 4),
          position("HScroll3", 0),
          shown("txtNumber(4)"),
          shown("txtNumber(5)", false),
          shown("txtSelNumbers(0)", false),
          text("cmdClear", "Clear All"),
          focus("txtNumber(0)"),
          toolTip("cmdPick", "Use the slider control above to Pick randomly one, some, or use all "
                             "the combination numbers."),
          toolTip("txtNumber(0)", kEntryToolTip),
          toolTip("txtNumber(9)", kEntryToolTip)}},
        {"letters, signs, space, Return and Escape are refused; a digit is taken",
         [] {
             type("ab -+Q");
             press(VK_RETURN);
             press(VK_ESCAPE);
             type("7");
         },
         {text("txtNumber(0)", "7"), focus("txtNumber(0)")}},
        {"Backspace empties the box",
         [] {
             press(VK_BACK);
             type("x");
         },
         {text("txtNumber(0)", ""), focus("txtNumber(0)")}},
        {"a click on the pick size slider's right arrow: pick size 6",
         [] { clickRightArrow("HScroll2"); },
         {position("HScroll2", 5), text("Label4", "Lottery Pick Size - 6"), shown("txtNumber(5)"),
          focus("HScroll2")}},
        {"Left on the focused slider: pick size 5 again",
         [] { press(VK_LEFT); },
         {position("HScroll2", 4), text("Label4", "Lottery Pick Size - 5"),
          shown("txtNumber(5)", false), focus("HScroll2")}},
        {"the thumb dragged: nothing changes while it is held",
         [] { dragThumb("HScroll2", 4, 0, 9, 40); },
         {position("HScroll2", 4), text("Label4", "Lottery Pick Size - 5")}},
        {"the thumb released: one move", [] { releaseThumb(); }, {pickSizeMovedFrom(4)}},
        {"Home on the slider: pick size 1, then Right",
         [] {
             press(VK_HOME);
             press(VK_UP);
             press(VK_PRIOR);
             press(VK_NEXT);
             press(VK_DOWN);
         },
         {position("HScroll2", 0), text("Label4", "Lottery Pick Size - 1"),
          shown("txtNumber(1)", false)}},
        {"End, then Page Down: pick size 9; Left and Right back to 5",
         [] {
             press(VK_END);
             press(VK_NEXT);
             for (int i = 0; i < 4; ++i) {
                 press(VK_LEFT);
             }
             press(VK_RIGHT);
         },
         {position("HScroll2", 4), text("Label4", "Lottery Pick Size - 5")}},
        {"a click into the first box and the second digit moves on",
         [] {
             click("txtNumber(0)");
             type("03");
         },
         {text("txtNumber(0)", "03"), focus("txtNumber(1)")}},
        {"the last box completes the combination, which is stored, counted and picked",
         [] { type("15223741"); },
         {lines(kCombination), text("Label1", "Combinations - 1"),
          text("Label2", "Quantity of Combination Numbers to Pick - 5"), position("HScroll1", 5),
          text("Frame1", "5 - Exclusion or Inclusion Numbers"), text("Label3", kCombination),
          text("txtNumber(0)", ""), text("txtNumber(4)", ""), focus("txtNumber(0)")}},
        {"a click on the base set slider's track moves it a large step",
         [] { click("HScroll3", 0.75); },
         {position("HScroll3", 10), text("Frame2", "9 - Base Set Numbers"),
          text("Command1", "Auto Fill Base Set 01 to 09"), shown("txtSelNumbers(8)"),
          shown("txtSelNumbers(9)", false)}},
        {"and its right arrow one step",
         [] { clickRightArrow("HScroll3"); },
         {position("HScroll3", 11), text("Frame2", "10 - Base Set Numbers"),
          text("Command1", "Auto Fill Base Set 01 to 10"), shown("txtSelNumbers(9)")}},
        {"auto-fill writes 01 to 10; Exclude removes the picked 03",
         [] { click("Command1"); },
         {text("txtSelNumbers(0)", "01"), text("txtSelNumbers(9)", "10"),
          text("Frame3", "9 - Play Numbers"), text("Label5", "01 02 04 05 06 07 08 09 10 ")}},
        {"the picked numbers and the play numbers in their design colours",
         [] { movePointerAway(); },
         {textColour("Label3", {128, 0, 0}), textColour("Label5", {0, 0, 128})}},
        {"Include by the mouse",
         [] { click("optInclusion"); },
         {checked("optInclusion"), checked("optExclusion", false), focus("optInclusion"),
          text("Frame3", "14 - Play Numbers"),
          text("Label5", "01 02 03 04 05 06 07 08 09 10 15 22 37 41 ")}},
        {"None by Space",
         [] {
             press(VK_TAB);
             press(VK_SPACE);
         },
         {focus("optNone"), checked("optNone"), checked("optInclusion", false),
          text("Frame3", "10 - Play Numbers")}},
        {"Exclude by Return",
         [] {
             press(VK_TAB, {VK_SHIFT});
             press(VK_TAB, {VK_SHIFT});
             press(VK_RETURN);
         },
         {focus("optExclusion"), checked("optExclusion"), text("Frame3", "9 - Play Numbers")}},
        {"the arrows move among the options and choose",
         [] { press(VK_RIGHT); },
         {focus("optInclusion"), checked("optInclusion"), checked("optExclusion", false),
          text("Frame3", "14 - Play Numbers")}},
        {"and back",
         [] { press(VK_LEFT); },
         {focus("optExclusion"), checked("optExclusion"), text("Frame3", "9 - Play Numbers")}},
        {"Clear All by the mouse",
         [] { click("cmdClear"); },
         {lines(""), text("Label1", "Combinations - 0"), text("Label3", ""),
          text("txtSelNumbers(0)", ""), text("Frame2", "10 - Base Set Numbers"),
          position("HScroll1", 1)}},
        {"Ctrl+Z undoes it",
         [] { press('Z', {VK_CONTROL}); },
         {lines(kCombination), text("Label1", "Combinations - 1"), text("txtSelNumbers(0)", "01"),
          text("Label3", kCombination)}},
        {"Ctrl+Y redoes it",
         [] { press('Y', {VK_CONTROL}); },
         {lines(""), text("Label1", "Combinations - 0"), text("txtSelNumbers(0)", "")}},
        {"Ctrl+Z and Ctrl+Shift+Z",
         [] {
             press('Z', {VK_CONTROL});
             press('Z', {VK_CONTROL, VK_SHIFT});
         },
         {lines(""), text("txtSelNumbers(0)", "")}},
        {"a combination pasted with Ctrl+V",
         [] {
             putOnClipboard("03 15 22 37 41");
             click("txtNumber(0)");
             press('V', {VK_CONTROL});
         },
         {lines(kCombination), text("Label1", "Combinations - 1"), focus("txtNumber(0)")}},
        {"a paste with a letter is refused whole (Shift+Insert)",
         [] {
             putOnClipboard("12 3x");
             press(VK_INSERT, {VK_SHIFT});
             type("4");
         },
         {text("txtNumber(0)", "4"), lines(kCombination)}},
        {"the box's menu pastes too, into the box it is opened on",
         [] {
             press(VK_BACK);
             press(VK_TAB);
             putOnClipboard("99 88 77 66 55");
             click("txtNumber(0)", 0.5, 0.5, true);
             std::this_thread::sleep_for(200ms);
             type("P");
         },
         {lines(kCombination + "|99 88 77 66 55 "), text("Label1", "Combinations - 2")}},
        {"a held key types what the box takes and moves on once",
         [] {
             hold('5', 12);
             type("1");
         },
         {text("txtNumber(0)", "55"), text("txtNumber(1)", "1"), focus("txtNumber(1)")}},
        {"a click into a box that brings the focus selects its text",
         [] {
             click("txtNumber(0)", 0.9);
             type("6");
         },
         {text("txtNumber(0)", "6"), focus("txtNumber(0)")}},
        {"Tab follows the tab order",
         [] {
             for (int i = 0; i < 5; ++i) {
                 press(VK_TAB);
             }
         },
         {focus("lstNumbers")}},
        {"Tab on", [] { press(VK_TAB); }, {focus("cmdClear")}},
        {"Tab on", [] { press(VK_TAB); }, {focus("Label3")}},
        {"Tab on", [] { press(VK_TAB); }, {focus("HScroll2")}},
        {"Shift+Tab back", [] { press(VK_TAB, {VK_SHIFT}); }, {focus("Label3")}},
        {"the picked numbers selected and copied",
         [] {
             putOnClipboard("");
             press('A', {VK_CONTROL});
             press('C', {VK_CONTROL});
         },
         {copiedFrom("Label3"), focus("Label3")}},
    };
}

std::vector<Step> stepsAt144Dpi() {
    return {
        {"the form at 144 DPI",
         [] {},
         {size("", 948, 849), size("txtNumber(0)", 32, 26), size("lstNumbers", 302, 611),
          focus("txtNumber(0)")}},
        {"and a combination typed into it",
         [] { type("0102030405"); },
         {lines("01 02 03 04 05 "), text("Label1", "Combinations - 1")}},
    };
}

bool waitFor(const Expect& expect, std::string& seen) {
    const auto until = std::chrono::steady_clock::now() + 5s;
    do {
        seen = expect.read();
        if (seen == expect.value) {
            return true;
        }
        std::this_thread::sleep_for(20ms);
    } while (std::chrono::steady_clock::now() < until);
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: drawlet_window_steps.exe PROGRAM.exe [--dpi N]\n");
        return 2;
    }
    const bool highDpi =
        argc >= 4 && std::string(argv[2]) == "--dpi" && std::string(argv[3]) == "144";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    // Under Wine the program may be named by its Unix path, which is on drive Z:.
    std::string program = argv[1];
    if (program.starts_with('/')) {
        program = "Z:" + program;
    }
    std::string commandLine = "\"" + program + "\"";
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s\n", argv[1]);
        return 1;
    }
    WaitForInputIdle(process.hProcess, 10000);
    for (int i = 0; i < 500 && form == nullptr; ++i) {
        form = FindWindowW(win32::kFormClass, nullptr);
        std::this_thread::sleep_for(20ms);
    }
    if (form == nullptr) {
        std::fprintf(stderr, "no window\n");
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    formThread = GetWindowThreadProcessId(form, nullptr);
    formProcess = process.hProcess;
    SetForegroundWindow(form);

    int failures = 0;
    for (const Step& step : highDpi ? stepsAt144Dpi() : steps()) {
        const auto started = std::chrono::steady_clock::now();
        const int failedBefore = failures;
        step.act();
        for (const Expect& expect : step.expect) {
            std::string seen;
            if (!waitFor(expect, seen)) {
                ++failures;
                std::printf("FAIL %s: %s is \"%s\", expected \"%s\"\n", step.what.c_str(),
                            expect.what.c_str(), seen.c_str(), expect.value.c_str());
            }
        }
        std::printf("%s %s (%lld ms)\n", failures == failedBefore ? "ok  " : "FAIL",
                    step.what.c_str(),
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                               std::chrono::steady_clock::now() - started)
                                               .count()));
        std::fflush(stdout);
    }
    PostMessageW(form, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        std::printf("FAIL the window did not close\n");
        TerminateProcess(process.hProcess, 1);
        ++failures;
    }
    std::printf("%d failure(s)\n", failures);
    return failures == 0 ? 0 : 1;
}
