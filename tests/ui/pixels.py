"""Reads the screen as xwd dumps it. For each rectangle, prints how many of
its pixels are dark (luminance below 128 of 255); with --colour the red,
green and blue of its first pixel. With --settled, dumps the screen itself
until two dumps in a row agree on the rectangles (a window's drawing has
settled) and prints a digest of each.
    pixels.py [--colour] DUMP.xwd LEFT,TOP[,WIDTH,HEIGHT]...
    pixels.py --settled SECONDS LEFT,TOP,WIDTH,HEIGHT..."""
import hashlib
import struct
import subprocess
import sys
import time


def rows(dump, rect):
    """The rectangle's rows of pixels as bytes, and the pixel size and byte order."""
    fields = struct.unpack(">25I", dump[:100])
    header, byte_order, bits, line = fields[0], fields[7], fields[11], fields[12]
    assert bits in (24, 32), f"{bits} bits per pixel"
    start = header + 12 * fields[19]  # a 12-byte entry per colour follows the header
    left, top, width, height = (list(map(int, rect.split(","))) + [1, 1])[:4]
    size = bits // 8
    at = [start + y * line + size * left for y in range(top, top + height)]
    return [dump[a:a + size * width] for a in at], size, "little" if byte_order == 0 else "big"


def rectangles(dump, rects):
    for rect in rects:
        lines, size, order = rows(dump, rect)
        yield [int.from_bytes(row[x:x + size], order) & 0xFFFFFF for row in lines for x in range(0, len(row), size)]


def digest(dump, rect):
    return hashlib.md5(b"".join(rows(dump, rect)[0])).hexdigest()


mode = sys.argv[1] if sys.argv[1].startswith("--") else ""
arguments = sys.argv[1 + bool(mode):]
if mode == "--settled":
    last, until = None, time.monotonic() + float(arguments[0])
    while time.monotonic() < until:
        dump = subprocess.run(["xwd", "-root", "-silent"], capture_output=True).stdout
        now = [digest(dump, rect) for rect in arguments[1:]]
        if now == last:
            print(*now, sep="\n")
            sys.exit(0)
        last = now
        time.sleep(0.1)
    sys.exit("FAIL: the screen never settled")
dump = open(arguments[0], "rb").read()
for rect, values in zip(arguments[1:], rectangles(dump, arguments[1:])):
    if mode == "--colour":
        print(values[0] >> 16, values[0] >> 8 & 255, values[0] & 255)
    else:
        print(sum(0.299 * (v >> 16 & 255) + 0.587 * (v >> 8 & 255) + 0.114 * (v & 255) < 128 for v in values))
