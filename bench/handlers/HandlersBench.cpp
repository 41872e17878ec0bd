// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The largest handlers, on the core alone and through the window, each beside one full repaint
// of the window. Run without arguments it measures everything on Qt's offscreen platform, then
// runs its window benchmarks again under X11, on a private Xvfb it starts and stops itself.

#include "support/PrivateXvfb.h"
#include "support/SideBySide.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr const char* kX11Variant = "DRAWLET_BENCH_X11_VARIANT";

struct Handlers {
    const char* label;
    const char* name;
    double goal; // of the handler with its frame, in full repaints
};

// One handler each, but for the base set grown and then filled: two handlers, two frames.
const std::vector<Handlers> kHandlers = {
    {"100th combination (KeyUp, pick of 1000)", "HundredthCombination", 1.0},
    {"auto-fill of 100 boxes", "AutoFill100", 1.0},
    {"Clear All from the busiest state", "ClearAll", 1.0},
    {"base set 0 -> 100", "BaseSetGrow", 1.0},
    {"base set 0 -> 100, then auto-fill", "BaseSetGrowAndFill", 2.0},
    {"base set 100 -> 0", "BaseSetShrink", 1.0},
};

void printTables(const drawlet::bench::MedianCollector& medians, const char* platform,
                 bool withCore) {
    using drawlet::bench::Comparison;
    std::vector<Comparison> window;
    std::vector<Comparison> core;
    std::vector<Comparison> overhead;
    std::vector<Comparison> repaints;
    for (const auto& [label, name, goal] : kHandlers) {
        const std::string suffix = name;
        window.push_back(
            {std::string(label), "BM_Window_" + suffix, "BM_Window_" + suffix + "#repaint", goal});
        core.push_back({std::string(label), "BM_Core_" + suffix, "BM_Window_FullRepaint"});
        repaints.push_back(
            {std::string(label), "BM_Window_FullRepaint", "BM_Window_" + suffix + "#repaint"});
        overhead.push_back({std::string(label), "BM_Window_" + suffix, "BM_Core_" + suffix});
    }
    const std::string on = std::string(" [") + platform + "]";
    drawlet::bench::printComparisons(
        medians,
        "Through the window, events + the next frame / one full repaint of the same end state" + on,
        window);
    drawlet::bench::printComparisons(
        medians, "One full repaint: the busiest state / the end state of each handler" + on,
        repaints);
    if (withCore) {
        drawlet::bench::printComparisons(medians,
                                         "Core alone / one full repaint of the window" + on, core);
        drawlet::bench::printComparisons(medians, "Through the window / core alone" + on, overhead);
    }
}

// Starts a private Xvfb and runs the window benchmarks of this executable on it.
int runUnderX11(const std::vector<std::string>& arguments) {
    drawlet::bench::PrivateXvfb xvfb;
    if (xvfb.display().empty()) {
        std::fprintf(stderr, "Xvfb did not start; the X11 run is skipped.\n");
        return 1;
    }
    std::printf("\n== The window benchmarks again under X11 (Xvfb on %s)\n",
                xvfb.display().c_str());
    std::fflush(stdout);
    std::vector<std::string> childArguments = arguments;
    bool filtered = false;
    for (const std::string& argument : arguments) {
        filtered = filtered || argument.rfind("--benchmark_filter", 0) == 0;
    }
    if (!filtered) {
        childArguments.emplace_back("--benchmark_filter=BM_Window_");
    }
    const int status = drawlet::bench::runAndWait(
        drawlet::bench::ownPath(),
        {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", xvfb.display()}, {kX11Variant, "1"}},
        childArguments);
    xvfb.stop();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    const bool x11Variant = std::getenv(kX11Variant) != nullptr;
    if (!x11Variant) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    drawlet::bench::MedianCollector medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    printTables(medians, x11Variant ? "X11, Xvfb" : "offscreen", !x11Variant);
    benchmark::Shutdown();
    if (!x11Variant) {
        return runUnderX11(arguments);
    }
    return 0;
}
