// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the first painted window: drawlet-selector.exe against a bare window with the
// same controls (bare_window.cpp), started in turns in one run. A start ends when the program
// waits for input with its queue empty (WaitForInputIdle), which on a first showing comes after
// its first WM_PAINT, with its window found on the screen; the window is then closed.
//
// Usage: startup_bench.exe DRAWLET.exe BARE.exe [RUNS]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace {

std::string windowsPath(std::string path) {
    return path.starts_with('/') ? "Z:" + path : path;
}

// Milliseconds from CreateProcess to the shown, painted, idle window; negative on failure.
double startOnce(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + windowsPath(program) + "\"";
    const auto started = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return -1;
    }
    WaitForInputIdle(process.hProcess, 20000);
    HWND window = nullptr;
    const DWORD id = process.dwProcessId;
    while (window == nullptr) {
        std::pair<DWORD, HWND> found{id, nullptr};
        EnumWindows(
            [](HWND candidate, LPARAM data) -> BOOL {
                auto* result = reinterpret_cast<std::pair<DWORD, HWND>*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(candidate, &owner);
                if (owner == result->first && IsWindowVisible(candidate)) {
                    result->second = candidate;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        window = found.second;
        if (window == nullptr) {
            Sleep(1);
        }
    }
    const double elapsed =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench.exe DRAWLET.exe BARE.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::stoi(argv[3]) : 15;
    std::vector<double> drawlet;
    std::vector<double> bare;
    startOnce(argv[1]); // the first start of each warms the prefix's caches
    startOnce(argv[2]);
    for (int i = 0; i < runs; ++i) {
        drawlet.push_back(startOnce(argv[1]));
        bare.push_back(startOnce(argv[2]));
    }
    const double ours = median(drawlet);
    const double baseline = median(bare);
    std::printf("start-up to the first painted window, median of %d runs each, in turns:\n", runs);
    std::printf("  drawlet-selector.exe  %8.1f ms  (min %.1f, max %.1f)\n", ours,
                *std::min_element(drawlet.begin(), drawlet.end()),
                *std::max_element(drawlet.begin(), drawlet.end()));
    std::printf("  bare window           %8.1f ms  (min %.1f, max %.1f)\n", baseline,
                *std::min_element(bare.begin(), bare.end()),
                *std::max_element(bare.begin(), bare.end()));
    std::printf("  ratio                 %8.2f x\n", ours / baseline);
    return 0;
}
