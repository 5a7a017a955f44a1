#!/usr/bin/env python3
"""Writes assets/icon/tabulo.ico: the program icon with nine images.

32 and 16 pixels at 4 bits per pixel, 48/32/16 at 8 bits, 256 as PNG and
48/32/16 at 32 bits with alpha, so every Windows version and colour depth
finds an image it can show. The palette images get their own optimised
palettes (median cut) and AND masks; the file is assembled by hand because
ImageMagick writes neither palette icons nor a PNG entry on request.
"""
import os
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from logo import logo  # noqa: E402
from palette import Quantiser, median_cut  # noqa: E402
from raster import encode_png  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OPAQUE = 128  # palette images keep the pixels at least half covered


def pixels(canvas):
    data = canvas.rgba_bytes()
    return [tuple(data[i:i + 4]) for i in range(0, len(data), 4)]


def and_mask(width, height, visible):
    """1-bit rows, bottom-up, each padded to 32 bits: set where transparent."""
    stride = (width + 31) // 32 * 4
    out = bytearray()
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            if not visible[y * width + x]:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bitmap_header(width, height, bpp, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bpp, 0, 0, 0, 0, colours_used, 0)


def palette_image(canvas, bpp):
    w, h = canvas.w, canvas.h
    px = pixels(canvas)
    visible = [p[3] >= OPAQUE for p in px]
    weights = {}
    for p, v in zip(px, visible):
        if v:
            weights[p[:3]] = weights.get(p[:3], 0) + 1
    # Index 0 stays black: transparent pixels are black in the colour image,
    # so that AND-then-XOR leaves the screen untouched there.
    palette = [(0, 0, 0)] + [c for c in median_cut(weights, (1 << bpp) - 1) if c != (0, 0, 0)]
    palette += [(0, 0, 0)] * ((1 << bpp) - len(palette))
    quantiser = Quantiser(palette)
    indexes = [quantiser.index(p[:3]) if v else 0 for p, v in zip(px, visible)]
    stride = (w * bpp + 31) // 32 * 4
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(stride)
        for x in range(w):
            i = indexes[y * w + x]
            if bpp == 8:
                row[x] = i
            else:
                row[x // 2] |= i << (4 if x % 2 == 0 else 0)
        xor += row
    rgbquads = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    return bitmap_header(w, h, bpp, 1 << bpp) + rgbquads + bytes(xor) + and_mask(w, h, visible)


def true_colour_image(canvas):
    w, h = canvas.w, canvas.h
    px = pixels(canvas)
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[y * w + x]
            xor += bytes((b, g, r, a))
    return bitmap_header(w, h, 32, 0) + bytes(xor) + and_mask(w, h, [p[3] > 0 for p in px])


def build_icon():
    art = {size: logo(size) for size in (16, 32, 48, 256)}
    # (size, bits per pixel, colour count byte, image bytes), in directory order.
    entries = [
        (32, 4, 16, palette_image(art[32], 4)),
        (16, 4, 16, palette_image(art[16], 4)),
        (48, 8, 0, palette_image(art[48], 8)),
        (32, 8, 0, palette_image(art[32], 8)),
        (16, 8, 0, palette_image(art[16], 8)),
        (256, 32, 0, encode_png(256, 256, art[256].rgba_bytes(), alpha=True)),
        (48, 32, 0, true_colour_image(art[48])),
        (32, 32, 0, true_colour_image(art[32])),
        (16, 32, 0, true_colour_image(art[16])),
    ]
    header = struct.pack("<HHH", 0, 1, len(entries))
    offset = len(header) + 16 * len(entries)
    directory, images = b"", b""
    for size, bpp, colours, data in entries:
        side = size % 256  # 256 is written as 0
        directory += struct.pack("<BBBBHHII", side, side, colours, 0, 1, bpp, len(data), offset)
        images += data
        offset += len(data)
    return header + directory + images, art


def main():
    ico, art = build_icon()
    out = os.path.join(ROOT, "assets", "icon")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "tabulo.ico"), "wb") as f:
        f.write(ico)


if __name__ == "__main__":
    main()
