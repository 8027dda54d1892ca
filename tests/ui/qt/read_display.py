"""Reads the display of the running Tallix window over AT-SPI, as a screen
reader does: waits until its Text reads EXPECTED, printing what it read last
and failing if it never did. With --announced, first types EXPECTED with
xdotool and checks that the display announced each new text.
    read_display.py [--announced] EXPECTED SECONDS
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

NAME = "Табло"


def find(node):
    if node is None or node.name == NAME:
        return node
    return next((found for found in map(find, node) if found is not None), None)


def display():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == "TALLIX":
            found = find(application)
            if found is not None:
                return found
    return None


def read_until(expected, seconds):
    """Whether the display came to read EXPECTED, and what it read last."""
    text, until = None, time.monotonic() + seconds
    while time.monotonic() < until:
        try:  # a window just closed may linger on the bus
            text = display().queryText().getText(0, -1)
            if text == expected:
                break
        except Exception:
            pass
        time.sleep(0.1)
    return text == expected, text


def announced(keys, seconds):
    heard = []

    def on_insert(event):
        if event.source is not None and event.source.name == NAME:
            heard.append(event.any_data)
            if event.any_data == keys:
                pyatspi.Registry.stop()

    read_until("0", seconds)
    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    GLib.idle_add(lambda: subprocess.run(["xdotool", "type", "--delay", "50", keys], check=True) and False)
    GLib.timeout_add_seconds(int(seconds), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    if heard != [keys[:n] for n in range(1, len(keys) + 1)]:
        print(f"FAIL: typing '{keys}' the display announced {heard}")
        return False
    print(f"ok: a screen reader heard {heard}")
    return True


if __name__ == "__main__":
    if sys.argv[1] == "--announced":
        sys.exit(not announced(sys.argv[2], float(sys.argv[3])))
    matched, text = read_until(sys.argv[1], float(sys.argv[2]))
    print(text, end="")
    sys.exit(not matched)
