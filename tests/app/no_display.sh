#!/usr/bin/env bash
# Started without a display, or with one that cannot be opened, the binary
# says so in one line naming the display and ends with status 1.
#   no_display.sh BINARY
set -euo pipefail
check() { # name, text the line must hold, then env arguments
    local name=$1 part=$2 status=0 out
    shift 2
    out=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" timeout 20 "$BINARY" 2>&1) || status=$?
    [ "$status" -eq 1 ] && [ "$(wc -l <<<"$out")" -eq 1 ] && grep -qF -- "$part" <<<"$out" ||
        { echo "FAIL: $name: status $status, said: $out"; exit 1; }
    echo "ok: $name: $out"
}
BINARY=$1
check bad-display '«:199»' DISPLAY=:199
check no-display 'DISPLAY' -u DISPLAY
