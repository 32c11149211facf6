#!/usr/bin/env bash
# Installs the Debian packages Ringlook needs to build (librsvg2-bin draws the
# icon sizes), test, measure (iproute2 gives the benchmark a loopback of its
# own), package (dpkg-dev and file for the package's dependencies), run and
# look at itself (a desktop under Xvfb: window manager, task bar with a tray,
# notifications; the accessibility bus and its Python client; a headless
# Wayland compositor and Qt's Wayland platform), or the packages
# named as arguments instead. Does nothing when they are all there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-translations-l10n
  librsvg2-bin
  libgtest-dev libgmock-dev libbenchmark-dev dbus-daemon
  clang libclang-rt-14-dev
  dpkg-dev file desktop-file-utils
  iproute2 iptables
  xvfb xauth xdotool x11-utils imagemagick fonts-dejavu-core openbox tint2 dunst
  dbus-x11 at-spi2-core python3-pyatspi
  weston qt6-wayland
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
