#!/usr/bin/env bash
# Builds the controller benchmark in Release (build-bench/) and runs it on
# the shipped data: the prediction cycle at every character of a held-out
# text, and 100,000 keystrokes with logging on (memory, time, the log
# complete). Figures go to standard output and to bench/results/controller.txt.
#
#   scripts/bench-controller.sh [predarin-bench-controller arguments]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DVORELIO_BUILD_TESTS=OFF -DVORELIO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target predarin-bench-controller

echo "# machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/predarin-bench-controller" --data "$root/data" "$@"
