#!/usr/bin/env python3
"""Draws Tallix's pictures: the icon (two grey keys, F1 and F5, the second
overlapping the first towards the lower right) at 16 and 32 pixels, pixel by
pixel, and at 128 pixels and as a scalable SVG from one set of shapes, as
16-colour PNGs plus a Windows .ico; and the About picture as a 24-bit BMP
(48 x 100). Only the standard library, and ImageMagick's convert for the BMP.

Run from this folder: python3 draw_images.py
"""
import math
import struct
import subprocess
import tempfile
import zlib
from pathlib import Path

# The standard 16-colour palette; fuchsia, unused by the drawing, is transparent.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, CLEAR, WHITE = 0, 7, 8, 13, 15

# 3 x 5 glyphs, one string per row.
GLYPHS = {
    "F": ["###", "#..", "##.", "#..", "#.."],
    "1": [".#.", "##.", ".#.", ".#.", "###"],
    "5": ["###", "#..", "##.", "..#", "##."],
}


def draw_key(pixels, left, top, size, label, scale):
    right, bottom = left + size - 1, top + size - 1
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x in (left, right) or y in (top, bottom):
                colour = BLACK
            elif x == right - 1 or y == bottom - 1:
                colour = GREY  # lower-right bevel
            elif x == left + 1 or y == top + 1:
                colour = WHITE  # upper-left highlight
            else:
                colour = SILVER
            pixels[y][x] = colour
    x0, y0 = left + 2 * scale, top + 2 * scale
    for char in label:
        for row, bits in enumerate(GLYPHS[char]):
            for col, bit in enumerate(bits):
                if bit == "#":
                    for dy in range(scale):
                        for dx in range(scale):
                            pixels[y0 + row * scale + dy][x0 + col * scale + dx] = BLACK
        x0 += 4 * scale


def icon(size):
    pixels = [[CLEAR] * size for _ in range(size)]
    scale = 1 if size == 16 else 2
    key = 11 if size == 16 else 21
    draw_key(pixels, 0, 0, key, "F1", scale)
    draw_key(pixels, size - key, size - key, key, "F5", scale)
    return pixels


def rect(x, y, width, height):
    return [(x, y), (x + width, y), (x + width, y + height), (x, y + height)]


def bowl(cx, cy, outer, inner, steps=24):
    """The right half of a ring, from its top round to its bottom."""
    angles = [math.pi * (i / steps - 0.5) for i in range(steps + 1)]
    return ([(cx + outer * math.cos(a), cy + outer * math.sin(a)) for a in angles]
            + [(cx + inner * math.cos(a), cy + inner * math.sin(a)) for a in reversed(angles)])


# Glyphs 22 x 36 with 7-unit strokes: the shapes of the 3 x 5 ones, drawn
# at the size of the large icon.
LARGE_GLYPHS = {
    "F": [rect(0, 0, 7, 36), rect(0, 0, 22, 7), rect(0, 15, 18, 7)],
    "1": [rect(9, 0, 7, 36), [(9, 0), (16, 0), (16, 7), (4, 15), (0, 10)], rect(2, 29, 20, 7)],
    "5": [rect(0, 0, 22, 7), rect(0, 0, 7, 21), rect(0, 14, 11, 7), bowl(11, 25, 11, 4), rect(0, 29, 11, 7)],
}


def large_key(left, top, size, label):
    """A key as (colour, polygon) pairs, painted in order: black rim, white
    upper-left edge, grey lower-right edge, silver face, black label."""
    rim, light, shade = 3, 4, 5
    inner, far = rim, size - rim
    shapes = [
        (BLACK, rect(0, 0, size, size)),
        (WHITE, rect(inner, inner, far - inner, far - inner)),
        (GREY, rect(far - shade, inner, shade, far - inner)),
        (GREY, rect(inner, far - shade, far - inner, shade)),
        (SILVER, rect(inner + light, inner + light, far - shade - inner - light, far - shade - inner - light)),
    ]
    x0 = 13
    for char in label:
        shapes += [(BLACK, [(x + x0, y + 13) for x, y in polygon]) for polygon in LARGE_GLYPHS[char]]
        x0 += 30
    return [(colour, [(x + left, y + top) for x, y in polygon]) for colour, polygon in shapes]


def large_icon():
    """The icon on a 128-unit square: keys of 84 units, as the 32-pixel one's 21."""
    return large_key(0, 0, 84, "F1") + large_key(44, 44, 84, "F5")


def inside(polygon, x, y):
    crossings = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            crossings = not crossings
    return crossings


def raster(shapes, size):
    """Each pixel takes the colour of the last shape holding its centre; no
    blending, so the four colours stay four."""
    pixels = [[CLEAR] * size for _ in range(size)]
    for colour, polygon in shapes:
        xs, ys = [x for x, _ in polygon], [y for _, y in polygon]
        for y in range(max(0, math.floor(min(ys))), min(size, math.ceil(max(ys)))):
            for x in range(max(0, math.floor(min(xs))), min(size, math.ceil(max(xs)))):
                if inside(polygon, x + 0.5, y + 0.5):
                    pixels[y][x] = colour
    return pixels


def svg(shapes, size, path):
    def point(x, y):
        return f"{x:g},{y:g}"

    elements = []
    for colour, polygon in shapes:
        fill = "#%02x%02x%02x" % PALETTE[colour]
        points = " ".join(point(round(x, 2), round(y, 2)) for x, y in polygon)
        elements.append(f'  <polygon fill="{fill}" points="{points}"/>')
    Path(path).write_text(
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">\n'
        + "\n".join(elements) + "\n</svg>\n")


def png(pixels, path):
    height, width = len(pixels), len(pixels[0])
    raw = b"".join(
        b"\0" + bytes((row[x] << 4) | (row[x + 1] if x + 1 < width else 0) for x in range(0, width, 2))
        for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    trns = bytes(0 if i == CLEAR else 255 for i in range(16))
    Path(path).write_bytes(
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3, 0, 0, 0))
        + chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
        + chunk(b"tRNS", trns)
        + chunk(b"IDAT", zlib.compress(raw, 9))
        + chunk(b"IEND", b""))


def ico_image(pixels):
    """A 4-bit device-independent bitmap with its AND mask, bottom row first."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    colours = bytearray()
    mask = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        line = bytes(((0 if row[x] == CLEAR else row[x]) << 4) | (0 if row[x + 1] == CLEAR else row[x + 1])
                     for x in range(0, size, 2))
        colours += line + b"\0" * ((-len(line)) % 4)
        bits = bytearray(mask_stride)
        for x, index in enumerate(row):
            if index == CLEAR:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + palette + bytes(colours) + bytes(mask)


def ico(images, path):
    data = [ico_image(p) for p in images]
    offset = 6 + 16 * len(images)
    directory = b""
    for pixels, image in zip(images, data):
        size = len(pixels)
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    Path(path).write_bytes(struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(data))


def windows_icon_resources(ico_path, first_id, folder):
    """Splits a .ico into what tallix.rc links as raw resources with fixed ids:
    each image as an RT_ICON (icon-<size>.rt_icon) numbered from first_id, and
    the icon group's directory (icon.rt_group_icon) that names them by id.
    An ICON statement would number the images itself."""
    data = Path(ico_path).read_bytes()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    group = struct.pack("<HHH", 0, 1, count)
    for i in range(count):
        width, height, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        Path(folder, f"icon-{width or 256}.rt_icon").write_bytes(data[offset:offset + size])
        group += struct.pack("<BBBBHHIH", width, height, colours, 0, planes, bits, size, first_id + i)
    Path(folder, "icon.rt_group_icon").write_bytes(group)


def about_picture(path):
    """A calculator standing on a blue-to-white ground, 48 x 100 pixels."""
    width, height = 48, 100
    rows = []
    for y in range(height):
        t = y / (height - 1)
        ground = (int(38 + (203 - 38) * t), int(97 + (217 - 97) * t), int(223 + (248 - 223) * t))
        rows.append([ground] * width)
    body, face, ink = (60, 60, 70), (203, 217, 248), (20, 20, 20)
    for y in range(18, 84):
        for x in range(6, 42):
            rows[y][x] = body
    for y in range(23, 33):
        for x in range(10, 38):
            rows[y][x] = face
    for y in range(27, 29):
        for x in range(28, 35):
            rows[y][x] = ink
    for r in range(4):
        for c in range(3):
            for y in range(38 + r * 11, 46 + r * 11):
                for x in range(10 + c * 10, 17 + c * 10):
                    rows[y][x] = (230, 120, 40) if (r, c) == (3, 2) else face
    with tempfile.TemporaryDirectory() as folder:
        ppm = Path(folder) / "about.ppm"
        ppm.write_bytes(f"P6 {width} {height} 255\n".encode() + bytes(v for row in rows for p in row for v in p))
        subprocess.run(["convert", str(ppm), "BMP3:" + path], check=True)  # plain 24-bit, as both toolkits read it


if __name__ == "__main__":
    small, large = icon(16), icon(32)
    png(small, "icon-16.png")
    png(large, "icon-32.png")
    png(raster(large_icon(), 128), "icon-128.png")
    svg(large_icon(), 128, "icon.svg")
    ico([large, small], "tallix.ico")
    windows_icon_resources("tallix.ico", 30001, ".")
    about_picture("about.bmp")
