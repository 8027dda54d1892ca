#!/usr/bin/env bash
# The real Windows window under Wine on its own Xvfb: the cases all front
# ends share, then the captions' legibility, the division-by-zero box, the
# About window at its offset from the main window, and what the display draws
# for odd pastes, and the window laid out anew on a monitor of 144 dpi.
#   end_to_end.sh TALLIX_EXE CASES.tsv WINEPREFIX SEND_DPI_CHANGED_EXE
set -euo pipefail
export WINEPREFIX=$(realpath -m "$3") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
launch=(timeout 120 wine "$1")
source "$(dirname "$0")/../x_session.sh"
after_stop() { timeout 20 wineserver -k 2>/dev/null || true; }

if [ ! -f "$WINEPREFIX/user.reg" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 120 wineboot -i >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
    # No window manager here: Wine draws the frames itself, so that an X
    # window's geometry is its Windows window's outer rectangle.
    timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
fi

run_shared_cases "$2"
check_cancelled_press

# Every caption reads as clearly as a digit, "," (Russian locale) too: in a
# digit's stroke a comma darkens a fifth to a quarter of the pixels a "1"
# does; the system's message font drew it as a speck, 2 pixels of 13.
start_app ru_RU.UTF-8
xwd -id "$app_window" -silent >"$work/window.xwd"
eval "$(xdotool getwindowgeometry --shell "$app_window")"
# Wine draws the frame: the 237 x 199 client area sits at the bottom inside an
# equal border. The "," and "1" buttons (33 x 29 pixels at 96 dpi) are at
# client (52, 156) and (12, 120); counted inside their 3-pixel edges.
border=$(((WIDTH - 237) / 2))
top=$((HEIGHT - border - 199))
{ read -r comma; read -r one; } < <(python3 "$(dirname "$0")/dark_pixels.py" "$work/window.xwd" \
    $((border + 55)),$((top + 159)),27,23 $((border + 15)),$((top + 123)),27,23)
stop_app
((comma >= 8 && comma * 5 >= one)) || { echo "FAIL: ',' has $comma dark pixels, '1' $one"; exit 1; }
echo "ok: the ',' caption has $comma dark pixels, '1' has $one"

# Wine writes window titles in the encoding of the C library's locale, and
# only an installed UTF-8 locale (C.UTF-8 is always there) gives Cyrillic ones.
start_app C.UTF-8
main=$app_window
xdotool type --delay 30 "1/0="
box=$(wait_for_window '^Ошибка$') || exit 1
# Without a window manager the box takes a click on OK, not Return: OK is
# centred at the bottom of the box.
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 22)) click 1
wait_until_gone '^Ошибка$'
xdotool type --delay 30 "+2="
expect_copy 3 "after the 'Ошибка' box, +2="

xdotool key F10 Right Down Return # Справка, О программе
about=$(wait_for_window '^О программе Tallix$') || exit 1
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

# The window's pixels once a paste has been drawn.
drawn_after_pasting() {
    set_clipboard "$1"
    xdotool key ctrl+v
    sleep 0.5
    xwd -id "$main" -silent | md5sum
}
# A direction override (U+202E) is a mark, not an order; a line break, CR LF
# as Windows keeps text, is one mark "↵" on the one line.
[ "$(drawn_after_pasting $'\xe2\x80\xae123456')" = "$(drawn_after_pasting $'\xef\xbf\xbd123456')" ] ||
    { echo "FAIL: a direction override changes how the digits are drawn"; exit 1; }
[ "$(drawn_after_pasting $'12345\r\n67890\r\n')" = "$(drawn_after_pasting $'12345\xe2\x86\xb567890\xe2\x86\xb5')" ] ||
    { echo "FAIL: line breaks are not drawn as marks"; exit 1; }
echo "ok: line breaks and direction overrides are drawn as marks"

# Moved to a 144-dpi monitor, the window takes the size suggested and places
# every control anew from the twips: its client area, 355 x 298 pixels at the
# bottom inside equal borders, shows the very pixels of one opened at 144 dpi.
client_at_144() { # a digest of its pixels, once a window is that wide
    local window
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --name '^Tallix$' 2>/dev/null | head -1) &&
            eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" && ((${WIDTH:-0} > 355)) && break
        sleep 0.1
    done
    ((WIDTH > 355)) || { echo "FAIL: the window is $WIDTH wide, not resized for 144 dpi" >&2; return 1; }
    sleep 1 # drawn
    xwd -root -silent >"$work/screen.xwd"
    local border=$(((WIDTH - 355) / 2))
    python3 "$(dirname "$0")/dark_pixels.py" --digest "$work/screen.xwd" $((X + border)),$((Y + HEIGHT - border - 298)),355,298
}
stop_app
timeout 60 wine "$4" &
checker=$!
moved=$(client_at_144)
wait "$checker"
timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
start_app C.UTF-8
native=$(client_at_144)
stop_app
timeout 60 wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null
[ "$moved" = "$native" ] || { echo "FAIL: moved to 144 dpi the client is drawn otherwise than opened at 144 dpi"; exit 1; }
echo "ok: moved to 144 dpi, the client is drawn as one opened at 144 dpi"
