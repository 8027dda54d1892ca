"""Prints, one a line, how many pixels of each rectangle of an xwd window
or screen dump are dark (luminance below 128 of 255), or with --digest a
digest of all its pixels.
    dark_pixels.py [--digest] DUMP.xwd LEFT,TOP,WIDTH,HEIGHT..."""
import hashlib
import struct
import sys

digest = sys.argv[1] == "--digest"
arguments = sys.argv[1 + digest:]
dump = open(arguments[0], "rb").read()
fields = struct.unpack(">25I", dump[:100])
header, byte_order, bits, line = fields[0], fields[7], fields[11], fields[12]
assert bits in (24, 32), f"{bits} bits per pixel"
start = header + 12 * fields[19]  # a 12-byte entry per colour follows the header
size, order = bits // 8, "little" if byte_order == 0 else "big"
for rect in arguments[1:]:
    left, top, width, height = map(int, rect.split(","))
    values = [int.from_bytes(dump[start + y * line + size * x:][:size], order) & 0xFFFFFF
              for y in range(top, top + height) for x in range(left, left + width)]
    if digest:
        print(hashlib.md5(str(values).encode()).hexdigest())
        continue
    print(sum(0.299 * (v >> 16 & 255) + 0.587 * (v >> 8 & 255) + 0.114 * (v & 255) < 128 for v in values))
