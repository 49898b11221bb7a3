#!/bin/sh
# Builds the shipped general dictionary (data/geral.*) and the held-out
# texts (bench/texts/) from the public corpora and from the project's own
# (corpora/: the conversation phrase set and the Debian running text).
#
#   scripts/build-dictionary.sh [CORPORA_DIR]
#
# The corpora folder defaults to ../shared/corpora (relative to the
# repository root); VORELIO_CORPORA or the first argument overrides it.
# The tool is built in build/ (VORELIO_BUILD_DIR overrides it). The stem
# list and affix rules are read from /usr/share/hunspell (VORELIO_HUNSPELL
# overrides it); hunspell-pt-pt is installed when they are missing there.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
corpora=${1:-${VORELIO_CORPORA:-../shared/corpora}}
pictograms=${VORELIO_PICTOGRAMS:-$corpora/../pictograms/MAPPING.tsv}

build=${VORELIO_BUILD_DIR:-build}
hunspell=${VORELIO_HUNSPELL:-/usr/share/hunspell}

# The European Portuguese stem list and affix rules give the spelling list's
# forms their categories and stems (Debian package hunspell-pt-pt).
if [ ! -f "$hunspell/pt_PT.dic" ] && [ "$hunspell" = /usr/share/hunspell ]; then
  echo "build-dictionary: installing hunspell-pt-pt"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends hunspell-pt-pt
fi

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j2 --target predarin-build-dictionary

set -- --corpora "$corpora" --out data --heldout bench/texts --hunspell "$hunspell" \
  --project-corpora corpora
if [ -f "$pictograms" ]; then
  set -- "$@" --pictograms "$pictograms"
else
  echo "build-dictionary: no pictogram mapping at $pictograms; no [pictogram] entries" >&2
fi
"$build/tools/dictionary-builder/predarin-build-dictionary" "$@"
