#!/usr/bin/env bash
# Draws every keyboard of data/ into docs/images/NAME.png as a new profile
# shows it, and QwertySimples with a group lit by scanning
# (docs/images/QwertySimples-scanning.png). Builds the tool first.
#
# A new profile puts no gaps between keys, lines and groups, and its keys
# have one colour and no border, so a keyboard would show as one yellow
# field; the pictures set small gaps, which show the window background.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh" predarin-render-keyboard >/dev/null
tool="$root/build/tools/render-keyboard/predarin-render-keyboard"
images="$root/docs/images"
gaps=(--set ESPACO_ENTRE_TECLAS=3 --set ESPACO_ENTRE_GRUPOS=10 --set ESPACO_ENTRE_LINHAS=3)
mkdir -p "$images"
for keyboard in "$root"/data/*.tec; do
  name="$(basename "$keyboard" .tec)"
  "$tool" --data "$root/data" "${gaps[@]}" "$keyboard" "$images/$name.png"
  echo "$images/$name.png"
done
# The group "a s d f g" of the line of the a, lit as scanning lights it.
"$tool" --data "$root/data" "${gaps[@]}" --highlight 3.0 "$root/data/QwertySimples.tec" \
  "$images/QwertySimples-scanning.png"
echo "$images/QwertySimples-scanning.png"
