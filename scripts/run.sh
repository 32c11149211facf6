#!/usr/bin/env bash
# Builds and starts Ringlook against the reference server with demo data. The
# demo keeps its database and settings under build/demo, never the user's own.
# Without a display it runs under Xvfb for a while and leaves shot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ringlook ringlook-server

demo="$(pwd)/build/demo"
mkdir -p "$demo/config/Ringlook/Software"
settings="$demo/config/Ringlook/Software/Ringlook.conf"
[ -f "$settings" ] || printf '%s\n' 'ServerIp=string:127.0.0.1' 'NickName=string:Demo' \
  'x=string:155' 'y=string:125' 'Popup=integer:1' > "$settings"

# The server reads commands on standard input: keep it open, and inject a call
# a few seconds in so the demo shows a new caller arriving.
fifo="$demo/server-input"
rm -f "$fifo"; mkfifo "$fifo"
build/tools/server/ringlook-server --simulate 45 "$demo/demo.db" < "$fifo" > "$demo/server.log" 2>&1 &
server=$!
exec 3>"$fifo"
trap 'echo quit >&3 2>/dev/null || true; exec 3>&-; wait $server 2>/dev/null || true; rm -f "$fifo"' EXIT
(sleep 6; echo "call 0201234567 lijn 2" >&3) &

export XDG_CONFIG_HOME="$demo/config"
if [ -n "${DISPLAY:-}" ]; then
  build/src/app/ringlook
  exit 0
fi

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  build/src/app/ringlook & app=$!
  sleep "${RINGLOOK_SHOT_DELAY:-9}"
  import -window root shot.png
  kill $app; wait $app 2>/dev/null || true
'
echo "Screenshot: $(pwd)/shot.png"
