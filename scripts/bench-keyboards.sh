#!/usr/bin/env bash
# Builds the keyboard benchmark in Release (build-bench/) and runs it on the
# shipped data: loading and laying out a keyboard at full capacity and each
# shipped keyboard, and the keys a scanning tick repaints. Figures go to
# standard output and to bench/results/keyboard.txt.
#
#   scripts/bench-keyboards.sh [predarin-bench-keyboard arguments]
exec "$(dirname "$0")/bench-release.sh" predarin-bench-keyboard "$@"
