#!/usr/bin/env bash
# Builds and starts Ringlook against the reference server with demo data; the
# server makes a call every 45 seconds, and one is typed at it a few seconds in,
# so calls are seen arriving. Everything the demo keeps is under build/demo: its
# settings and autostart entry (XDG_CONFIG_HOME), its instance lock
# (XDG_RUNTIME_DIR) and caches, so the user's own settings, and a Ringlook the
# user runs, are left alone. Ctrl+C, or closing the window, stops both programs.
#
# Without a display it runs on a virtual one (Xvfb) with a window manager, a
# task bar with a tray and a notification daemon, on a session bus of its own,
# and leaves shot.png after RINGLOOK_SHOT_DELAY seconds (default 10).
#
# --check-a11y: always so, and checks what a screen reader gets of the main
# window (scripts/a11y-tree.py): the tree, printed, and the announced changes;
# then of a call line's context menu; then of the messages window, once a
# message has come (within a minute).
#
# --wayland: on a headless Wayland compositor (weston) instead, natively
# (QT_QPA_PLATFORM=wayland); leaves shot-wayland.png and checks through the
# accessibility tree that the program connected and filled its list.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
check_a11y=""
wayland=""
case "${1:-}" in
  --check-a11y) check_a11y=1 ;;
  --wayland) wayland=1 check_a11y=1 ;;
esac

if { [ -z "${DISPLAY:-}" ] || [ -n "$check_a11y" ]; } && [ -z "${RINGLOOK_DEMO_HEADLESS:-}" ]; then
  scripts/install-deps.sh
  # As root, on a loopback of its own too, so that its port 6661 is free.
  isolate=()
  if [ "$(id -u)" -eq 0 ] && command -v ip >/dev/null && unshare --net true 2>/dev/null; then
    isolate=(unshare --net -- sh -c 'ip link set lo up && exec "$@"' isolated)
  fi
  exec "${isolate[@]}" dbus-run-session -- env RINGLOOK_DEMO_HEADLESS=1 "$0" "$@"
fi
[ -n "${RINGLOOK_DEMO_HEADLESS:-}" ] || scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ringlook ringlook-server

demo="$root/build/demo"
mkdir -p "$demo/config/Ringlook/Software" "$demo/runtime" "$demo/cache"
chmod 700 "$demo/runtime"
settings="$demo/config/Ringlook/Software/Ringlook.conf"
[ -f "$settings" ] || printf '%s\n' 'ServerIp=string:127.0.0.1' 'NickName=string:Demo' \
  'x=string:155' 'y=string:125' 'Popup=integer:1' > "$settings"

# The desktop's connections that are found through the runtime folder keep working.
if [ -n "${XDG_RUNTIME_DIR:-}" ]; then
  [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ ! -S "$XDG_RUNTIME_DIR/bus" ] ||
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
  case "${WAYLAND_DISPLAY:-/}" in /*) ;; *) export WAYLAND_DISPLAY="$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ;; esac
fi
export XDG_CONFIG_HOME="$demo/config" XDG_RUNTIME_DIR="$demo/runtime" XDG_CACHE_HOME="$demo/cache"

pids=()
stop() {
  trap - EXIT INT TERM
  trap '' PIPE
  # The program first, so it leaves with its link open rather than seeing the server go.
  if [ -n "${app:-}" ]; then
    kill -TERM "$app" 2>/dev/null || true
    wait "$app" 2>/dev/null || true
  fi
  if [ -n "${server:-}" ]; then
    ! kill -0 "$server" 2>/dev/null || echo quit >&3 2>/dev/null || true
    exec 3>&-
    wait "$server" 2>/dev/null || true
  fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -f "$demo/server-input"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ -n "$wayland" ]; then
  # A runtime folder of the demo's own, where the compositor puts its socket.
  export XDG_RUNTIME_DIR="$demo/runtime" WAYLAND_DISPLAY=wayland-ringlook QT_QPA_PLATFORM=wayland
  unset DISPLAY
  rm -f "$demo/weston.log"
  # --debug lets weston-screenshooter take the picture.
  weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 --socket="$WAYLAND_DISPLAY" \
    --debug --log="$demo/weston.log" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
elif [ -n "${RINGLOOK_DEMO_HEADLESS:-}" ]; then
  Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$demo/display" >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$demo/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$demo/display")"
  openbox >/dev/null 2>&1 &
  pids+=($!)
  tint2 >/dev/null 2>&1 &
  pids+=($!)
  dunst >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
fi

# The server reads commands on its standard input: keep it open.
fifo="$demo/server-input"
rm -f "$fifo"
mkfifo "$fifo"
build/tools/server/ringlook-server --simulate 45 "$demo/demo.db" <"$fifo" >"$demo/server.log" 2>&1 &
server=$!
exec 3>"$fifo"
for _ in $(seq 50); do
  if grep -q '^listening' "$demo/server.log" || ! kill -0 "$server" 2>/dev/null; then break; fi
  sleep 0.1
done
if ! grep -q '^listening' "$demo/server.log"; then
  cat "$demo/server.log" >&2
  exit 1
fi
# With its time, as the server writes the detail of every other call.
(sleep 6 && echo "call 0201234567 $(date +%H:%M) lijn 2" >&3) &
pids+=($!)

if [ -n "$check_a11y" ]; then
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  # Listening before the program starts, so its first announcements are heard.
  /usr/bin/python3 scripts/a11y-tree.py --check --listen 8 ${wayland:+--calls 1} &
  checker=$!
  pids+=($checker)
  sleep 1
fi
build/src/app/ringlook &
app=$!
if [ -z "${RINGLOOK_DEMO_HEADLESS:-}" ]; then
  wait "$app" || true
  exit 0
fi

sleep "${RINGLOOK_SHOT_DELAY:-10}"
if [ -n "$wayland" ]; then
  rm -f wayland-screenshot-*.png
  weston-screenshooter
  mv "$(ls -t wayland-screenshot-*.png | head -1)" shot-wayland.png
  echo "Screenshot: $root/shot-wayland.png"
  wait "$checker"
  exit 0
fi
window=$(xdotool search --name '^Ringlook v' | head -1)
if [ -n "$window" ] && ! xwininfo -id "$window" | grep -q IsViewable; then
  echo "The window was minimised: brought up from the task bar for the screenshot."
  xdotool windowactivate "$window"
  sleep 1
fi
import -window root shot.png
echo "Screenshot: $root/shot.png"
[ -n "$check_a11y" ] || exit 0
wait "$checker"
# A right-click on a call's line: its context menu with the caller group.
xdotool mousemove --window "$window" 60 12 click 3
sleep 1
/usr/bin/python3 scripts/a11y-tree.py --menu "Terugbellen,Opzoeken,Doorgeven…,Nummer kopiëren,Lijst opslaan…"
xdotool key Escape
# A message for the messages window: the server knows the program by its
# nickname once the nickname timer has told it, within a minute.
address="www.example.nl"
for _ in $(seq 45); do
  echo "msg Demo Kijk op $address of bel even." >&3
  sleep 2
  grep -q "delivered to 1 client" "$demo/server.log" && break
done
/usr/bin/python3 scripts/a11y-tree.py --messages "$address"
