"""A small anti-aliased raster canvas for Tabulo's generated art.

Shapes are signed distance functions in pixel units (negative inside); a
pixel's coverage is 0.5 - distance at its centre, which gives clean
anti-aliased edges without supersampling. Colours are 0..255 per channel with
an optional alpha in 0..1; the canvas stores premultiplied floats so that
layers compose with the ordinary "over" rule.

Everything here is plain Python (no PIL, no numpy) and fully deterministic,
so the committed pictures are reproduced byte for byte. Text comes from
ImageMagick (the only tool that knows fonts here) through `text_layer`.
"""
import math
import struct
import subprocess
import zlib

FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
FONT_LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def smoothstep(e0, e1, v):
    t = clamp01((v - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def hex_colour(text, alpha=1.0):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16), alpha)


# --- shapes -----------------------------------------------------------------

class Shape:
    def dist(self, x, y):
        raise NotImplementedError

    def bounds(self):
        """(x0, y0, x1, y1) enclosing every point with distance < 1."""
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __sub__(self, other):
        return Difference(self, other)

    def __and__(self, other):
        return Intersection(self, other)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def dist(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r

    def bounds(self):
        return (self.cx - self.r, self.cy - self.r, self.cx + self.r, self.cy + self.r)


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, radius=0.0):
        self.cx, self.cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
        self.hx, self.hy = (x1 - x0) / 2.0, (y1 - y0) / 2.0
        self.r = min(radius, self.hx, self.hy)
        self.box = (x0, y0, x1, y1)

    def dist(self, x, y):
        qx = abs(x - self.cx) - self.hx + self.r
        qy = abs(y - self.cy) - self.hy + self.r
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r

    def bounds(self):
        return self.box


class Capsule(Shape):
    """A line segment of the given width with round caps."""

    def __init__(self, x0, y0, x1, y1, width):
        self.a, self.b, self.hw = (x0, y0), (x1, y1), width / 2.0
        self.dx, self.dy = x1 - x0, y1 - y0
        self.len2 = self.dx * self.dx + self.dy * self.dy or 1e-12

    def dist(self, x, y):
        px, py = x - self.a[0], y - self.a[1]
        t = clamp01((px * self.dx + py * self.dy) / self.len2)
        return math.hypot(px - self.dx * t, py - self.dy * t) - self.hw

    def bounds(self):
        return (min(self.a[0], self.b[0]) - self.hw, min(self.a[1], self.b[1]) - self.hw,
                max(self.a[0], self.b[0]) + self.hw, max(self.a[1], self.b[1]) + self.hw)


class Polygon(Shape):
    def __init__(self, points):
        self.p = [(float(x), float(y)) for x, y in points]

    def dist(self, x, y):
        p = self.p
        d = float("inf")
        inside = False
        j = len(p) - 1
        for i in range(len(p)):
            ax, ay = p[j]
            bx, by = p[i]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = clamp01((wx * ex + wy * ey) / ((ex * ex + ey * ey) or 1e-12))
            qx, qy = wx - ex * t, wy - ey * t
            d = min(d, qx * qx + qy * qy)
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
            j = i
        d = math.sqrt(d)
        return -d if inside else d

    def bounds(self):
        xs = [q[0] for q in self.p]
        ys = [q[1] for q in self.p]
        return (min(xs), min(ys), max(xs), max(ys))


class Stroke(Shape):
    """The outline of a shape, `width` wide, centred on its edge."""

    def __init__(self, shape, width):
        self.s, self.hw = shape, width / 2.0

    def dist(self, x, y):
        return abs(self.s.dist(x, y)) - self.hw

    def bounds(self):
        x0, y0, x1, y1 = self.s.bounds()
        return (x0 - self.hw, y0 - self.hw, x1 + self.hw, y1 + self.hw)


class Translate(Shape):
    def __init__(self, shape, dx, dy):
        self.s, self.dx, self.dy = shape, dx, dy

    def dist(self, x, y):
        return self.s.dist(x - self.dx, y - self.dy)

    def bounds(self):
        x0, y0, x1, y1 = self.s.bounds()
        return (x0 + self.dx, y0 + self.dy, x1 + self.dx, y1 + self.dy)


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes

    def dist(self, x, y):
        return min(s.dist(x, y) for s in self.shapes)

    def bounds(self):
        b = [s.bounds() for s in self.shapes]
        return (min(q[0] for q in b), min(q[1] for q in b), max(q[2] for q in b), max(q[3] for q in b))


class Difference(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def dist(self, x, y):
        return max(self.a.dist(x, y), -self.b.dist(x, y))

    def bounds(self):
        return self.a.bounds()


class Intersection(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b

    def dist(self, x, y):
        return max(self.a.dist(x, y), self.b.dist(x, y))

    def bounds(self):
        a, b = self.a.bounds(), self.b.bounds()
        return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


def rotated(points, cx, cy, degrees):
    a = math.radians(degrees)
    c, s = math.cos(a), math.sin(a)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in points]


def polar(cx, cy, r, degrees):
    """Point at `degrees` clockwise from 12 o'clock."""
    a = math.radians(degrees)
    return (cx + r * math.sin(a), cy - r * math.cos(a))


# --- paints -----------------------------------------------------------------

def linear_gradient(x0, y0, x1, y1, stops):
    """stops: [(offset 0..1, colour)]; colour (r, g, b[, a])."""
    stops = [(o, c if len(c) == 4 else (*c, 1.0)) for o, c in stops]
    dx, dy = x1 - x0, y1 - y0
    len2 = dx * dx + dy * dy

    def paint(x, y):
        t = clamp01(((x - x0) * dx + (y - y0) * dy) / len2)
        return gradient_at(stops, t)
    return paint


def radial_gradient(cx, cy, r, stops):
    stops = [(o, c if len(c) == 4 else (*c, 1.0)) for o, c in stops]

    def paint(x, y):
        return gradient_at(stops, clamp01(math.hypot(x - cx, y - cy) / r))
    return paint


def gradient_at(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (o0, c0), (o1, c1) in zip(stops, stops[1:]):
        if t <= o1:
            return mix(c0, c1, (t - o0) / ((o1 - o0) or 1.0))
    return stops[-1][1]


# --- canvas -----------------------------------------------------------------

class Canvas:
    def __init__(self, width, height, colour=(0, 0, 0, 0.0)):
        self.w, self.h = width, height
        r, g, b, a = colour if len(colour) == 4 else (*colour, 1.0)
        self.px = [r / 255.0 * a, g / 255.0 * a, b / 255.0 * a, a] * (width * height)

    def copy(self):
        c = Canvas.__new__(Canvas)
        c.w, c.h, c.px = self.w, self.h, list(self.px)
        return c

    def _span(self, bounds, pad=1.0):
        x0, y0, x1, y1 = bounds
        return (max(0, int(math.floor(x0 - pad))), max(0, int(math.floor(y0 - pad))),
                min(self.w, int(math.ceil(x1 + pad))), min(self.h, int(math.ceil(y1 + pad))))

    def blend(self, i, r, g, b, a):
        """Composes one premultiplied pixel over pixel index i."""
        px = self.px
        k = 1.0 - a
        px[i] = r + px[i] * k
        px[i + 1] = g + px[i + 1] * k
        px[i + 2] = b + px[i + 2] * k
        px[i + 3] = a + px[i + 3] * k

    def fill(self, shape, paint, opacity=1.0, soften=1.0):
        """Paints `shape`; `soften` > 1 widens the anti-aliasing ramp."""
        solid = not callable(paint)
        if solid:
            c = paint if len(paint) == 4 else (*paint, 1.0)
        xa, ya, xb, yb = self._span(shape.bounds(), soften)
        for y in range(ya, yb):
            fy = y + 0.5
            for x in range(xa, xb):
                cov = 0.5 - shape.dist(x + 0.5, fy) / soften
                if cov <= 0.0:
                    continue
                if cov > 1.0:
                    cov = 1.0
                if not solid:
                    c = paint(x + 0.5, fy)
                a = c[3] * cov * opacity
                if a <= 0.0:
                    continue
                self.blend((y * self.w + x) * 4, c[0] / 255.0 * a, c[1] / 255.0 * a, c[2] / 255.0 * a, a)

    def shadow(self, shape, colour, blur, dx=0.0, dy=0.0, opacity=1.0):
        """A soft shadow: coverage falls off over `blur` pixels around the edge."""
        c = colour if len(colour) == 4 else (*colour, 1.0)
        moved = Translate(shape, dx, dy)
        xa, ya, xb, yb = self._span(moved.bounds(), blur + 1)
        for y in range(ya, yb):
            for x in range(xa, xb):
                d = moved.dist(x + 0.5, y + 0.5)
                cov = 1.0 - smoothstep(-blur, blur, d)
                if cov <= 0.0:
                    continue
                a = c[3] * cov * opacity
                self.blend((y * self.w + x) * 4, c[0] / 255.0 * a, c[1] / 255.0 * a, c[2] / 255.0 * a, a)

    def draw(self, layer, dx=0, dy=0, opacity=1.0):
        """Composes another canvas over this one at an integer offset."""
        for y in range(max(0, -dy), min(layer.h, self.h - dy)):
            for x in range(max(0, -dx), min(layer.w, self.w - dx)):
                j = (y * layer.w + x) * 4
                a = layer.px[j + 3] * opacity
                if a <= 0.0:
                    continue
                self.blend(((y + dy) * self.w + x + dx) * 4, layer.px[j] * opacity,
                           layer.px[j + 1] * opacity, layer.px[j + 2] * opacity, a)

    def pixel(self, x, y):
        """Straight (not premultiplied) 8-bit RGBA of one pixel."""
        i = (y * self.w + x) * 4
        a = self.px[i + 3]
        if a <= 0.0:
            return (0, 0, 0, 0)
        return tuple(int(round(clamp01(self.px[i + k] / a) * 255)) for k in range(3)) + (int(round(clamp01(a) * 255)),)

    def rgba_bytes(self):
        out = bytearray(self.w * self.h * 4)
        for i in range(self.w * self.h):
            out[i * 4:i * 4 + 4] = bytes(self.pixel(i % self.w, i // self.w))
        return bytes(out)

    def is_opaque(self):
        return all(self.px[i] >= 0.998 for i in range(3, len(self.px), 4))

    def save_png(self, path, alpha=None):
        """Writes an 8-bit RGBA PNG (RGB when opaque and alpha is not forced)."""
        if alpha is None:
            alpha = not self.is_opaque()
        with open(path, "wb") as f:
            f.write(encode_png(self.w, self.h, self.rgba_bytes(), alpha))

    @staticmethod
    def from_rgba(width, height, data):
        c = Canvas(width, height)
        px = c.px
        for i in range(width * height):
            a = data[i * 4 + 3] / 255.0
            px[i * 4] = data[i * 4] / 255.0 * a
            px[i * 4 + 1] = data[i * 4 + 1] / 255.0 * a
            px[i * 4 + 2] = data[i * 4 + 2] / 255.0 * a
            px[i * 4 + 3] = a
        return c


def encode_png(width, height, rgba, alpha=True):
    """PNG with no ancillary chunks, so the bytes depend on the pixels only.

    Each row takes the filter (none, sub, up, average, Paeth) whose output
    has the smallest sum of magnitudes, the usual heuristic."""
    bpp = 4 if alpha else 3
    if alpha:
        raw = bytes(rgba)
    else:
        raw = bytearray()
        for i in range(0, len(rgba), 4):
            raw += rgba[i:i + 3]
        raw = bytes(raw)
    stride = width * bpp
    out = bytearray()
    prev = bytes(stride)
    for y in range(height):
        row = raw[y * stride:(y + 1) * stride]
        out += best_filtered_row(row, prev, bpp)
        prev = row

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(out), 9)) + chunk(b"IEND", b""))


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def best_filtered_row(row, prev, bpp):
    n = len(row)
    left = bytes(bpp) + row[:n - bpp]
    upleft = bytes(bpp) + prev[:n - bpp]
    candidates = [
        (0, row),
        (1, bytes((row[i] - left[i]) & 255 for i in range(n))),
        (2, bytes((row[i] - prev[i]) & 255 for i in range(n))),
        (3, bytes((row[i] - ((left[i] + prev[i]) >> 1)) & 255 for i in range(n))),
        (4, bytes((row[i] - _paeth(left[i], prev[i], upleft[i])) & 255 for i in range(n))),
    ]

    def cost(data):
        return sum(v if v < 128 else 256 - v for v in data)
    kind, data = min(candidates, key=lambda c: (cost(c[1]), c[0]))
    return bytes((kind,)) + data


def text_layer(text, font, size, colour, width, height, x=0, y=0, gravity="NorthWest",
               stroke=0.0, kerning=0.0):
    """Renders text with ImageMagick into a transparent canvas.

    `stroke` thickens the glyphs with an outline of the same colour (the CJK
    font has a single weight)."""
    r, g, b = colour[:3]
    fill = "rgb(%d,%d,%d)" % (r, g, b)
    cmd = ["convert", "-size", "%dx%d" % (width, height), "xc:none", "-font", font,
           "-pointsize", "%g" % size, "-fill", fill, "-gravity", gravity, "-kerning", "%g" % kerning]
    if stroke > 0.0:
        cmd += ["-stroke", fill, "-strokewidth", "%g" % stroke]
    cmd += ["-annotate", "+%d+%d" % (x, y), text, "-depth", "8", "rgba:-"]
    data = subprocess.run(cmd, check=True, capture_output=True).stdout
    return Canvas.from_rgba(width, height, data)


def save_jpeg(canvas, path, quality):
    """JPEG through ImageMagick (4:2:0, no metadata) from an in-memory PNG."""
    png = encode_png(canvas.w, canvas.h, canvas.rgba_bytes(), alpha=False)
    subprocess.run(["convert", "png:-", "-strip", "-sampling-factor", "4:2:0", "-interlace", "none",
                    "-quality", str(quality), path], input=png, check=True)


# --- noise ------------------------------------------------------------------

class Lcg:
    """A fixed pseudo-random sequence, so every run draws the same pictures."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 4294967296.0

    def uniform(self, lo, hi):
        return lo + (hi - lo) * self.next()


class ValueNoise:
    """Smooth 2-D value noise on a periodic lattice, summed over octaves."""

    def __init__(self, seed, size=64):
        rng = Lcg(seed)
        self.n = size
        self.grid = [rng.next() for _ in range(size * size)]

    def sample(self, x, y):
        n = self.n
        xi, yi = int(math.floor(x)), int(math.floor(y))
        fx, fy = x - xi, y - yi
        fx = fx * fx * (3 - 2 * fx)
        fy = fy * fy * (3 - 2 * fy)
        x0, x1 = xi % n, (xi + 1) % n
        y0, y1 = (yi % n) * n, ((yi + 1) % n) * n
        g = self.grid
        top = g[y0 + x0] + (g[y0 + x1] - g[y0 + x0]) * fx
        bottom = g[y1 + x0] + (g[y1 + x1] - g[y1 + x0]) * fx
        return top + (bottom - top) * fy

    def fractal(self, x, y, octaves=5, gain=0.5):
        total, amp, norm, f = 0.0, 1.0, 0.0, 1.0
        for o in range(octaves):
            total += self.sample(x * f + o * 17.3, y * f + o * 31.7) * amp
            norm += amp
            amp *= gain
            f *= 2.0
        return total / norm
