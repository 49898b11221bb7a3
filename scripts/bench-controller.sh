#!/usr/bin/env bash
# Builds the controller benchmark in Release (build-bench/) and runs it on
# the shipped data: the prediction cycle at every character of a held-out
# text, and 100,000 keystrokes with logging on (memory, time, the log
# complete). Figures go to standard output and to bench/results/controller.txt.
#
#   scripts/bench-controller.sh [predarin-bench-controller arguments]
exec "$(dirname "$0")/bench-release.sh" predarin-bench-controller "$@"
