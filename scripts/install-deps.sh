#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Does nothing when they are all present, so it is cheap to call every time.
set -euo pipefail

packages=(
  cmake g++ make pkg-config clang
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev
  qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic
  xvfb xauth xdotool x11-apps imagemagick poppler-utils pulseaudio pulseaudio-utils
  cups printer-driver-cups-pdf libcups2-dev
  dpkg-dev desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
