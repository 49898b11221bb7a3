#!/usr/bin/env bash
# Builds one benchmark program in Release (build-bench/) and runs it on the
# shipped data; its figures go to standard output and to its file in
# bench/results/.
#
#   scripts/bench-release.sh PROGRAM [PROGRAM arguments]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
program="$1"
shift

"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DVORELIO_BUILD_TESTS=OFF -DVORELIO_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "${JOBS:-2}" --target "$program"

echo "# machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/$program" --data "$root/data" "$@"
