#!/usr/bin/env bash
# Builds the Debian packages, ringlook (the client) and ringlook-server (the
# reference server as a system service), and checks them as an archive would:
# lintian with no error and no warning, the AppStream entry valid. Then installs
# both with apt-get as a user would, checks that the installed program starts
# (offscreen, --version) and that its desktop entry, icon and manual are where
# desktops look, that the service answers a client
# (scripts/package-server-check.sh), and purges both again.
# BUILD_DIR picks the build folder (default build); CMake arguments go to its
# configure step when the folder is new.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The archive's checks, and systemd-analyze for the unit (systemd need not run).
scripts/install-deps.sh lintian appstream systemd

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
packages=(ringlook ringlook-server)
# A package the user installed is not replaced and removed behind their back;
# on CI's machine it can only be one that an interrupted run left.
for package in "${packages[@]}"; do
  if [ -z "${CI:-}" ] && dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "$package is installed already: remove it first (apt-get remove $package)" >&2
    exit 1
  fi
done

fail() { echo "package check failed: $*" >&2; exit 1; }

build="${BUILD_DIR:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build"
rm -f "$build"/ringlook_*.deb "$build"/ringlook-server_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
client=$(ls "$build"/ringlook_*.deb)
server=$(ls "$build"/ringlook-server_*.deb)
for deb in "$client" "$server"; do
  echo "== $deb ($(du -k "$deb" | cut -f1) KiB)"
  dpkg-deb --field "$deb" Version Depends Recommends Installed-Size
done

# lintian exits non-zero on errors only; a warning fails here as well.
echo "== lintian"
status=0
report=$(lintian --fail-on error,warning "$client" "$server" 2>&1) || status=$?
[ -z "$report" ] || printf '%s\n' "$report"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' <<<"$report"; then fail "lintian (exit status $status)"; fi

echo "== appstreamcli validate"
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$client" "$unpacked"
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/ringlook.metainfo.xml" || fail "the AppStream entry is not valid"
rm -rf "$unpacked"

trap '$sudo apt-get remove -y -q --purge "${packages[@]}" >/dev/null 2>&1 || true' EXIT
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q --no-install-recommends "./$client" "./$server" >/dev/null

version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen /usr/bin/ringlook --version)
[ "$version" = "Ringlook $(dpkg-deb --field "$client" Version)" ] || fail "--version says '$version'"
for file in /usr/share/applications/ringlook.desktop /usr/share/icons/hicolor/scalable/apps/ringlook.svg \
  /usr/share/icons/hicolor/48x48/apps/ringlook.png /usr/share/man/man1/ringlook.1.gz \
  /usr/share/doc/ringlook/ringlook.html /usr/share/metainfo/ringlook.metainfo.xml \
  /usr/share/doc/ringlook/copyright /usr/share/doc/ringlook/changelog.gz; do
  [ -f "$file" ] || fail "$file is missing"
done
desktop-file-validate /usr/share/applications/ringlook.desktop || fail "the desktop entry is not valid"
grep -qx 'Categories=Network;Telephony;' /usr/share/applications/ringlook.desktop || fail "desktop entry categories"
echo "installed: $version"

$sudo scripts/package-server-check.sh

$sudo apt-get remove -y -q --purge "${packages[@]}" >/dev/null
trap - EXIT
for path in /usr/bin/ringlook /usr/sbin/ringlook-server /etc/default/ringlook-server /var/lib/ringlook-server \
  /etc/systemd/system/multi-user.target.wants/ringlook-server.service; do
  if [ -e "$path" ] || [ -L "$path" ]; then fail "$path is still there after the purge"; fi
done
echo "removed again"
