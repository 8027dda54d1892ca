#!/usr/bin/env bash
# The Qt window's own keyboard cases on its own Xvfb: menu keyboard mode,
# keys without a character, shortcuts and access keys under other layouts.
# Each case starts with a fresh window and a clipboard holding "-".
#   keyboard.sh BINARY CASES.tsv
set -euo pipefail
binary=$1 cases=$2
source "$(dirname "$0")/x_session.sh"

failed=0
while IFS=$'\t' read -r -u 3 name layout steps expected bells_expected; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    start_app en_US.UTF-8 "$layout"
    set_clipboard -
    for step in $steps; do
        case $step in
        type:*) xdotool type --delay 30 "${step#type:}" ;;
        key:*) xdotool key --delay 30 "${step#key:}" ;;
        clip:*) set_clipboard "${step#clip:}" ;;
        esac
        sleep 0.2
    done
    got=$(clipboard_when "$expected")
    rang=$(bells)
    stop_app
    if [ "$got" = "$expected" ] && [ "$rang" -eq "$bells_expected" ]; then
        echo "ok: $name gives '$got' with $rang bells"
    else
        echo "FAIL: $name gave '$got' with $rang bells, expected '$expected' with $bells_expected"
        failed=1
    fi
done 3<"$cases"
exit $failed
