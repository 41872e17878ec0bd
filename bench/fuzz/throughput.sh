#!/bin/bash

# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The fuzzer's throughput, side by side: two drawlet_fuzz binaries (a baseline and the one under
# test, both from the fuzz preset) replay the same storms, alternately, ROUNDS times, and each
# round prints the storm events a second they ran, by CPU time and by real time, and the ratios
# new / baseline. The storms are the committed seeds plus STORMS inputs of 400 to 4000 bytes made
# from a fixed seed, so every run replays the same bytes (which each build may read as other
# events: compare events a second, not events).
#
#   bench/fuzz/throughput.sh BASELINE/drawlet_fuzz build/fuzz/fuzz/drawlet_fuzz [ROUNDS] [STORMS]

set -euo pipefail

baseline=$1
candidate=$2
rounds=${3:-5}
storms=${4:-300}
here=$(cd "$(dirname "$0")" && pwd)

inputs=$(mktemp -d)
trap 'rm -rf "$inputs"' EXIT
cp "$here/../../fuzz/corpus/"* "$inputs/"
python3 - "$inputs" "$storms" <<'PY'
import os, random, sys
folder, count = sys.argv[1], int(sys.argv[2])
rng = random.Random(20261208)
for i in range(count):
    data = bytes([i % 3]) + bytes(rng.getrandbits(8) for _ in range(rng.randint(400, 4000)))
    with open(os.path.join(folder, "storm-%04d" % i), "wb") as out:
        out.write(data)
PY

# One replay: every input once, no mutation. Prints "events real-seconds cpu-seconds"; CPU time
# (user and system, of that process alone) is steadier than real time on a shared machine.
replay() {
    python3 - "$1" "$inputs" <<'PY'
import glob, re, resource, subprocess, sys, time
binary, folder = sys.argv[1], sys.argv[2]
start = time.monotonic()
run = subprocess.run([binary, "-runs=0"] + sorted(glob.glob(folder + "/*")),
                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
real = time.monotonic() - start
usage = resource.getrusage(resource.RUSAGE_CHILDREN)
found = re.findall(r"^drawlet_fuzz: (\d+) events executed", run.stdout, re.M)
if run.returncode != 0 or not found:
    sys.exit(run.stdout[-2000:])
print(found[-1], "%.3f" % real, "%.3f" % (usage.ru_utime + usage.ru_stime))
PY
}

printf '%-6s %12s %9s %9s %9s   %12s %9s %9s %9s   %6s %6s\n' round "base events" "real s" \
    "cpu s" "ev/cpu s" "new events" "real s" "cpu s" "ev/cpu s" "cpu" "real"
for round in $(seq "$rounds"); do
    read -r be br bc < <(replay "$baseline")
    read -r ne nr nc < <(replay "$candidate")
    printf '%-6s %12s %9.2f %9.2f %9.0f   %12s %9.2f %9.2f %9.0f   %6.2f %6.2f\n' "$round" \
        "$be" "$br" "$bc" "$(echo "$be / $bc" | bc -l)" "$ne" "$nr" "$nc" \
        "$(echo "$ne / $nc" | bc -l)" "$(echo "($ne / $nc) / ($be / $bc)" | bc -l)" \
        "$(echo "($ne / $nr) / ($be / $br)" | bc -l)"
done
