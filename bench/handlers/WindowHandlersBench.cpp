// SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The same largest handlers driven through the real window: key presses and releases, clicks
// and slider keys reach frmDrawlet as the player's would, and each iteration runs on until the
// window is still: Qt paints what the handler marked for repainting, and what the timers it
// started mark after it, and the display server has put it on the screen. That is the handler
// with its repaint, as the player waits for it. The baseline is one full repaint of the window in
// the state the handler left, timed the same way.
//
// Timed is the event that runs the handler: a button's handler runs when it is released, so its
// press, which only shows the button held down in a frame of its own, is part of the setup, as
// the key press before the 100th combination's release is.
//
// Setting up a start state through the window takes far longer than the handler (99
// combinations typed key by key), so these benchmarks run a fixed number of iterations with the
// setup outside the timed part; posted events are drained and dirty widgets painted there too, so
// each iteration starts from a quiet event queue and a clean window.

#include "CoreStates.h"
#include "frmDrawlet.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace drawlet::bench {
namespace {

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "window benchmark: %s\n", what);
    std::exit(1);
}

void require(bool holds, const char* what) {
    if (!holds) {
        fail(what);
    }
}

// Counts the paint events the window and its controls receive, so the benchmarks can tell that a
// repaint really painted.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// The shown window and its controls, found by their names.
class WindowUnderTest {
public:
    ~WindowUnderTest() { QApplication::instance()->removeEventFilter(&paintCounter_); }
    WindowUnderTest(const WindowUnderTest&) = delete;
    WindowUnderTest& operator=(const WindowUnderTest&) = delete;

    WindowUnderTest() : window_(std::make_unique<frmDrawlet>(random_)) {
        QApplication::instance()->installEventFilter(&paintCounter_);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        if (!QTest::qWaitForWindowExposed(window_.get()) ||
            !QTest::qWaitFor([this] { return paintCounter_.paints > 0; })) {
            fail("the window was never painted");
        }
        for (int i = 0; i < kEntryBoxes; ++i) {
            entryBoxes_[static_cast<std::size_t>(i)] =
                find<QLineEdit>(QStringLiteral("txtNumber(%1)").arg(i));
        }
        for (int i = 0; i < kBaseSetBoxes; ++i) {
            baseSetBoxes_[static_cast<std::size_t>(i)] =
                find<QLineEdit>(QStringLiteral("txtSelNumbers(%1)").arg(i));
        }
        pickSize = find<QScrollBar>(QStringLiteral("HScroll2"));
        baseSetSize = find<QScrollBar>(QStringLiteral("HScroll3"));
        combinations = find<QListWidget>(QStringLiteral("lstNumbers"));
        autoFill = find<QPushButton>(QStringLiteral("Command1"));
        clearAll = find<QPushButton>(QStringLiteral("cmdClear"));
        clearCombinations = find<QPushButton>(QStringLiteral("cmdClearComb"));
        clearBaseSet = find<QPushButton>(QStringLiteral("cmdClearBaseSet"));
        startAtZero = find<QRadioButton>(QStringLiteral("Option1(0)"));
        include = find<QRadioButton>(QStringLiteral("optInclusion"));
    }

    QLineEdit* entryBox(int index) const { return entryBoxes_[static_cast<std::size_t>(index)]; }
    QLineEdit* baseSetBox(int index) const {
        return baseSetBoxes_[static_cast<std::size_t>(index)];
    }

    // Two digits typed into an entry box: each key pressed and released.
    void type(int box, const std::string& digits) {
        QTest::keyClicks(entryBox(box), QString::fromStdString(digits));
    }

    void enterCombinations(int count) {
        const int first = combinations->count();
        for (int combination = first; combination < first + count; ++combination) {
            for (int box = 0; box < kEntryBoxes; ++box) {
                type(box, digitsFor(combination, box));
            }
        }
    }

    // Pick size 10 and no combination, whatever came before.
    void startCombinationsAfresh() {
        QTest::keyClick(pickSize, Qt::Key_End);
        click(clearCombinations);
        require(combinations->count() == 0 && entryBox(kEntryBoxes - 1)->isVisible(),
                "pick size 10 with no combination was not reached");
    }

    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void press(QAbstractButton* button) { QTest::mousePress(button, Qt::LeftButton); }
    void release(QAbstractButton* button) { QTest::mouseRelease(button, Qt::LeftButton); }

    // The whole window painted afresh, at once, checked to have painted. The lines of the
    // combination list are marked apart: a repaint of the window alone leaves the list's viewport
    // out, its lines unpainted.
    void repaint() {
        const int before = paintCounter_.paints;
        window_->update();
        combinations->viewport()->update();
        paintMarked();
        if (paintCounter_.paints == before) {
            fail("the full repaint painted nothing");
        }
    }

    // What the event loop does after a handler until the window is still: deliver what was posted
    // (the window's own frame request among it, which paints what is marked), run the timers that
    // are due (the list lays out its lines on one), and paint again what those marked. Returns
    // the number of paint events.
    int paintUntilStill() {
        const int before = paintCounter_.paints;
        for (int pass = 0; pass < 10; ++pass) {
            const int painted = paintCounter_.paints;
            QCoreApplication::processEvents();
            paintMarked();
            if (paintCounter_.paints == painted) {
                break;
            }
        }
        return paintCounter_.paints - before;
    }

    // Leaves the window still after the setup. Qt paints a dirty window only when the platform
    // asks for the next frame, which processEvents() does not wait for; left dirty, the setup's
    // own changes were painted by the first synchronous paint of the timed part (the button's, on
    // the press) and counted against the handler.
    void settle() {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        repaint();
        paintUntilStill();
        waitForDisplay();
    }

    // Waits until the display server has done everything asked of it, the frames sent to it put
    // on the screen (a round trip on X11). Before a timed part this keeps the setup's frames from
    // being charged to it: Qt waits for the server to finish reading a frame before it paints
    // over the same pixels. At the end of one it counts the server's work on the timed frame.
    static void waitForDisplay() { QGuiApplication::sync(); }

    QScrollBar* pickSize = nullptr;
    QScrollBar* baseSetSize = nullptr;
    QListWidget* combinations = nullptr;
    QPushButton* autoFill = nullptr;
    QPushButton* clearAll = nullptr;
    QPushButton* clearCombinations = nullptr;
    QPushButton* clearBaseSet = nullptr;
    QRadioButton* startAtZero = nullptr;
    QRadioButton* include = nullptr;

private:
    // The frame the platform asks for: Qt paints what is marked, and only that.
    void paintMarked() {
        QEvent frameRequest(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(window_.get(), &frameRequest);
    }

    template <typename Widget>
    Widget* find(const QString& name) const {
        auto* widget = window_->findChild<Widget*>(name);
        if (widget == nullptr) {
            std::fprintf(stderr, "window benchmark: no control named %s\n", qPrintable(name));
            std::exit(1);
        }
        return widget;
    }

    FixedSeedRandom random_;
    PaintCounter paintCounter_;
    std::unique_ptr<frmDrawlet> window_;
    std::array<QLineEdit*, kEntryBoxes> entryBoxes_{};
    std::array<QLineEdit*, kBaseSetBoxes> baseSetBoxes_{};
};

// One more full repaint of the window as each iteration left it, timed here outside the
// benchmark's own clock: the baseline of that very picture, reported as the counters
// repaint_real_ns and repaint_cpu_ns.
class EndStateRepaint {
public:
    [[gnu::noinline]] void measure(WindowUnderTest& w) {
        const auto realStart = std::chrono::steady_clock::now();
        const double cpuStart = threadCpuNanoseconds();
        w.repaint();
        WindowUnderTest::waitForDisplay();
        cpu_ += threadCpuNanoseconds() - cpuStart;
        real_ +=
            std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - realStart)
                .count();
    }

    void report(benchmark::State& run) const {
        run.counters["repaint_real_ns"] =
            benchmark::Counter(real_, benchmark::Counter::kAvgIterations);
        run.counters["repaint_cpu_ns"] =
            benchmark::Counter(cpu_, benchmark::Counter::kAvgIterations);
    }

private:
    static double threadCpuNanoseconds() {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
    }

    double real_ = 0.0;
    double cpu_ = 0.0;
};

// The timed part of each handler benchmark: the handler's events, then the frames that show
// their result. Out of line, as EndStateRepaint::measure is, so that callgrind can count each by
// name.
template <typename Events>
[[gnu::noinline]] void eventsAndFrame(WindowUnderTest& w, Events events) {
    events();
    if (w.paintUntilStill() == 0) {
        fail("the handler's frame painted nothing");
    }
    WindowUnderTest::waitForDisplay();
}

// The 100th combination at pick size 10: 99 combinations and nine boxes typed, the second
// digit of the tenth box pressed; timed are its release (the combination is stored and all
// 1000 numbers picked) and the repaint.
void BM_Window_HundredthCombination(benchmark::State& run) {
    WindowUnderTest w;
    EndStateRepaint baseline;
    const std::string lastDigits = digitsFor(kMaxCombinations - 1, kEntryBoxes - 1);
    const char lastKey = lastDigits[1];
    for (auto _ : run) {
        run.PauseTiming();
        w.startCombinationsAfresh();
        w.enterCombinations(kMaxCombinations - 1);
        for (int box = 0; box < kEntryBoxes - 1; ++box) {
            w.type(box, digitsFor(kMaxCombinations - 1, box));
        }
        QTest::keyClick(w.entryBox(kEntryBoxes - 1), lastDigits[0]);
        QTest::keyPress(w.entryBox(kEntryBoxes - 1), lastKey);
        w.settle();
        require(w.combinations->count() == kMaxCombinations - 1, "99 combinations expected");
        run.ResumeTiming();

        eventsAndFrame(w, [&] { QTest::keyRelease(w.entryBox(kEntryBoxes - 1), lastKey); });

        run.PauseTiming();
        baseline.measure(w);
        require(w.combinations->count() == kMaxCombinations, "the 100th combination is missing");
        run.ResumeTiming();
    }
    baseline.report(run);
}

// Auto-fill of all 100 boxes (size 100, start 0), from empty boxes.
void BM_Window_AutoFill100(benchmark::State& run) {
    WindowUnderTest w;
    EndStateRepaint baseline;
    w.click(w.startAtZero);
    QTest::keyClick(w.baseSetSize, Qt::Key_End);
    for (auto _ : run) {
        run.PauseTiming();
        w.click(w.clearBaseSet);
        w.press(w.autoFill);
        w.settle();
        require(w.baseSetBox(99)->isVisible() && w.baseSetBox(99)->text().isEmpty(),
                "100 empty boxes expected");
        run.ResumeTiming();

        eventsAndFrame(w, [&] { w.release(w.autoFill); });

        run.PauseTiming();
        baseline.measure(w);
        require(w.baseSetBox(99)->text() == QStringLiteral("99"), "auto-fill did not reach 99");
        run.ResumeTiming();
    }
    baseline.report(run);
}

// "Clear All" from the busiest state: 100 combinations, 100 filled boxes, Include.
void BM_Window_ClearAll(benchmark::State& run) {
    WindowUnderTest w;
    EndStateRepaint baseline;
    w.click(w.startAtZero);
    QTest::keyClick(w.baseSetSize, Qt::Key_End);
    for (auto _ : run) {
        run.PauseTiming();
        w.startCombinationsAfresh();
        w.enterCombinations(kMaxCombinations);
        w.click(w.autoFill);
        w.click(w.include);
        w.press(w.clearAll);
        w.settle();
        require(w.combinations->count() == kMaxCombinations && w.include->isChecked() &&
                    w.baseSetBox(99)->text() == QStringLiteral("99"),
                "the busiest state was not reached");
        run.ResumeTiming();

        eventsAndFrame(w, [&] { w.release(w.clearAll); });

        run.PauseTiming();
        baseline.measure(w);
        require(w.combinations->count() == 0 && w.baseSetBox(99)->text().isEmpty(),
                "Clear All left something behind");
        run.ResumeTiming();
    }
    baseline.report(run);
}

// The largest base-set change, growing: size 0 -> 100 (End on the slider), a hundred empty boxes
// shown; with `thenFill`, followed by a click on auto-fill, two handlers each with its frame (the
// click's press, between them, with them).
void baseSetGrow(benchmark::State& run, bool thenFill) {
    WindowUnderTest w;
    EndStateRepaint baseline;
    w.click(w.startAtZero);
    for (auto _ : run) {
        run.PauseTiming();
        QTest::keyClick(w.baseSetSize, Qt::Key_Home);
        w.click(w.clearBaseSet);
        w.settle();
        require(!w.baseSetBox(0)->isVisible() && w.baseSetBox(0)->text().isEmpty(),
                "no box in use expected");
        run.ResumeTiming();

        eventsAndFrame(w, [&] {
            QTest::keyClick(w.baseSetSize, Qt::Key_End);
            if (thenFill) {
                w.paintUntilStill();
                w.click(w.autoFill);
            }
        });

        run.PauseTiming();
        baseline.measure(w);
        require(w.baseSetBox(99)->isVisible() &&
                    w.baseSetBox(99)->text() == (thenFill ? QStringLiteral("99") : QString()),
                "the base set did not grow to 100 boxes");
        run.ResumeTiming();
    }
    baseline.report(run);
}

void BM_Window_BaseSetGrow(benchmark::State& run) {
    baseSetGrow(run, false);
}

void BM_Window_BaseSetGrowAndFill(benchmark::State& run) {
    baseSetGrow(run, true);
}

// And back: size 100 -> 0 (Home on the slider), every box hidden.
void BM_Window_BaseSetShrink(benchmark::State& run) {
    WindowUnderTest w;
    EndStateRepaint baseline;
    w.click(w.startAtZero);
    for (auto _ : run) {
        run.PauseTiming();
        QTest::keyClick(w.baseSetSize, Qt::Key_End);
        w.click(w.autoFill);
        w.settle();
        require(w.baseSetBox(99)->isVisible(), "100 boxes in use expected");
        run.ResumeTiming();

        eventsAndFrame(w, [&] { QTest::keyClick(w.baseSetSize, Qt::Key_Home); });

        run.PauseTiming();
        baseline.measure(w);
        require(!w.baseSetBox(0)->isVisible(), "the base set did not shrink to 0");
        run.ResumeTiming();
    }
    baseline.report(run);
}

// The baseline: one synchronous full repaint of the window in the busiest state.
void BM_Window_FullRepaint(benchmark::State& run) {
    WindowUnderTest w;
    w.click(w.startAtZero);
    QTest::keyClick(w.baseSetSize, Qt::Key_End);
    w.startCombinationsAfresh();
    w.enterCombinations(kMaxCombinations);
    w.click(w.autoFill);
    w.click(w.include);
    w.settle();
    require(w.combinations->count() == kMaxCombinations && w.baseSetBox(99)->isVisible(),
            "the busiest state was not reached");
    for (auto _ : run) {
        w.repaint();
        WindowUnderTest::waitForDisplay();
    }
}

// Iteration counts keep each benchmark to a few seconds: the setups type up to 1000 keys.
benchmark::internal::Benchmark* windowBenchmark(benchmark::internal::Benchmark* bench,
                                                int iterations) {
    return bench->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->Repetitions(3)
        ->ReportAggregatesOnly(true);
}

const auto* const registered = [] {
    windowBenchmark(benchmark::RegisterBenchmark("BM_Window_HundredthCombination",
                                                 BM_Window_HundredthCombination),
                    8);
    windowBenchmark(benchmark::RegisterBenchmark("BM_Window_AutoFill100", BM_Window_AutoFill100),
                    40);
    windowBenchmark(benchmark::RegisterBenchmark("BM_Window_ClearAll", BM_Window_ClearAll), 8);
    windowBenchmark(benchmark::RegisterBenchmark("BM_Window_BaseSetGrow", BM_Window_BaseSetGrow),
                    40);
    windowBenchmark(
        benchmark::RegisterBenchmark("BM_Window_BaseSetGrowAndFill", BM_Window_BaseSetGrowAndFill),
        40);
    return windowBenchmark(
        benchmark::RegisterBenchmark("BM_Window_BaseSetShrink", BM_Window_BaseSetShrink), 40);
}();

BENCHMARK(BM_Window_FullRepaint)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace drawlet::bench
