#!/usr/bin/env bash
# The display through a real AT-SPI bus, as a screen reader meets it: on a
# private session bus (which starts the accessibility bus on demand) and a
# private Xvfb, the window is typed into and read back.
#   accessibility.sh BINARY
set -euo pipefail
if [ "${TALLIX_PRIVATE_BUS:-}" != 1 ]; then
    exec timeout 90 dbus-run-session -- env TALLIX_PRIVATE_BUS=1 bash "$0" "$@" 2> >(grep -v 'fd limit' >&2)
fi
launch=("$1")
source "$(dirname "$0")/../x_session.sh"

start_app ru_RU.UTF-8 us QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
timeout 30 /usr/bin/python3 "$(dirname "$0")/read_display.py" "12,5" "12,5"
