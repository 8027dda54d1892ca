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

NAME = "Табло"


def find(node):
    if node is None or node.name == NAME:
        return node
    return next((found for found in map(find, node) if found is not None), None)


def main(keys, expected):
    for _ in range(50):  # the application joins the bus a moment after it starts
        read_out = next(filter(None, (find(a) for a in pyatspi.Registry.getDesktop(0) if a and a.name == "TALLIX")), None)
        if read_out is not None:
            break
        time.sleep(0.2)
    else:
        return f"FAIL: no accessible named {NAME}"

    announced = []

    def on_insert(event):
        if event.source is not None and event.source.name == NAME:
            announced.append(event.any_data)
            if event.any_data == expected:
                pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_insert, "object:text-changed:insert")
    GLib.idle_add(lambda: subprocess.run(["xdotool", "type", "--delay", "50", keys], check=True) and False)
    GLib.timeout_add_seconds(10, pyatspi.Registry.stop)
    pyatspi.Registry.start()

    text = read_out.queryText().getText(0, -1)
    if announced[-1:] != [expected] or text != expected:
        return f"FAIL: the display announced {announced} and reads '{text}', expected '{expected}'"
    print(f"ok: a screen reader heard and reads '{text}'")
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:3]))
