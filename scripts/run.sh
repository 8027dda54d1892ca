#!/usr/bin/env bash
# Builds Tallix (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}"

cmake --preset default >/dev/null
cmake --build --preset default --target tallix

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # What the advice below runs, so that it works as printed: xvfb-run is in
    # xvfb, and needs xauth, which xvfb only recommends.
    ensure_packages xvfb xauth
    echo "No display to show the window on: run it under a virtual X server, e.g. xvfb-run -a bash scripts/run.sh" >&2
    exit 1
fi
exec build/default/app/tallix
