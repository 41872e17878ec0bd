// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up to the first painted frame, and the peak memory it takes: the real window against a
// bare window with the same widgets and nothing else. Each probe is a separate process that
// ends at its first paint; the driver launches them alternately, so a drift in the machine's
// load (other builds share it) touches both alike, and compares the medians. It measures on
// Qt's offscreen platform, then under X11 on a private Xvfb that it starts and stops itself.

#include "support/PrivateXvfb.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using drawlet::bench::Environment;

constexpr double kTimeGoal = 1.15;     // the real window may take at most this many times
constexpr double kMemoryGoalMiB = 5.0; // and at most this much more peak memory

struct Samples {
    std::vector<double> milliseconds;
    std::vector<double> peakMiB;
    std::vector<double> cpuMilliseconds;
    int failures = 0;
};

double median(std::vector<double> values) {
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void launch(const std::string& probe, const Environment& environment, Samples& samples) {
    rusage usage{};
    const auto start = std::chrono::steady_clock::now();
    const int status = drawlet::bench::runAndWait(probe, environment, {}, &usage, true);
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) {
        ++samples.failures;
        return;
    }
    samples.milliseconds.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    samples.peakMiB.push_back(static_cast<double>(usage.ru_maxrss) / 1024.0);
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
    };
    samples.cpuMilliseconds.push_back(milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
}

// Returns false when a goal is missed or a probe failed.
bool compare(const std::string& directory, const char* platform, const Environment& environment,
             int launches) {
    const std::string real = directory + "/probes/startup_window_probe";
    const std::string bare = directory + "/probes/startup_bare_probe";
    Samples realSamples;
    Samples bareSamples;
    // One untimed launch of each first, so both start with the libraries in the page cache.
    Samples warmUp;
    launch(real, environment, warmUp);
    launch(bare, environment, warmUp);
    for (int i = 0; i < launches; ++i) {
        launch(real, environment, realSamples);
        launch(bare, environment, bareSamples);
    }
    if (realSamples.milliseconds.empty() || bareSamples.milliseconds.empty()) {
        std::printf("[%s] a probe never painted (%d + %d failures); run it by hand: %s\n", platform,
                    realSamples.failures, bareSamples.failures, real.c_str());
        return false;
    }
    const double realTime = median(realSamples.milliseconds);
    const double bareTime = median(bareSamples.milliseconds);
    const double realPeak = median(realSamples.peakMiB);
    const double barePeak = median(bareSamples.peakMiB);
    const bool timeMet = realTime <= kTimeGoal * bareTime;
    const bool memoryMet = realPeak - barePeak <= kMemoryGoalMiB;
    std::printf("\nStart-up to first painted frame [%s], median of %d alternating launches each\n",
                platform, launches);
    std::printf("%-28s %14s %14s %12s  %s\n", "measure", "real window", "bare window", "comparison",
                "goal");
    std::printf("%-28s %11.1f ms %11.1f ms %11.3fx  <= %.2fx: %s\n", "wall time", realTime,
                bareTime, realTime / bareTime, kTimeGoal, timeMet ? "met" : "MISSED");
    std::printf("%-28s %10.2f MiB %10.2f MiB %+8.2f MiB  <= +%.0f MiB: %s\n", "peak RSS", realPeak,
                barePeak, realPeak - barePeak, kMemoryGoalMiB, memoryMet ? "met" : "MISSED");
    // The probe's own processor time (user + system) moves less than wall time when other work
    // shares the machine; it leaves out the X server's share of the work.
    const double realCpu = median(realSamples.cpuMilliseconds);
    const double bareCpu = median(bareSamples.cpuMilliseconds);
    std::printf("%-28s %11.1f ms %11.1f ms %11.3fx\n", "cpu time (user + system)", realCpu, bareCpu,
                realCpu / bareCpu);
    std::printf(
        "%-28s %11.1f ms %11.1f ms\n", "fastest launch",
        *std::min_element(realSamples.milliseconds.begin(), realSamples.milliseconds.end()),
        *std::min_element(bareSamples.milliseconds.begin(), bareSamples.milliseconds.end()));
    if (realSamples.failures + bareSamples.failures > 0) {
        std::printf("failed launches: real %d, bare %d\n", realSamples.failures,
                    bareSamples.failures);
    }
    std::fflush(stdout);
    return timeMet && memoryMet && realSamples.failures + bareSamples.failures == 0;
}

} // namespace

int main(int argc, char** argv) {
    int launches = 30;
    if (argc > 1) {
        launches = std::max(1, std::atoi(argv[1]));
    }
    std::string directory = drawlet::bench::ownPath();
    directory = directory.substr(0, directory.rfind('/'));

    compare(directory, "offscreen", {{"QT_QPA_PLATFORM", "offscreen"}}, launches);

    drawlet::bench::PrivateXvfb xvfb;
    if (xvfb.display().empty()) {
        std::printf("Xvfb did not start; the X11 comparison is skipped.\n");
        return 1;
    }
    compare(directory, ("X11, Xvfb " + xvfb.display()).c_str(),
            {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", xvfb.display()}}, launches);
    xvfb.stop();
    // A missed goal is a finding for the report, not a failure of the benchmark run.
    return 0;
}
