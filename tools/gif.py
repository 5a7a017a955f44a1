"""A small GIF89a writer for looping animations.

One global palette for every frame (so unchanged pixels stay exactly the same
from frame to frame), frames cut down to the rectangle that changed, and the
unchanged pixels inside that rectangle made transparent, which keeps an
animation whose motion is small down to a few hundred bytes a frame.
"""
import struct

TRANSPARENT = 255  # palette slot kept free for "unchanged" pixels


def lzw(indexes, min_code_size=8):
    """GIF's variable-width LZW, packed LSB first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out = bytearray()
    bits, nbits = 0, 0

    def emit(code, width):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += width
        while nbits >= 8:
            out.append(bits & 255)
            bits >>= 8
            nbits -= 8

    width = min_code_size + 1
    table = {}
    next_code = end + 1
    emit(clear, width)
    prefix = None
    for v in indexes:
        if prefix is None:
            prefix = v
            continue
        key = (prefix, v)
        code = table.get(key)
        if code is not None:
            prefix = code
            continue
        emit(prefix, width)
        if next_code < 4096:
            table[key] = next_code
            if next_code == (1 << width) and width < 12:
                width += 1
            next_code += 1
        else:
            emit(clear, width)
            table, next_code, width = {}, end + 1, min_code_size + 1
        prefix = v
    if prefix is not None:
        emit(prefix, width)
    emit(end, width)
    if nbits:
        out.append(bits & 255)
    return bytes(out)


def sub_blocks(data):
    out = bytearray()
    for i in range(0, len(data), 255):
        chunk = data[i:i + 255]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def encode_animation(width, height, palette, frames, delay_cs):
    """frames: lists of palette indexes (width * height each), shown in a loop."""
    table = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    out = bytearray(b"GIF89a")
    out += struct.pack("<HHBBB", width, height, 0xF7, 0, 0)
    out += b"".join(bytes(c) for c in table)
    out += b"\x21\xff\x0bNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    previous = None
    for frame in frames:
        if previous is None:
            box = (0, 0, width, height)
        else:
            box = changed_box(previous, frame, width, height) or (0, 0, 1, 1)
        x0, y0, x1, y1 = box
        pixels = []
        for y in range(y0, y1):
            for x in range(x0, x1):
                v = frame[y * width + x]
                pixels.append(TRANSPARENT if previous is not None and previous[y * width + x] == v else v)
        # Disposal 1 (keep): each frame paints over the one before it.
        flags = (1 << 2) | (1 if previous is not None else 0)
        out += b"\x21\xf9\x04" + struct.pack("<BHB", flags, delay_cs, TRANSPARENT) + b"\x00"
        out += b"\x2c" + struct.pack("<HHHHB", x0, y0, x1 - x0, y1 - y0, 0)
        out += b"\x08" + sub_blocks(lzw(pixels))
        previous = frame
    out += b"\x3b"
    return bytes(out)


def changed_box(a, b, width, height):
    xs, ys = [], []
    for y in range(height):
        row = y * width
        for x in range(width):
            if a[row + x] != b[row + x]:
                xs.append(x)
                ys.append(y)
    if not xs:
        return None
    return (min(xs), min(ys), max(xs) + 1, max(ys) + 1)
