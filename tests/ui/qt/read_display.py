"""As a screen reader would, over AT-SPI: finds the display of the running
Tallix window, types into the window with xdotool, and checks that the
display announced its new text and that its Text interface reads it back.
    read_display.py KEYS EXPECTED
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

DISPLAY_NAME = "Табло"


def find(node, name):
    if node is None:
        return None
    if node.name == name:
        return node
    for child in node:
        found = find(child, name)
        if found is not None:
            return found
    return None


def find_display():
    """The application joins the bus once a client has started it: wait."""
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        app = next((a for a in desktop if a is not None and a.name == "TALLIX"), None)
        read_out = find(app, DISPLAY_NAME)
        if read_out is not None:
            return read_out
        time.sleep(0.2)
    return None


def main():
    keys, expected = sys.argv[1:3]
    read_out = find_display()
    if read_out is None:
        print("FAIL: no accessible named", DISPLAY_NAME)
        return 1

    announced = []

    def on_insert(event):
        if event.source is not None and event.source.name == DISPLAY_NAME:
            announced.append(event.any_data)
            if event.any_data == expected:
                pyatspi.Registry.stop()

    def type_keys():
        subprocess.run(["xdotool", "type", "--delay", "50", keys], check=True)
        return False

    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    GLib.idle_add(type_keys)
    GLib.timeout_add_seconds(10, pyatspi.Registry.stop)
    pyatspi.Registry.start()

    text = read_out.queryText().getText(0, -1)
    if not announced or announced[-1] != expected:
        print(f"FAIL: the display announced {announced}, expected it to end with '{expected}'")
        return 1
    if text != expected:
        print(f"FAIL: the display reads '{text}', expected '{expected}'")
        return 1
    print(f"ok: a screen reader heard and reads '{text}'")
    return 0


if __name__ == "__main__":
    sys.exit(main())
