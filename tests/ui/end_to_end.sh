#!/usr/bin/env bash
# Both real windows through one table, each on its own Xvfb (Qt with its own
# session bus, Win32 under Wine): every row starts the program afresh, runs
# its steps, and compares the clipboard and the bells; controls are found
# where the layout dump puts them. Then what only a real window shows: the
# About window's place, pixels, window class, screen reader, a new density.
#   end_to_end.sh qt TALLIX LAYOUT_DUMP CASES.tsv DESKTOP_ENTRY
#   end_to_end.sh win32 TALLIX.EXE LAYOUT_DUMP.EXE CASES.tsv [DPI_CHANGED.EXE]
# (win32: in $WINEPREFIX, made on first use.)
set -euo pipefail
front_end=$1 program=$2 dump=$3 cases=$4 extra=${5:-}
here=$(dirname "$0")
if [ "$front_end" = qt ] && [ "${TALLIX_PRIVATE_BUS:-}" != 1 ]; then # the accessibility bus starts on demand on it
    exec timeout 170 dbus-run-session -- env TALLIX_PRIVATE_BUS=1 bash "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
source "$here/x_session.sh"
run=() launch=("$program")
about_keys=(alt+c j) # Справка, О программе: the keys of С and О on a Latin layout
if [ "$front_end" = win32 ]; then
    export WINEPREFIX=$(realpath -m "$WINEPREFIX") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=${WINEARCH:-win64}
    run=(timeout $((60 * patience)) wine) launch=(timeout $((120 * patience)) wine "$program") about_keys=(F10 Right Down Return)
fi
fail() { echo "FAIL: $*"; exit 1; }
if [ "$front_end" = win32 ]; then
    after_stop() { timeout 20 wineserver -k 2>/dev/null || true; }
    if [ ! -f "$WINEPREFIX/user.reg" ]; then
        mkdir -p "$WINEPREFIX"
        timeout 120 wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
        # No window manager here: Wine draws the frames itself, so that an X
        # window's geometry is its Windows window's outer rectangle.
        timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
    fi
    # 96 dpi, even after a run stopped while it tried 144.
    timeout 60 wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1 || true
fi

declare -A place # NAME -> numbers: "LEFT TOP WIDTH HEIGHT" in the client area at 96 dpi, and the like
while read -r name numbers; do place[$name]=$numbers; done < <("${run[@]}" "$dump" 96 | tr -d '\r')

# The client area lies at the bottom of the window, inside equal borders
# (none on Qt without a window manager): its corner on the screen.
client_corner() { # WINDOW CLIENT_WIDTH CLIENT_HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1")"
    local border=$(((WIDTH - $2) / 2))
    echo $((X + border)) $((Y + HEIGHT - border - $3))
}
on_screen() { # CONTROL DX DY: that point of the control on the screen ("" for its centre)
    local corner=($(client_corner "$app_window" ${place[client]})) rect=(${place[$1]})
    echo $((corner[0] + rect[0] + ${2:-rect[2] / 2})) $((corner[1] + rect[1] + ${3:-rect[3] / 2}))
}
open_about() { xdotool key --delay 100 "${about_keys[@]}" && wait_for_window '^О программе Tallix$'; }
# A box closes by its OK button; Wine's without a window manager takes a
# click (OK centred at its bottom), not Return.
dismiss() { # TITLE
    local box
    box=$(wait_for_window "^$1\$") || exit 1
    if [ "$front_end" = win32 ]; then
        eval "$(xdotool getwindowgeometry --shell "$box")"
        xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 22)) click 1
    else
        xdotool key Return
    fi
    wait_until_gone "^$1\$"
}

while IFS=$'\t' read -r -u 4 name front_ends locale layout steps expected bells_expected; do
    [[ -z "$name" || "$name" == \#* || ",$front_ends," != *",$front_end,"* ]] && continue
    start_app "$locale" "$layout"
    set_clipboard -
    for step in $steps; do
        case $step in
        type:*) xdotool type --delay 30 "${step#type:}" ;;
        key:*) xdotool key --delay 30 "${step#key:}" ;;
        clip:*) set_clipboard "${step#clip:}" ;;
        click:*) xdotool mousemove --sync $(on_screen "${step#click:}") click 1 ;;
        drag:*) # press on one control and let go on another
            from=${step#drag:}
            xdotool mousemove --sync $(on_screen "${from%%:*}") mousedown 1 sleep 0.2 \
                mousemove --sync $(on_screen "${from#*:}") sleep 0.2 mouseup 1 ;;
        dismiss) dismiss Ошибка ;;
        about) open_about >/dev/null ;;
        close:*) xdotool key "${step#close:}" && wait_until_gone '^О программе Tallix$' ;;
        esac
        sleep 0.2
    done
    got=$(clipboard_when "$expected")
    rang=$(bells)
    stop_app
    [ "$got" = "$expected" ] && [ "$rang" -eq "$bells_expected" ] ||
        fail "$name gave '$got' with $rang bells, expected '$expected' with $bells_expected"
    echo "ok: $name gives '$got' with $rang bells"
done 4<"$cases"

# The About window opens at its offset from the main window's outer corner,
# wherever that has moved.
start_app C.UTF-8 # Wine writes Cyrillic titles only under a UTF-8 locale of the C library
for corner in "120 90" "300 40"; do
    xdotool windowmove --sync "$app_window" $corner
    about=$(open_about) || exit 1
    eval "$(xdotool getwindowgeometry --shell "$app_window" | sed 's/^/MAIN_/')"
    eval "$(xdotool getwindowgeometry --shell "$about")"
    [ "$((X - MAIN_X)) $((Y - MAIN_Y))" = "${place[aboutOffset]}" ] ||
        fail "About window at $((X - MAIN_X)),$((Y - MAIN_Y)) from the main window at $corner, expected ${place[aboutOffset]}"
    xdotool key Escape
    wait_until_gone '^О программе Tallix$'
done
echo "ok: the About window opens at ${place[aboutOffset]} pixels from the main window, wherever it is"

# Button faces are the face colour. A direction override (U+202E) is drawn
# as a mark, not obeyed; a line break, CR LF as Windows keeps text, is one
# mark "↵" on the one line.
xwd -root -silent >"$work/screen.xwd"
face=$(python3 "$here/pixels.py" --colour "$work/screen.xwd" "$(on_screen cmdNum7 4 4 | tr ' ' ,)")
[ "$face" = "${place[faceColour]}" ] || fail "a button face is $face, not ${place[faceColour]}"
drawn_after_pasting() {
    set_clipboard "$1"
    xdotool key ctrl+v
    sleep 0.5
    xwd -id "$app_window" -silent | md5sum
}
[ "$(drawn_after_pasting $'\xe2\x80\xae12345\r\n67890\r\n')" = "$(drawn_after_pasting $'\xef\xbf\xbd12345\xe2\x86\xb567890\xe2\x86\xb5')" ] ||
    fail "line breaks or a direction override are not drawn as marks"
echo "ok: button faces in the face colour; line breaks and direction overrides drawn as marks"
stop_app

if [ "$front_end" = qt ]; then
    # Docks match a window to its desktop entry by the class in WM_CLASS.
    start_app en_US.UTF-8
    class=$(xprop -id "$app_window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
    wanted=$(sed -n 's/^StartupWMClass=//p' "$extra")
    [ -n "$class" ] && [ "$class" = "$wanted" ] || fail "the window's class is '$class', the entry's StartupWMClass '$wanted'"
    # Qt's own options (-reverse mirrors the window, -style redraws every
    # button) change nothing: the program hands Qt no arguments.
    plain=$(xwd -id "$app_window" -silent | md5sum)
    stop_app
    launch=("$program" -reverse -style windows)
    start_app en_US.UTF-8
    [ "$(xwd -id "$app_window" -silent | md5sum)" = "$plain" ] || fail "started with -reverse -style windows, the window looks different"
    echo "ok: the window's class is the entry's StartupWMClass; Qt's options change nothing"
    stop_app
    launch=("$program")
    start_app ru_RU.UTF-8 us QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    timeout 30 /usr/bin/python3 "$here/qt/read_display.py" "12,5" "12,5"
    exit
fi

# Every caption reads as clearly as a digit, "," (Russian locale) too: in a
# digit's stroke a comma darkens a fifth to a quarter of the pixels a "1"
# does; the system's message font drew it as a speck, 2 pixels of 13.
start_app ru_RU.UTF-8
inside_edges() { local r=(${place[$1]}); echo "$(on_screen "$1" 3 3 | tr ' ' ,),$((r[2] - 6)),$((r[3] - 6))"; }
xwd -root -silent >"$work/screen.xwd"
{ read -r comma; read -r one; } < <(python3 "$here/pixels.py" "$work/screen.xwd" $(inside_edges cmdDec) $(inside_edges cmdNum1))
stop_app
((comma >= 8 && comma * 5 >= one)) || fail "',' has $comma dark pixels, '1' $one"
echo "ok: the ',' caption has $comma dark pixels, '1' has $one"
[ -n "$extra" ] || exit 0

# Moved to a 144-dpi monitor, the window takes the size suggested and places
# every control anew from the twips: its client area shows the very pixels
# of one opened at 144 dpi.
read -r _ width height < <("${run[@]}" "$dump" 144 | tr -d '\r' | grep '^client ')
client_at_144() { # a digest of its pixels, once a window is that wide
    local window corner
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Tallix$' 2>/dev/null | head -1) &&
            eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" && ((${WIDTH:-0} > width)) && break
        sleep 0.1
    done
    ((WIDTH > width)) || { echo "FAIL: the window is $WIDTH wide, not resized for 144 dpi" >&2; return 1; }
    sleep 1 # drawn
    corner=$(client_corner "$window" "$width" "$height" | tr ' ' ,)
    xwd -root -silent >"$work/screen.xwd"
    python3 "$here/pixels.py" --digest "$work/screen.xwd" "$corner,$width,$height"
}
timeout 60 wine "$extra" &
checker=$!
moved=$(client_at_144)
wait "$checker"
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
start_app C.UTF-8
native=$(client_at_144)
stop_app
timeout 60 wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null
[ "$moved" = "$native" ] || fail "moved to 144 dpi the client is drawn otherwise than opened at 144 dpi"
echo "ok: moved to 144 dpi, the client is drawn as one opened at 144 dpi"
