#!/usr/bin/env bash
# Sets up, builds and runs the prediction tool on the shipped data folder.
# Without arguments it shows the suggestions for a sample context; any
# arguments are passed to predarin-predict after "--data data".
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" predarin-predict >/dev/null
tool="$root/build/tools/predict/predarin-predict"
if (($# == 0)); then
  echo "== Words after \"eu\" starting with \"qu\""
  "$tool" --data "$root/data" --previous "eu" --prefix "qu"
  echo "== Sentences starting with \"eu\""
  "$tool" --data "$root/data" --sentences --prefix "eu"
  echo "== Dictionary"
  "$tool" --data "$root/data" --stats
else
  "$tool" --data "$root/data" "$@"
fi
