// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Prints each benchmark beside its baseline once Google Benchmark has run them all in the same
// process. Every benchmark runs as repetitions; the median of the repetitions is what the table
// compares, since one slow repetition (a neighbour's build, a page fault) should not move it.

#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace drawlet::bench {

// Median real and CPU time per iteration of one benchmark, in nanoseconds.
struct Medians {
    double real = -1.0;
    double cpu = -1.0;
};

// The console reporter, keeping the medians of every benchmark family by name. A benchmark that
// times a second thing itself reports it as the counters `<what>_real_ns` and `<what>_cpu_ns`;
// it is looked up as "BM_Name#what".
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") {
                continue;
            }
            const double scale = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const std::string& name = run.run_name.function_name;
            medians_[name] = {run.GetAdjustedRealTime() * scale, run.GetAdjustedCPUTime() * scale};
            for (const auto& [counter, value] : run.counters) {
                const auto cut = counter.rfind("_real_ns");
                if (cut != std::string::npos && cut + 8 == counter.size()) {
                    const std::string what = counter.substr(0, cut);
                    const auto cpu = run.counters.find(what + "_cpu_ns");
                    medians_[name + "#" + what] = {
                        value.value, cpu == run.counters.end() ? -1.0 : cpu->second.value};
                }
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }

    // Negative times when the benchmark did not run (filtered out or failed).
    Medians medians(const std::string& name) const {
        const auto found = medians_.find(name);
        return found == medians_.end() ? Medians{} : found->second;
    }

private:
    std::map<std::string, Medians> medians_;
};

inline std::string readableTime(double nanoseconds) {
    char text[32];
    if (nanoseconds >= 1e6) {
        std::snprintf(text, sizeof text, "%.3f ms", nanoseconds / 1e6);
    } else if (nanoseconds >= 1e3) {
        std::snprintf(text, sizeof text, "%.2f us", nanoseconds / 1e3);
    } else {
        std::snprintf(text, sizeof text, "%.1f ns", nanoseconds);
    }
    return text;
}

// One line of the side-by-side table: subject against baseline, the ratio subject / baseline,
// and whether it stays within the goal (a goal of 0 means there is none to meet).
struct Comparison {
    std::string label;
    std::string subject;
    std::string baseline;
    double goal = 0.0;
};

// Prints real time (wall clock, what the player waits) and CPU time (this process only; steadier
// when other work shares the machine) side by side, with both ratios.
inline void printComparisons(const MedianCollector& collected, const std::string& heading,
                             const std::vector<Comparison>& rows) {
    std::printf("\n%s\n", heading.c_str());
    std::printf("%-40s %11s %11s %9s | %11s %11s %9s  %s\n", "comparison", "real", "baseline",
                "ratio", "cpu", "baseline", "ratio", "goal (real time)");
    for (const Comparison& row : rows) {
        const Medians subject = collected.medians(row.subject);
        const Medians baseline = collected.medians(row.baseline);
        if (subject.real < 0 || baseline.real <= 0) {
            std::printf("%-40s %11s\n", row.label.c_str(), "not run");
            continue;
        }
        const double ratio = subject.real / baseline.real;
        const double cpuRatio = baseline.cpu > 0 ? subject.cpu / baseline.cpu : 0.0;
        std::string verdict = "-";
        if (row.goal > 0) {
            char text[48];
            std::snprintf(text, sizeof text, "<= %.2fx: %s", row.goal,
                          ratio <= row.goal ? "met" : "MISSED");
            verdict = text;
        }
        std::printf("%-40s %11s %11s %8.3fx | %11s %11s %8.3fx  %s\n", row.label.c_str(),
                    readableTime(subject.real).c_str(), readableTime(baseline.real).c_str(), ratio,
                    readableTime(subject.cpu).c_str(), readableTime(baseline.cpu).c_str(), cpuRatio,
                    verdict.c_str());
    }
    std::fflush(stdout);
}

// A benchmark program's main(): runs every registered benchmark with the command line's options,
// prints the side-by-side table, then whatever `after` adds. Returns main()'s exit status.
inline int runSideBySide(int argc, char** argv, const std::string& heading,
                         const std::vector<Comparison>& rows,
                         const std::function<void()>& after = {}) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    MedianCollector medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    printComparisons(medians, heading, rows);
    if (after) {
        after();
    }
    benchmark::Shutdown();
    return 0;
}

} // namespace drawlet::bench
