"""Counts the dark pixels (luminance below half of full white) in rectangles
of a window dump taken by xwd at 24 or 32 bits per pixel.
    dark_pixels.py DUMP.xwd X,Y,WIDTH,HEIGHT...   prints one count a line"""
import struct
import sys


def pixels(dump):
    fields = struct.unpack(">25I", dump[:100])
    header_size, width, byte_order, bits_per_pixel, bytes_per_line, colours = (
        fields[0], fields[4], fields[7], fields[11], fields[12], fields[19])
    if bits_per_pixel != 32:
        sys.exit(f"dark_pixels.py: {bits_per_pixel} bits per pixel, not 32")
    start = header_size + 12 * colours  # then one 12-byte entry per colour
    order = "<I" if byte_order == 0 else ">I"
    return lambda x, y: struct.unpack_from(order, dump, start + y * bytes_per_line + 4 * x)[0], width


def main():
    pixel, width = pixels(open(sys.argv[1], "rb").read())
    for rect in sys.argv[2:]:
        left, top, w, h = map(int, rect.split(","))
        dark = 0
        for y in range(top, top + h):
            for x in range(left, left + w):
                value = pixel(x, y)
                red, green, blue = value >> 16 & 255, value >> 8 & 255, value & 255
                dark += 0.299 * red + 0.587 * green + 0.114 * blue < 128
        print(dark)


main()
