"""Reads the display of the running Tallix window over AT-SPI, as a screen
reader does: waits until its Text reads EXPECTED, printing what it read last
and failing if it never did.
    read_display.py EXPECTED SECONDS
"""
import sys
import time

import pyatspi

expected, until, text = sys.argv[1], time.monotonic() + float(sys.argv[2]), None
while True:
    try:  # a window just closed may linger on the bus
        tallix = next(app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "TALLIX")
        text = pyatspi.findDescendant(tallix, lambda node: node.name == "Табло").queryText().getText(0, -1)
    except Exception:
        pass
    if text == expected or time.monotonic() > until:
        break
    time.sleep(0.1)
print(text, end="")
sys.exit(text != expected)
