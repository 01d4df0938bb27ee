#!/usr/bin/env bash
# Installs the Debian packages the game, its data generator and its tests need.
# Idempotent: only packages that are missing are installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  freeglut3-dev libglu1-mesa-dev libgl-dev libjpeg62-turbo-dev
  libsdl2-dev libsdl2-mixer-dev libmpg123-dev libasound2-dev
  libx11-dev xvfb xauth xdotool x11-apps x11-utils imagemagick mesa-utils openbox
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg-turbo-progs assimp-testmodels assimp-utils
  clang libclang-rt-14-dev
  espeak-ng lame sox libsox-fmt-mp3 mpg123
  libcairo2-dev libfontconfig-dev fonts-dejavu-core
  python3 linux-perf appstream man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
