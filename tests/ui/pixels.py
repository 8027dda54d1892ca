"""Dumps the screen with xwd until two dumps in a row agree on the
rectangles (a window's drawing has settled) and prints a digest of each.
    pixels.py SECONDS LEFT,TOP,WIDTH,HEIGHT..."""
import hashlib
import struct
import subprocess
import sys
import time


def digest(dump, rect):
    fields = struct.unpack(">25I", dump[:100])
    header, bits, line = fields[0], fields[11], fields[12]
    start = header + 12 * fields[19]  # a 12-byte entry per colour follows the header
    left, top, width, height = map(int, rect.split(","))
    size = bits // 8
    rows = (dump[start + y * line + size * left:][:size * width] for y in range(top, top + height))
    return hashlib.md5(b"".join(rows)).hexdigest()


last, until = None, time.monotonic() + float(sys.argv[1])
while time.monotonic() < until:
    dump = subprocess.run(["xwd", "-root", "-silent"], capture_output=True).stdout
    now = [digest(dump, rect) for rect in sys.argv[2:]]
    if now == last:
        print(*now, sep="\n")
        sys.exit(0)
    last = now
    time.sleep(0.1)
sys.exit("FAIL: the screen never settled")
