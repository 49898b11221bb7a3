#!/usr/bin/env bash
# Builds the keyboard benchmark in Release (build-bench/) and runs it on the
# shipped data: loading and laying out a keyboard at full capacity and each
# shipped keyboard, and the keys a scanning tick repaints. Figures go to
# standard output and to bench/results/keyboard.txt.
#
#   scripts/bench-keyboards.sh [predarin-bench-keyboard arguments]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DVORELIO_BUILD_TESTS=OFF -DVORELIO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target predarin-bench-keyboard

echo "# machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/predarin-bench-keyboard" --data "$root/data" "$@"
