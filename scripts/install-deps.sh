#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the game, its tests and its tools need.
# Idempotent: when everything is present it returns without touching apt.
set -euo pipefail

packages=(
  build-essential g++ cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libpng-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils xauth libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
