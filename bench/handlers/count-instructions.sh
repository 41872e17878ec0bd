#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The window handlers side by side with their baseline, counted in instructions instead of
# timed: each window benchmark of bench_handlers runs offscreen under callgrind, which counts
# what its timed part (the handler's events with their frames, `eventsAndFrame`) and its
# baseline (one full repaint of the state the handler left, `EndStateRepaint::measure`) execute.
# Unlike time, the count does not move with what else the machine is doing, so it is the figure
# to compare two builds by. Two benchmarks run at a time; all six take about five minutes.
#
#   bench/handlers/count-instructions.sh [build/bench/bench/bench_handlers]

set -euo pipefail

binary=${1:-build/bench/bench/bench_handlers}
benchmarks=(BM_Window_HundredthCombination BM_Window_AutoFill100 BM_Window_ClearAll
    BM_Window_BaseSetGrow BM_Window_BaseSetGrowAndFill BM_Window_BaseSetShrink)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

count() {
    # DRAWLET_BENCH_X11_VARIANT keeps bench_handlers from running itself again under Xvfb.
    QT_QPA_PLATFORM=offscreen DRAWLET_BENCH_X11_VARIANT=1 valgrind --tool=callgrind \
        --callgrind-out-file="$work/$1.out" --collect-atstart=no \
        --toggle-collect='*eventsAndFrame*' --toggle-collect='*EndStateRepaint::measure*' \
        "$binary" --benchmark_filter="^$1/" >"$work/$1.log" 2>&1
}

running=0
for name in "${benchmarks[@]}"; do
    count "$name" &
    running=$((running + 1))
    if ((running == 2)); then
        wait -n
        running=$((running - 1))
    fi
done
wait

printf '%-32s %16s %14s %7s  %s\n' benchmark 'handler+frames' 'full repaint' ratio goal
for name in "${benchmarks[@]}"; do
    # Runs = iterations x repetitions, from the name the benchmark reports itself by.
    runs=$(grep -o "$name/iterations:[0-9]*/repeats:[0-9]*" "$work/$name.log" | head -1 |
        awk -F'[:/]' '{ print $3 * $5 }')
    goal=1
    [[ $name == BM_Window_BaseSetGrowAndFill ]] && goal=2 # two handlers, two frames
    callgrind_annotate --inclusive=yes "$work/$name.out" 2>/dev/null |
        awk -v name="$name" -v runs="$runs" -v goal="$goal" '
            /eventsAndFrame</ { gsub(",", "", $1); handler = $1 }
            /EndStateRepaint::measure/ { gsub(",", "", $1); repaint = $1 }
            END {
                if (!handler || !repaint || !runs) { printf "%-32s not counted\n", name; exit 1 }
                ratio = handler / repaint
                printf "%-32s %14.2f M %12.2f M %6.2fx  <= %dx: %s\n", name, handler / runs / 1e6,
                       repaint / runs / 1e6, ratio, goal, ratio <= goal ? "met" : "NOT met"
            }'
done
