#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ and runs one of them for the
# given number of seconds (default 300).
#
#   scripts/fuzz.sh [seconds] [target]
#
# target: dictionary-readers (the default), profile-options, abbreviations,
# keyboard-file or speech-exceptions; the program run is fuzz-<target>.
#
# Needs clang and libFuzzer: on Debian 12 the apt packages clang (clang-14)
# and libclang-rt-14-dev; installed here when missing and running as root.
# The corpus grows in fuzz/corpus-<target>/ (ignored by git), starting from
# the seeds in fuzz/seeds/ (dictionary-readers) or fuzz/seeds-<target>/; a
# crashing input is written to fuzz/crash-* and the run stops there. The
# last run's log is fuzz-<target>.log in the build folder.
set -euo pipefail

seconds="${1:-300}"
target="${2:-dictionary-readers}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
jobs="${JOBS:-2}"
# A build-fuzz/ configured earlier with another generator (Ninja) cannot be
# reconfigured with the default one: use a folder of our own beside it.
if [ -f "$build/CMakeCache.txt" ] &&
   ! grep -q '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles$' "$build/CMakeCache.txt"; then
  build="$root/build-fuzz-make"
fi
seeds="$root/fuzz/seeds-$target"
[ "$target" = dictionary-readers ] && seeds="$root/fuzz/seeds"

clang_rt_fuzzer() {
  compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null
}
if ! command -v clang++ >/dev/null || ! clang_rt_fuzzer; then
  if [ "$(id -u)" = 0 ] && command -v apt-get >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      clang libclang-rt-14-dev
  else
    echo "fuzz.sh: needs clang++ and libFuzzer (apt-get install clang libclang-rt-14-dev)" >&2
    exit 1
  fi
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DVORELIO_FUZZ=ON \
  -DVORELIO_BUILD_TESTS=OFF -DVORELIO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target "fuzz-$target"

corpus="$root/fuzz/corpus-$target"
mkdir -p "$corpus"
cd "$root/fuzz"
# -max_len: the seeds hold lines of 1500 characters; room for several.
# -rss_limit_mb: the readers reserve both tables (250000 entries each).
"$build/fuzz/fuzz-$target" "$corpus" "$seeds" \
  -max_total_time="$seconds" -max_len=8192 -rss_limit_mb=4096 \
  -artifact_prefix="$root/fuzz/" -print_final_stats=1 \
  2>&1 | tee "$build/fuzz-$target.log"
