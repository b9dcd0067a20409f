#!/usr/bin/env bash
# Installs every Debian package Kelvra's build, tests and GUI need. Idempotent: installs only
# what is missing. Uses sudo when not run as root.
set -euo pipefail

# qt6-charts-dev does not pull libqt6opengl6-dev, yet Qt6Charts' CMake config needs Qt6OpenGL.
packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-translations-l10n libgl-dev
  libcurl4-openssl-dev libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps imagemagick poppler-utils fonts-ipafont-gothic
  clang-format clang libclang-rt-14-dev
  dpkg-dev desktop-file-utils appstream x11-utils
  dbus at-spi2-core python3-pyatspi
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

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
