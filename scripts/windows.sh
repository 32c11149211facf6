#!/usr/bin/env bash
# Cross-builds the Windows program (Ringlook.exe), the core tests and the Win32
# tests with mingw-w64 into build-win/, runs them all under wine (inside Xvfb, in
# a wine virtual desktop), and builds the installer build-win/Ringlook-*-setup.exe,
# which it then installs and uninstalls once under wine. Installs the Debian
# packages it needs first. Extra arguments go to CMake's configure step;
# BUILD_DIR picks the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS

scripts/install-deps.sh cmake ninja-build g++-mingw-w64-x86-64-posix libgtest-dev libgmock-dev \
  librsvg2-bin imagemagick wine wine64 fonts-wine nsis xvfb xauth
echo "== packages: $((SECONDS - start)) s"

build="${BUILD_DIR:-build-win}"
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$build"
echo "== cross-build: $((SECONDS - start)) s"

# The wine prefix of the build folder (wine-run.sh, CTest's emulator, uses it),
# with every program in a virtual desktop that has a task bar ("shell"): windows
# get their frames and the task-bar entries from wine itself rather than from a
# window manager Xvfb lacks.
wine="$build/wine-run.sh"
export WINEPREFIX="$(pwd)/$build/wineprefix"
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
echo "== wine prefix: $((SECONDS - start)) s"

# A session of the prefix left from another display would draw on that one.
wineserver -k 2>/dev/null || true
xvfb-run -a -s "-screen 0 1024x768x24" \
  ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)"
wineserver -k 2>/dev/null || true
echo "== tests under wine: $((SECONDS - start)) s"

(cd "$build" && cpack -G NSIS)
setup=$(ls "$build"/Ringlook-*-setup.exe)
folder='C:\users\'"$(id -un)"'\AppData\Local\Programs\Ringlook'
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ringlook'
"$wine" "$setup" /S
"$wine" reg query "$key" >/dev/null 2>&1 || { echo "the installer registered no uninstaller"; exit 1; }
[ -f "$("$wine" winepath -u "$folder\\Ringlook.exe" 2>/dev/null)" ] || { echo "the installer put no Ringlook.exe"; exit 1; }
"$wine" "$folder\\Uninstall.exe" /S "_?=$folder"
if "$wine" reg query "$key" >/dev/null 2>&1; then echo "the uninstaller left its registration"; exit 1; fi
echo "== installer $setup, installed and removed under wine: $((SECONDS - start)) s"
