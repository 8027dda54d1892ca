"""Prints, one a line, how many pixels of each rectangle of a 32-bit xwd
window dump are dark (luminance below 128 of 255).
    dark_pixels.py DUMP.xwd LEFT,TOP,WIDTH,HEIGHT..."""
import struct
import sys

dump = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", dump[:100])
header, byte_order, bits, line = fields[0], fields[7], fields[11], fields[12]
assert bits == 32, f"{bits} bits per pixel"
start = header + 12 * fields[19]  # a 12-byte entry per colour follows the header
pixel = struct.Struct("<I" if byte_order == 0 else ">I")
for rect in sys.argv[2:]:
    left, top, width, height = map(int, rect.split(","))
    values = (pixel.unpack_from(dump, start + y * line + 4 * x)[0]
              for y in range(top, top + height) for x in range(left, left + width))
    print(sum(0.299 * (v >> 16 & 255) + 0.587 * (v >> 8 & 255) + 0.114 * (v & 255) < 128 for v in values))
