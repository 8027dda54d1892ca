#!/usr/bin/env bash
# Drives the real Windows window under Wine on its own Xvfb: every case of
# the shared table typed and copied back through the X clipboard, then the
# division-by-zero box and the About window at its offset from the main
# window. Usage: end_to_end.sh TALLIX_EXE CASES_TSV WINEPREFIX
set -euo pipefail
exe=$1
cases=$2
export WINEPREFIX=$(realpath -m "$3") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
app_pid=
cleanup() {
    timeout 20 wineserver -k 2>/dev/null || true
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

if [ ! -f "$WINEPREFIX/user.reg" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 120 wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
    # No window manager here: Wine draws the frames itself, so that an X
    # window's geometry is its Windows window's outer rectangle.
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
fi

wait_for_window() { # title pattern; prints the window id
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 && return 0
        sleep 0.1
    done
    echo "FAIL: no window '$1'" >&2
    return 1
}
wait_until_gone() { # title pattern
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "FAIL: window '$1' stayed open" >&2
    return 1
}
start() { # locale; prints the main window's id
    LC_ALL=$1 timeout 120 wine "$exe" >"$work/app.log" 2>&1 &
    app_pid=$!
    local window
    window=$(wait_for_window '^Tallix$') || { cat "$work/app.log" >&2; return 1; }
    xdotool windowfocus --sync "$window"
    sleep 0.5 # let the window settle before typing
    echo "$window"
}
stop() {
    timeout 20 wineserver -k 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
}
expect_copy() { # expected clipboard text after Ctrl+C; what
    printf 'nothing copied' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key ctrl+c
    local got=
    for _ in $(seq 50); do
        got=$(xclip -o -selection clipboard 2>/dev/null || true)
        [ "$got" = "$1" ] && break
        sleep 0.1
    done
    [ "$got" = "$1" ] || { echo "FAIL: $2 gave '$got', expected '$1'"; exit 1; }
    echo "ok: $2 gives $got"
}

while IFS=$'\t' read -r name locale typed key expected; do
    [ -z "$name" ] || [ "${name:0:1}" = "#" ] && continue
    start "$locale" >/dev/null
    xdotool type --delay 30 "$typed"
    [ "$key" = "-" ] || xdotool key "$key"
    expect_copy "$expected" "$name: $typed under $locale"
    stop
done <"$cases"

# Wine writes window titles in the encoding of the C library's locale, and
# only an installed UTF-8 locale (C.UTF-8 is always there) gives Cyrillic ones.
main=$(start C.UTF-8)
xdotool type --delay 30 "1/0="
box=$(wait_for_window '^Ошибка$')
# Without a window manager the box takes a click on OK, not Return: OK is
# centred at the bottom of the box.
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 22)) click 1
wait_until_gone '^Ошибка$'
xdotool type --delay 30 "+2="
expect_copy 3 "after the 'Ошибка' box, +2="

xdotool key F10 Right Down Return # Справка, О программе
about=$(wait_for_window '^О программе Tallix$')
eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/MAIN_/')"
eval "$(xdotool getwindowgeometry --shell "$about")"
# 500 and 1050 twips are 33 and 70 pixels at 96 dots per inch.
offset="$((X - MAIN_X)),$((Y - MAIN_Y))"
[ "$offset" = "33,70" ] || { echo "FAIL: About window at $offset from the main window, expected 33,70"; exit 1; }
echo "ok: About window opens at $offset pixels from the main window"
xdotool key Return
wait_until_gone '^О программе Tallix$'
xdotool type --delay 30 "5"
expect_copy 5 "after the About window, 5"
stop
