#!/bin/sh
# Builds the shipped general dictionary (data/geral.*) and the held-out
# texts (bench/texts/) from the public corpora.
#
#   scripts/build-dictionary.sh [CORPORA_DIR]
#
# The corpora folder defaults to ../shared/corpora (relative to the
# repository root); VORELIO_CORPORA or the first argument overrides it.
# The tool is built in build/ (VORELIO_BUILD_DIR overrides it).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
corpora=${1:-${VORELIO_CORPORA:-../shared/corpora}}
pictograms=${VORELIO_PICTOGRAMS:-$corpora/../pictograms/MAPPING.tsv}

build=${VORELIO_BUILD_DIR:-build}

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target predarin-build-dictionary

set -- --corpora "$corpora" --out data --heldout bench/texts
if [ -f "$pictograms" ]; then
  set -- "$@" --pictograms "$pictograms"
else
  echo "build-dictionary: no pictogram mapping at $pictograms; no [pictogram] entries" >&2
fi
"$build/tools/dictionary-builder/predarin-build-dictionary" "$@"
