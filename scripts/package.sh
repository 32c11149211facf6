#!/usr/bin/env bash
# Builds the Debian package, installs it with apt-get as a user would, checks
# that the installed program starts (offscreen, --version) and that its desktop
# entry, icon and manual are where desktops look, then removes it again.
# BUILD_DIR picks the build folder (default build); CMake arguments go to its
# configure step when the folder is new.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
# A package the user installed is not replaced and removed behind their back;
# on CI's machine it can only be one that an interrupted run left.
if [ -z "${CI:-}" ] && dpkg-query -W -f='${Status}' ringlook 2>/dev/null | grep -q "install ok installed"; then
  echo "ringlook is installed already: remove it first (apt-get remove ringlook)" >&2
  exit 1
fi

build="${BUILD_DIR:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build"
rm -f "$build"/ringlook_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/ringlook_*.deb)
echo "== $deb ($(du -k "$deb" | cut -f1) KiB)"
dpkg-deb --field "$deb" Version Depends Recommends Installed-Size

trap '$sudo apt-get remove -y -q --purge ringlook >/dev/null 2>&1 || true' EXIT
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q --no-install-recommends "./$deb" >/dev/null

fail() { echo "package check failed: $*" >&2; exit 1; }
version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen /usr/bin/ringlook --version)
[ "$version" = "Ringlook $(dpkg-deb --field "$deb" Version)" ] || fail "--version says '$version'"
for file in /usr/share/applications/ringlook.desktop /usr/share/icons/hicolor/scalable/apps/ringlook.svg \
  /usr/share/icons/hicolor/48x48/apps/ringlook.png /usr/share/man/man1/ringlook.1.gz \
  /usr/share/doc/ringlook/ringlook.html; do
  [ -f "$file" ] || fail "$file is missing"
done
desktop-file-validate /usr/share/applications/ringlook.desktop || fail "the desktop entry is not valid"
grep -qx 'Categories=Network;Telephony;' /usr/share/applications/ringlook.desktop || fail "desktop entry categories"
echo "installed: $version"

$sudo apt-get remove -y -q --purge ringlook >/dev/null
trap - EXIT
[ ! -e /usr/bin/ringlook ] || fail "/usr/bin/ringlook is still there after removal"
echo "removed again"
