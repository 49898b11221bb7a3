#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
  g++ make cmake pkg-config libgtest-dev
  # X11: the hook library's backend, keystroke synthesis, and the X server
  # with the Portuguese keymap that the integration tests start.
  libx11-dev libxtst-dev libxi-dev libxkbcommon-dev libxkbcommon-x11-dev
  xvfb x11-xkb-utils xkb-data
  # The GUI: Qt 6 Widgets, ALSA for the key sound, and Liberation Sans, which
  # fontconfig gives for the default key font "Arial".
  qt6-base-dev libasound2-dev fonts-liberation2
  # Speech: espeak-ng's library and its voices.
  libespeak-ng-dev espeak-ng
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
