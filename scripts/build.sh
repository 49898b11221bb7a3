#!/usr/bin/env bash
# Configures and builds the project in build/ (installing missing packages
# first). Extra arguments name the targets to build (default: everything).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if (($# > 0)); then
  targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --build "$root/build" -j"$(nproc)" "${targets[@]}"
else
  cmake --build "$root/build" -j"$(nproc)"
fi
