#!/usr/bin/env bash
# Builds Ringlook in release mode (build-release) and measures its figures
# beside their floors: every figure the median of several runs, each floor
# measured in the same run. Takes 10+ minutes, most of it counting the CPU time
# of idle copies; --idle-seconds 60 gives a quick look. Other arguments go to
# ringlook_perf (--help lists them). The measurement runs on a loopback of its
# own (a network namespace), so the server's port 6661 is free whatever else
# runs on the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target ringlook ringlook_perf ringlook_bare_window

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(uname -r)"
echo "start: $(date '+%F %T'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
run=(env XDG_RUNTIME_DIR="$runtime" "$build/tools/perf/ringlook_perf" "$@")
if [ "$(id -u)" -eq 0 ]; then
  unshare -n sh -c 'ip link set lo up && exec "$@"' sh "${run[@]}"
else
  unshare -rn sh -c 'ip link set lo up && exec "$@"' sh "${run[@]}"
fi
echo "end: $(date '+%F %T'), load average $(cut -d' ' -f1-3 /proc/loadavg)"
