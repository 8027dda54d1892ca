#!/usr/bin/env bash
# The real Qt window on its own Xvfb and its own session bus: the cases all
# front ends share; then its own keyboard cases (menu keyboard mode, keys
# without a character, shortcuts and access keys under other layouts), each
# with a fresh window, a clipboard holding "-" and the bells counted; then its
# window class; then that Qt's own options change nothing; then the display
# as a screen reader reads it over AT-SPI.
#   end_to_end.sh BINARY SHARED-CASES.tsv KEYBOARD-CASES.tsv DESKTOP-ENTRY
set -euo pipefail
if [ "${TALLIX_PRIVATE_BUS:-}" != 1 ]; then # the accessibility bus starts on demand on it
    exec timeout 170 dbus-run-session -- env TALLIX_PRIVATE_BUS=1 bash "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
launch=("$1")
source "$(dirname "$0")/../x_session.sh"

run_shared_cases "$2"
check_cancelled_press

while IFS=$'\t' read -r -u 4 name layout steps expected bells_expected; do
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
    [ "$got" = "$expected" ] && [ "$rang" -eq "$bells_expected" ] ||
        { echo "FAIL: $name gave '$got' with $rang bells, expected '$expected' with $bells_expected"; exit 1; }
    echo "ok: $name gives '$got' with $rang bells"
done 4<"$3"

# Docks match a window to its desktop entry by the class in WM_CLASS
# ("tallix", "TALLIX": instance, then class).
start_app en_US.UTF-8
class=$(xprop -id "$app_window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$4")
[ -n "$class" ] && [ "$class" = "$wanted" ] ||
    { echo "FAIL: the window's class is '$class', the entry's StartupWMClass '$wanted'"; exit 1; }
echo "ok: the window's class $class is the entry's StartupWMClass"
# Qt's own options (-reverse mirrors the window, -style redraws every
# button) change nothing: the program hands Qt no arguments.
plain=$(xwd -id "$app_window" -silent | md5sum)
stop_app
launch=("$1" -reverse -style windows)
start_app en_US.UTF-8
[ "$(xwd -id "$app_window" -silent | md5sum)" = "$plain" ] ||
    { echo "FAIL: started with -reverse -style windows, the window looks different"; exit 1; }
echo "ok: started with -reverse -style windows, the window looks the same"
stop_app
launch=("$1")

start_app ru_RU.UTF-8 us QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
timeout 30 /usr/bin/python3 "$(dirname "$0")/read_display.py" "12,5" "12,5"
