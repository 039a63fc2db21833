#!/usr/bin/env bash
# Installs the Debian packages the editor, its tests and benchmarks need.
# Quiet and quick when everything is already there.
set -euo pipefail
packages=(
  cmake ninja-build g++ ccache pkg-config
  qt6-base-dev libqt6opengl6-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  libpng-dev libjpeg-dev zlib1g-dev libopenal-dev libopenal1
  libgl1-mesa-dri libglu1-mesa-dev libegl-dev libegl-mesa0 libwebp-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth x11-utils imagemagick
  desktop-file-utils libxml2-utils shared-mime-info
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
