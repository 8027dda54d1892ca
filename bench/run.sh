#!/usr/bin/env bash
# Benchmarks on their own Xvfb: start-up time and memory against the floor
# program, then key and huge-paste timings through the real window.
#   bash bench/run.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" xvfb xauth libx11-dev
runs=${1:-21}

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

echo "== start-up: exec to mapped window, RSS 1 s later"
build/bench/bench/startup_bench "$runs" "tallix=build/bench/app/tallix" "floor=build/bench/bench/floor"
echo "== keys through the real window (key event to repainted display)"
build/bench/bench/keys_bench
