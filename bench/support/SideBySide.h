#pragma once

// Prints each benchmark beside its baseline once Google Benchmark has run them all in the same
// process. Every benchmark runs as repetitions; the median of the repetitions is what the table
// compares, since one slow repetition (a neighbour's build, a page fault) should not move it.

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace drawlet::bench {

// The console reporter, keeping the median real time of every benchmark family by name.
class MedianCollector : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& reports) override {
        for (const Run& run : reports) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                const double nanoseconds = run.GetAdjustedRealTime() * 1e9 /
                                           benchmark::GetTimeUnitMultiplier(run.time_unit);
                medians_[run.run_name.function_name] = nanoseconds;
            }
        }
        ConsoleReporter::ReportRuns(reports);
    }

    // Median real time per iteration in nanoseconds, or a negative value when the benchmark
    // did not run (filtered out or failed).
    double median(const std::string& name) const {
        const auto found = medians_.find(name);
        return found == medians_.end() ? -1.0 : found->second;
    }

private:
    std::map<std::string, double> medians_;
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

inline void printComparisons(const MedianCollector& medians, const std::string& heading,
                             const std::vector<Comparison>& rows) {
    std::printf("\n%s\n", heading.c_str());
    std::printf("%-44s %12s %12s %10s  %s\n", "comparison", "subject", "baseline", "ratio", "goal");
    for (const Comparison& row : rows) {
        const double subject = medians.median(row.subject);
        const double baseline = medians.median(row.baseline);
        if (subject < 0 || baseline <= 0) {
            std::printf("%-44s %12s %12s %10s\n", row.label.c_str(), "-", "-", "not run");
            continue;
        }
        const double ratio = subject / baseline;
        std::string verdict = "-";
        if (row.goal > 0) {
            char text[48];
            std::snprintf(text, sizeof text, "<= %.2fx: %s", row.goal,
                          ratio <= row.goal ? "met" : "MISSED");
            verdict = text;
        }
        std::printf("%-44s %12s %12s %9.3fx  %s\n", row.label.c_str(),
                    readableTime(subject).c_str(), readableTime(baseline).c_str(), ratio,
                    verdict.c_str());
    }
    std::fflush(stdout);
}

} // namespace drawlet::bench
