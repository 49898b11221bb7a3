#!/usr/bin/env bash
# Builds the program's benchmark in Release (build-bench/) and runs it on
# its own Xvfb over the shipped data: start-up to the main window shown,
# and a key typed with XTEST to the new suggestions painted, into another
# X11 application and into the message editor. Figures go to standard
# output and to bench/results/program.txt.
#
#   scripts/bench-program.sh [--keys N] [--starts N]
exec "$(dirname "$0")/bench-release.sh" predarin-bench-program "$@"
