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

struct Start {
    double wall = -1; // milliseconds from CreateProcess to the shown, painted, idle window
    double cpu = -1;  // the processor time the program used until then, less shared with others
};

double milliseconds(const FILETIME& time) {
    return (static_cast<double>(time.dwHighDateTime) * 4294967296.0 + time.dwLowDateTime) / 1e4;
}

Start startOnce(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + windowsPath(program) + "\"";
    const auto started = std::chrono::steady_clock::now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return {};
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
    Start result;
    result.wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
            .count();
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    if (GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user)) {
        result.cpu = milliseconds(kernel) + milliseconds(user);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const std::vector<Start>& drawlet, const std::vector<Start>& bare,
            double Start::*measure) {
    std::vector<double> ours;
    std::vector<double> baseline;
    std::vector<double> ratios; // each pair ran back to back, sharing the load of the moment
    for (std::size_t i = 0; i < drawlet.size(); ++i) {
        ours.push_back(drawlet[i].*measure);
        baseline.push_back(bare[i].*measure);
        ratios.push_back(ours.back() / baseline.back());
    }
    std::printf("  %s:\n", what);
    std::printf("    drawlet-selector.exe  median %7.1f ms  min %7.1f  max %7.1f\n", median(ours),
                *std::min_element(ours.begin(), ours.end()),
                *std::max_element(ours.begin(), ours.end()));
    std::printf("    bare window           median %7.1f ms  min %7.1f  max %7.1f\n",
                median(baseline), *std::min_element(baseline.begin(), baseline.end()),
                *std::max_element(baseline.begin(), baseline.end()));
    std::printf(
        "    ratio of the medians %.2f x, of the minimums %.2f x, median of the pairs %.2f x\n",
        median(ours) / median(baseline),
        *std::min_element(ours.begin(), ours.end()) /
            *std::min_element(baseline.begin(), baseline.end()),
        median(ratios));
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench.exe DRAWLET.exe BARE.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::stoi(argv[3]) : 40;
    std::vector<Start> drawlet;
    std::vector<Start> bare;
    startOnce(argv[1]); // the first start of each warms the prefix's caches
    startOnce(argv[2]);
    for (int i = 0; i < runs; ++i) {
        drawlet.push_back(startOnce(argv[1]));
        bare.push_back(startOnce(argv[2]));
    }
    std::printf("start-up to the first painted window, %d runs each, in turns:\n", runs);
    report("wall clock", drawlet, bare, &Start::wall);
    report("processor time", drawlet, bare, &Start::cpu);
    return 0;
}
