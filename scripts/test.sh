#!/usr/bin/env bash
# Builds Ringlook and runs every test. Extra arguments go to CMake's configure
# step (for example -DRINGLOOK_SANITIZE=ON); BUILD_DIR picks the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure --timeout 300 -j "$(nproc)"
