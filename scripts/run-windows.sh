#!/usr/bin/env bash
# Runs the Windows program under wine against the reference server (a Linux
# program) with demo data, as scripts/run.sh does for the Qt one. Needs
# scripts/windows.sh to have built build-win/ (or BUILD_DIR), and the Linux build
# of the server.
# The settings live in the wine prefix of that folder. Without a display it runs
# under Xvfb, injects a call, and leaves shot-windows.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ringlook-server

build="$(pwd)/${BUILD_DIR:-build-win}"
wine="$build/wine-run.sh"
export WINEPREFIX="$build/wineprefix"
demo="$build/demo"
# A new demo database each time: the list then shows the demo calls and the new one.
rm -rf "$demo"
mkdir -p "$demo"
settings='HKCU\Software\Ringlook'
"$wine" reg add "$settings" /v ServerIp /d 127.0.0.1 /f >/dev/null 2>&1
"$wine" reg add "$settings" /v NickName /d Demo /f >/dev/null 2>&1
"$wine" reg add "$settings" /v x /d 155 /f >/dev/null 2>&1
"$wine" reg add "$settings" /v y /d 125 /f >/dev/null 2>&1
"$wine" reg add "$settings" /v Popup /t REG_DWORD /d 1 /f >/dev/null 2>&1

# The settings were written without a display: that session must not be the one
# the program joins, or it draws nowhere.
wineserver -k 2>/dev/null || true

fifo="$demo/server-input"
rm -f "$fifo"; mkfifo "$fifo"
build/tools/server/ringlook-server "$demo/demo.db" < "$fifo" > "$demo/server.log" 2>&1 &
server=$!
exec 3>"$fifo"
trap 'echo quit >&3 2>/dev/null || true; exec 3>&-; wait $server 2>/dev/null || true; rm -f "$fifo"' EXIT
# Port 6661 taken by another server would give the program someone else's calls.
for _ in $(seq 50); do grep -q listening "$demo/server.log" && break; sleep 0.1; done
grep -q listening "$demo/server.log" || { cat "$demo/server.log"; exit 1; }
(sleep "${RINGLOOK_CALL_DELAY:-12}"; echo "call 0201234567 $(date +%H:%M) lijn 2" >&3) &

program="$build/src/app/win32/Ringlook.exe"
if [ -n "${DISPLAY:-}" ]; then
  "$wine" "$program"
  exit 0
fi
export RINGLOOK_WINE="$wine" RINGLOOK_PROGRAM="$program"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$RINGLOOK_WINE" "$RINGLOOK_PROGRAM" & app=$!
  sleep "${RINGLOOK_SHOT_DELAY:-18}"
  # The virtual desktop can take a moment to draw: a picture of one colour is taken again.
  for try in 1 2 3; do
    import -window root shot-windows.png
    [ "$(convert shot-windows.png -format %k info:)" -gt 1 ] && break
    sleep 3
  done
  wineserver -k
  wait $app 2>/dev/null || true
'
echo "Screenshot: $(pwd)/shot-windows.png"
