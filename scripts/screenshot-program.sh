#!/usr/bin/env bash
# Takes the README's picture of the program: predarin on a private Xvfb
# (1024x700, Portuguese keymap, openbox as window manager when installed),
# a new user's data folder, TEXT typed into its message editor, and the
# screen once the suggestions for it are painted. KEYS, when set, are
# pressed after the text (predarin-type --key: "18+80" is Alt+P, which
# opens the Perfil menu).
#
#   [KEYS=CODES] scripts/screenshot-program.sh OUT.png [TEXT]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$1"
text="${2:-Hoje quero com}"
"$root/scripts/build.sh" predarin predarin-screenshot predarin-type >/dev/null
home="$(mktemp -d)"
number=$((300 + RANDOM % 100))
while [[ -e /tmp/.X11-unix/X$number ]]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1024x700x24 -noreset -nolisten tcp >/dev/null 2>&1 &
pids=($!)
cleanup() {
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$number ]] && break; sleep 0.1; done
setxkbmap pt
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5
fi
mkdir -m 700 "$home/run"
XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" HOME="$home" \
  "$root/build/predarin/predarin" 2>/dev/null &
program=$!
sleep 3
"$root/build/tools/type/predarin-type" "$text"
sleep 2
if [[ -n "${KEYS:-}" ]]; then
  "$root/build/tools/type/predarin-type" --key "$KEYS"
  sleep 1
fi
"$root/build/tools/screenshot/predarin-screenshot" "$out"
kill "$program"
wait "$program" || true
echo "$out"
