#!/usr/bin/env bash
# Builds and starts Ringlook. Without a display it runs under Xvfb for a few
# seconds and leaves a screenshot in shot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target ringlook

if [ -n "${DISPLAY:-}" ]; then
  exec build/src/app/ringlook
fi

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  build/src/app/ringlook & app=$!
  sleep "${RINGLOOK_SHOT_DELAY:-4}"
  import -window root shot.png
  kill $app; wait $app 2>/dev/null || true
'
echo "Screenshot: $(pwd)/shot.png"
