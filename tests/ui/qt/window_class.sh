#!/usr/bin/env bash
# Docks match a window to its desktop entry by the window's class: the real
# window's WM_CLASS must be the entry's StartupWMClass.
#   window_class.sh BINARY DESKTOP-ENTRY
set -euo pipefail
binary=$1 entry=$2
source "$(dirname "$0")/x_session.sh"

start_app en_US.UTF-8
# WM_CLASS(STRING) = "tallix", "TALLIX": the instance, then the class.
class=$(xprop -id "$app_window" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
stop_app
if [ -n "$class" ] && [ "$class" = "$wanted" ]; then
    echo "ok: the window's class $class is the entry's StartupWMClass"
else
    echo "FAIL: the window's class is '$class', the entry's StartupWMClass '$wanted'"
    exit 1
fi
