#!/usr/bin/env bash
# Runs a Windows test program under Wine (64-bit) in the given prefix, which is made
# on first use (about 8 s; later starts take 2 s): run.sh PREFIX PROGRAM [ARGS].
# Bounded in time; waits for the prefix's wineserver to end before returning.
set -euo pipefail
export WINEPREFIX=$(realpath -m "$1") # Wine wants it absolute
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$WINEPREFIX"
status=0
timeout -k 5 150 wine "$@" || status=$?
timeout -k 5 20 wineserver -w || true
exit "$status"
