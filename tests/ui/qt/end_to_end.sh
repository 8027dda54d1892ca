#!/usr/bin/env bash
# Drives the real binary on its own Xvfb: types a sum, copies the result and
# reads it back from the X clipboard; then the same under a comma locale.
set -euo pipefail
binary=$1

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
export DISPLAY=":$(head -1 "$work/display")"

run_case() { # locale, keys, expected clipboard text
    local locale=$1 keys=$2 expected=$3
    env -u QT_QPA_PLATFORM LC_ALL="$locale" "$binary" 2>"$work/app.log" &
    app_pid=$!
    local window=
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Tallix$' 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "FAIL: no window under $locale"; cat "$work/app.log"; exit 1; }
    xdotool windowfocus --sync "$window"
    sleep 0.5 # let the window settle before typing
    xdotool type --delay 30 "$keys"
    xdotool key Return
    sleep 0.3
    xdotool key ctrl+c
    local got=
    for _ in $(seq 50); do
        got=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$got" = "$expected" ] && break
        sleep 0.1
    done
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $keys under $locale gave '$got', expected '$expected'"
        exit 1
    fi
    echo "ok: $keys under $locale gives $got"
}

run_case en_US.UTF-8 "12+3" "15"
run_case ru_RU.UTF-8 "7/2" "3,5"
