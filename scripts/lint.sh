#!/usr/bin/env bash
# Checks formatting (clang-format) and the core's static analysis (clang-tidy).
# Needs a configured build folder for the compile commands (BUILD_DIR, default build).
set -euo pipefail
cd "$(dirname "$0")/.."

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

build="${BUILD_DIR:-build}"
mapfile -t sources < <(git ls-files 'src/*.cpp' 'tools/*.cpp' | grep -v -e '/qt/' -e '/win32/' -e 'src/app/' -e 'tools/server/' -e 'tools/fuzz/')
if ! report=$(clang-tidy -p "$build" --quiet --warnings-as-errors='*' "${sources[@]}" 2>&1); then
  printf '%s\n' "$report"
  exit 1
fi
