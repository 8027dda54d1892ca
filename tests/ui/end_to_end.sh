#!/usr/bin/env bash
# A real window, Qt's or Win32's under Wine (in $WINEPREFIX), on its own
# Xvfb. Every row of the case table starts the program afresh, runs its steps
# and compares the clipboard, the bells, the display as a screen reader reads
# it and as it is drawn, finding controls where the layout dump puts them.
#   end_to_end.sh --front-end qt|win32 --program TALLIX --layout-dump DUMP --cases CASES.tsv
#       [--checks "NAME..."] [--where TAG (the rows tagged so, not the front end's)]
#       win32: --other-program EXE
set -euo pipefail
# Qt: on a session bus of our own, where the accessibility bus starts on
# demand, its socket in a runtime folder of our own: another run's would
# take the one in ~/.cache.
if [ "$2" = qt ] && [ -z "${TALLIX_PRIVATE_BUS:-}" ]; then
    exec env TALLIX_PRIVATE_BUS=1 XDG_RUNTIME_DIR="$(mktemp -d)" dbus-run-session -- bash "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
declare -A arg=([checks]= [where]= [other-program]=)
while (($#)); do arg[${1#--}]=$2 && shift 2; done
front_end=${arg[front-end]} program=${arg[program]} here=$(dirname "$0") && arg[where]=${arg[where]:-$front_end}
source "$here/x_session.sh"
[ -z "${TALLIX_PRIVATE_BUS:-}" ] || trap 'cleanup; rm -rf "$XDG_RUNTIME_DIR"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
checks=${arg[checks]:-"cases decimal_caption"}

# What differs between the front ends: how to start a program and the
# window, read the display, hold the clipboard, open About, close a box.
if [ "$front_end" = qt ]; then
    run=() launch=("$program") about_keys=(alt+c j) # Справка, О программе: the keys of С and О on a Latin layout
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    read_display() { /usr/bin/python3 "$here/qt/read_display.py" "$1" $((10 * patience)); }
    hold_clipboard() { # its owner stops answering
        printf %s "$(xclip -o -selection clipboard)" | xclip -i -selection clipboard -verbose >"$work/held" 2>&1 &
        holder=$!
        wait_for "owns the clipboard" grep -q '^Waiting for selection requests' "$work/held"
        kill -STOP "$holder"
    }
    release_clipboard() { kill -CONT "$holder"; }
else
    export WINEPREFIX=$(realpath -m "$WINEPREFIX") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=${WINEARCH:-win64}
    run=(timeout $((60 * patience)) wine) launch=(timeout $((120 * patience)) wine "$program") about_keys=(F10 Right Down Return)
    other() { LC_ALL=C.UTF-8 "${run[@]}" "${arg[other-program]}" "$@"; } # texts passed in UTF-8
    read_display() { other read "$1" $((10 * patience)); }
    set_clipboard() { printf %s "$1" | other put; }
    hold_clipboard() { # until its input ends
        mkfifo "$work/hold"
        other hold <"$work/hold" >"$work/held" &
        holder=$!
        exec 5>"$work/hold"
        wait_for "holds the clipboard" grep -q held "$work/held"
    }
    release_clipboard() { exec 5>&-; wait "$holder"; rm "$work/hold"; }
    after_stop() { timeout 20 wineserver -k 2>/dev/null || true; }
    # A server still running in the prefix would keep its desktop, and the
    # clipboard with it, on the display it started on.
    timeout $((20 * patience)) wineserver -k 2>/dev/null || true
    # No window manager here: Wine draws the frames itself, so that an X
    # window's geometry is its Windows window's outer rectangle.
    "${run[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
fi
ready() { local read_out; read_out=$(read_display 0) || fail "the display of a new window reads '$read_out', not 0"; }

declare -A place # NAME -> "LEFT TOP WIDTH HEIGHT" in the client area, and the client's "WIDTH HEIGHT"
while read -r name numbers; do place[$name]=$numbers; done < <("${run[@]}" "${arg[layout-dump]}" | tr -d '\r')

# CONTROL [DX DY]: that point of the control on the screen, its centre unless
# given. The client area lies at the bottom of the window, inside equal
# borders (none on Qt without a window manager).
on_screen() {
    eval "$(xdotool getwindowgeometry --shell "$app_window")"
    local client=(${place[client]}) rect=(${place[$1]}) border=$(((WIDTH - client[0]) / 2))
    echo $((X + border + rect[0] + ${2:-rect[2] / 2})) $((Y + HEIGHT - border - client[1] + rect[1] + ${3:-rect[3] / 2}))
}
inside() { # CONTROL [MARGIN]: LEFT,TOP,WIDTH,HEIGHT of the control on the screen, less a margin
    local m=${2:-0} rect=(${place[$1]})
    echo "$(on_screen "$1" "$m" "$m" | tr ' ' ,),$((rect[2] - 2 * m)),$((rect[3] - 2 * m))"
}
drawn() { python3 "$here/pixels.py" $((20 * patience)) "$(inside "${1:-lblReadOut}" "${2:-0}")"; } # a digest
paste() { # TEXT on the clipboard, then Ctrl+V: the display reads it
    set_clipboard "$1"
    xdotool key "$paste_key"
    local read_out
    read_out=$(read_display "$1") || fail "$2: pasted '$1', the display reads '$read_out'"
}

# Every row of the table for this front end.
check_cases() {
    local name where locale layout steps display clipboard bells drawn_as got rang read_out row other now
    while IFS=$'\t' read -r -u 4 name where locale layout steps display clipboard bells drawn_as; do
        [[ -z "$name" || "$name" == \#* || ",$where," != *",${arg[where]},"* ]] && continue
        display=$(printf %b "$display") clipboard=$(printf %b "$clipboard") drawn_as=$(printf %b "${drawn_as:-$display}")
        paste_key=ctrl+v && [ "$layout" = ru ] && paste_key=ctrl+Cyrillic_em
        start_app "$locale" "$layout"
        set_clipboard -
        for step in $steps; do run_step "$step"; done
        read_out=$(read_display "$display") || fail "$name: the display reads '$read_out', expected '$display'"
        got=$(clipboard_when "$clipboard")
        rang=$(bells)
        [ "$got $rang" = "$clipboard $bells" ] || fail "$name gave '$got' with $rang bells, expected '$clipboard' with $bells"
        # Drawn as the same text pasted (or the one given), and otherwise than
        # a text whose end differs.
        row=$(drawn)
        other=${display%?}$([ "${display: -1}" = 1 ] && echo 2 || echo 1)
        paste "$drawn_as" "$name" && now=$(drawn) && [ "$now" = "$row" ] || fail "$name: the display is not drawn as '$drawn_as' pasted"
        paste "$other" "$name" && now=$(drawn) && [ "$now" != "$row" ] || fail "$name: '$display' and '$other' are drawn alike"
        stop_app
        echo "ok: $name gives '$got' with $rang bells, the display reads and shows '$read_out'"
    done 4<"${arg[cases]}"
}
rang_since() { (($(wc -l <"$work/bells") > $1)); }
run_step() {
    case $1 in
    type:*) xdotool type --delay 30 "$(printf %b "${1#type:}")" ;;
    key:*) xdotool key --delay 30 "${1#key:}" ;;
    clip:*) set_clipboard "$(printf %b "${1#clip:}")" ;;
    click:*) xdotool mousemove --sync $(on_screen "${1#click:}") click 1 ;;
    drag:*) # press on one control and let go on another
        local from=${1#drag:}
        xdotool mousemove --sync $(on_screen "${from%%:*}") mousedown 1 \
            mousemove --sync $(on_screen "${from#*:}") mouseup 1 ;;
    dismiss) xdotool windowfocus --sync "$(wait_for_window '^Ошибка$')" key Return && wait_until_gone '^Ошибка$' ;;
    about) xdotool key --delay 100 "${about_keys[@]}" && wait_for_window '^О программе Tallix$' >/dev/null ;;
    close:*) xdotool key "${1#close:}" && wait_until_gone '^О программе Tallix$' && wait_for "the keyboard in the window" focused ;;
    hold) hold_clipboard && held_at=$(wc -l <"$work/bells") ;;
    release) # once the program refused something with a bell, or gave up waiting for it
        wait_for "a bell while the clipboard is held" rang_since "$held_at" 2>/dev/null || true
        release_clipboard ;;
    *) fail "no step $1" ;;
    esac
}

# The decimal key reads "," under a Russian locale, "." otherwise.
check_decimal_caption() {
    local russian
    start_app ru_RU.UTF-8 && russian=$(drawn cmdDec 3) && stop_app
    start_app en_US.UTF-8
    [ "$(drawn cmdDec 3)" != "$russian" ] || fail "the decimal key looks the same under a Russian and an English locale"
    stop_app
    echo "ok: the decimal key differs under a Russian and an English locale"
}

for check in $checks; do "check_$check"; done
