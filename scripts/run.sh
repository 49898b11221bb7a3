#!/usr/bin/env bash
# Sets up, builds and starts the program, predarin, on the shipped data.
#
# A user's first start fills their data folder
# ($XDG_DATA_HOME/Tessaral/Vorelio 3.0, by default under ~/.local/share)
# from data/; later starts use what is there. VORELIO_DATA_HOME=DIR uses
# DIR in place of $XDG_DATA_HOME, for a try that leaves the real one alone.
#
# With an X11 display (or XWayland) the window opens there. Without one the
# program runs on a private Xvfb: the script prints how to see it (a VNC
# viewer when x11vnc is installed, and a screenshot refreshed every few
# seconds in build/predarin-screen.png) and stops the program on Ctrl+C.
# Arguments are passed to predarin.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" predarin predarin-screenshot >/dev/null
program="$root/build/predarin/predarin"
if [[ -n "${VORELIO_DATA_HOME:-}" ]]; then
  mkdir -p "$VORELIO_DATA_HOME"
  export XDG_DATA_HOME="$VORELIO_DATA_HOME"
fi

probe="$(mktemp --suffix=.png)"
if [[ -n "${DISPLAY:-}" ]] && "$root/build/tools/screenshot/predarin-screenshot" \
      --display "$DISPLAY" "$probe" 2>/dev/null; then
  rm -f "$probe"
  exec "$program" "$@"
fi
rm -f "$probe"

# No display: a private Xvfb with the Portuguese keymap.
number=$((90 + RANDOM % 100))
while [[ -e /tmp/.X11-unix/X$number ]]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x800x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
children=("$xvfb")
# The program first, and waited for: it saves the user's files on its way
# out, which needs its display.
cleanup() {
  if [[ -n "${program_pid:-}" ]]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  kill "${children[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.1; done
setxkbmap -display "$DISPLAY" pt 2>/dev/null || true
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  children+=($!)
fi
"$program" "$@" &
program_pid=$!
screen="$root/build/predarin-screen.png"
echo "No display: predarin runs on Xvfb $DISPLAY."
if command -v x11vnc >/dev/null; then
  x11vnc -display "$DISPLAY" -localhost -forever -nopw -quiet >/dev/null 2>&1 &
  children+=($!)
  echo "See and use it with a VNC viewer on localhost:5900."
else
  echo "To see and use it, install x11vnc (apt-get install x11vnc) and run this again."
fi
echo "A screenshot is refreshed every 3 s in $screen. Ctrl+C ends the program."
while kill -0 "$program_pid" 2>/dev/null; do
  sleep 3
  "$root/build/tools/screenshot/predarin-screenshot" --display "$DISPLAY" "$screen" \
    2>/dev/null || true
done
