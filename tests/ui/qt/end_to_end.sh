#!/usr/bin/env bash
# Drives the real binary on its own Xvfb through the end-to-end cases that
# every front end shares: types each case's characters and key, copies the
# display with Ctrl+C and reads it back from the X clipboard.
#   end_to_end.sh BINARY CASES.tsv
set -euo pipefail
binary=$1 cases=$2
source "$(dirname "$0")/x_session.sh"

failed=0
while IFS=$'\t' read -r -u 3 name locale typed key expected; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    start_app "$locale"
    xdotool type --delay 30 "$typed"
    [ "$key" != - ] && xdotool key "$key"
    sleep 0.3
    xdotool key ctrl+c
    got=$(clipboard_when "$expected")
    stop_app
    if [ "$got" = "$expected" ]; then
        echo "ok: $name gives $got"
    else
        echo "FAIL: $name gave '$got', expected '$expected'"
        failed=1
    fi
done 3<"$cases"
exit $failed
