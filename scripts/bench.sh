#!/usr/bin/env bash
# Builds the benchmarks in Release (build-bench/), generates the full-size
# dictionary once (build-bench/full-dictionary/, deterministic) and runs the
# harness over it and over data/. Figures go to standard output and to
# bench/results/latest.txt. Extra arguments go to predarin-bench
# (e.g. --queries 100 --repetitions 2 for a quick run).
#
#   scripts/bench.sh [predarin-bench arguments]
#
# Timings are only comparable on a quiet machine: check `uptime` first.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
jobs="${JOBS:-2}"

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DVORELIO_BUILD_TESTS=OFF -DVORELIO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$jobs" --target predarin-bench-generate predarin-bench

dictionary="$build/full-dictionary"
generator="$build/bench/predarin-bench-generate"
if [ ! -f "$dictionary/geral.paf" ] || [ "$generator" -nt "$dictionary/geral.paf" ]; then
  "$generator" --out "$dictionary"
fi

echo "# machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/predarin-bench" --full "$dictionary" --data "$root/data" "$@"
