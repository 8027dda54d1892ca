"""Reads an xwd dump of a window or the screen. For each rectangle, prints
how many of its pixels are dark (luminance below 128 of 255); with --digest
a digest of all its pixels; with --colour the red, green and blue of its
first pixel.
    pixels.py [--digest | --colour] DUMP.xwd LEFT,TOP[,WIDTH,HEIGHT]..."""
import hashlib
import struct
import sys

mode = sys.argv[1] if sys.argv[1].startswith("--") else ""
arguments = sys.argv[1 + bool(mode):]
dump = open(arguments[0], "rb").read()
fields = struct.unpack(">25I", dump[:100])
header, byte_order, bits, line = fields[0], fields[7], fields[11], fields[12]
assert bits in (24, 32), f"{bits} bits per pixel"
start = header + 12 * fields[19]  # a 12-byte entry per colour follows the header
size, order = bits // 8, "little" if byte_order == 0 else "big"
for rect in arguments[1:]:
    left, top, width, height = (list(map(int, rect.split(","))) + [1, 1])[:4]
    values = [int.from_bytes(dump[start + y * line + size * x:][:size], order) & 0xFFFFFF
              for y in range(top, top + height) for x in range(left, left + width)]
    if mode == "--digest":
        print(hashlib.md5(str(values).encode()).hexdigest())
    elif mode == "--colour":
        print(values[0] >> 16, values[0] >> 8 & 255, values[0] & 255)
    else:
        print(sum(0.299 * (v >> 16 & 255) + 0.587 * (v >> 8 & 255) + 0.114 * (v & 255) < 128 for v in values))
