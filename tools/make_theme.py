#!/usr/bin/env python3
"""Draws Tabulo's default theme: the PNG sheets and the key table theme.ini
in assets/theme/. The packer (tools/theme_pack) turns them into
"User Interface.ext" and "Default.ext" at build time.

    python3 tools/make_theme.py [OUTPUT_DIR]     (default: assets/theme)
    python3 tools/make_theme.py --check [DIR]    exit 1 when DIR differs from what
                                                 the script draws

The look: light controls with a blue accent, white caption glyphs with a
soft shadow (they sit on the windows' coloured caption pictures), and soft
drop shadows around windows and menus. Every shape is a signed distance
function sampled once per pixel centre, which anti-aliases edges without
supersampling; the output is plain Python and zlib, so it is reproduced
byte for byte. A theme author can edit the PNGs and theme.ini by hand
instead: nothing else reads this script.
"""
import filecmp
import math
import os
import struct
import sys
import tempfile
import zlib

# ---------------------------------------------------------------- colours

def rgb(text, alpha=1.0):
    text = text.lstrip("#")
    return (int(text[0:2], 16) / 255, int(text[2:4], 16) / 255, int(text[4:6], 16) / 255, alpha)


def windows_rgb(text):
    """The theme's colour texts are Windows RGB numbers: red in the low byte."""
    r, g, b, _ = rgb(text)
    return round(r * 255) | round(g * 255) << 8 | round(b * 255) << 16


ACCENT = "#2F7DE1"
ACCENT_HOT = "#4A90E8"
ACCENT_DOWN = "#2164BD"
INK = "#4A5563"
BORDER = "#AAB5C2"
WHITE = "#FFFFFF"
CLOSE_HOT = "#E81123"
CLOSE_DOWN = "#B50E1C"

# ---------------------------------------------------------------- canvas

def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


class Canvas:
    """Premultiplied RGBA floats, drawn with the "over" rule."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def paint(self, sdf, colour, opacity=1.0):
        """Covers every pixel whose centre lies inside `sdf` (negative
        inside), with a one-pixel anti-aliased rim. `colour` is a tuple or a
        function of (x, y)."""
        for y in range(self.height):
            for x in range(self.width):
                cx, cy = x + 0.5, y + 0.5
                cover = clamp01(0.5 - sdf(cx, cy)) * opacity
                if cover <= 0.0:
                    continue
                r, g, b, a = colour(cx, cy) if callable(colour) else colour
                a *= cover
                p = self.px[y * self.width + x]
                keep = 1.0 - a
                p[0] = r * a + p[0] * keep
                p[1] = g * a + p[1] * keep
                p[2] = b * a + p[2] * keep
                p[3] = a + p[3] * keep

    def alpha_field(self, field, colour):
        """Adds colour with a per-pixel alpha in 0..1 given by `field`."""
        r, g, b, base = colour
        for y in range(self.height):
            for x in range(self.width):
                a = clamp01(field(x + 0.5, y + 0.5)) * base
                if a <= 0.0:
                    continue
                p = self.px[y * self.width + x]
                keep = 1.0 - a
                p[0] = r * a + p[0] * keep
                p[1] = g * a + p[1] * keep
                p[2] = b * a + p[2] * keep
                p[3] = a + p[3] * keep

    def blit(self, other, left, top):
        for y in range(other.height):
            row = (top + y) * self.width + left
            for x in range(other.width):
                self.px[row + x] = list(other.px[y * other.width + x])

    def png(self):
        raw = bytearray()
        for y in range(self.height):
            raw.append(0)
            for x in range(self.width):
                r, g, b, a = self.px[y * self.width + x]
                if a > 0.0:
                    r, g, b = r / a, g / a, b / a
                raw += bytes(round(clamp01(v) * 255) for v in (r, g, b, a))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))

# ---------------------------------------------------------------- shapes

def rounded_rect(left, top, right, bottom, radius):
    cx, cy = (left + right) / 2, (top + bottom) / 2
    hx, hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - radius
    return sdf


def circle(cx, cy, radius):
    return lambda x, y: math.hypot(x - cx, y - cy) - radius


def capsule(ax, ay, bx, by, radius):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        t = 0.0 if length2 == 0 else clamp01(((x - ax) * dx + (y - ay) * dy) / length2)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - radius
    return sdf


def polygon(points):
    """Convex polygon, corners listed clockwise on screen."""
    edges = []
    for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
        nx, ny = by - ay, ax - bx
        n = math.hypot(nx, ny)
        edges.append((nx / n, ny / n, (nx * ax + ny * ay) / n))
    return lambda x, y: max(nx * x + ny * y - c for nx, ny, c in edges)


def outline(sdf, width):
    return lambda x, y: abs(sdf(x, y)) - width / 2


def union(*sdfs):
    return lambda x, y: min(s(x, y) for s in sdfs)


def minus(a, b):
    return lambda x, y: max(a(x, y), -b(x, y))


def shifted(sdf, dx, dy):
    return lambda x, y: sdf(x - dx, y - dy)


def vertical(top_colour, bottom_colour, top, bottom):
    def colour(x, y):
        t = clamp01((y - top) / max(bottom - top, 1e-6))
        return tuple(a + (b - a) * t for a, b in zip(top_colour, bottom_colour))
    return colour

# ---------------------------------------------------------------- sheets

class Sheet:
    """Pictures packed left to right in rows, 2 px apart; records where
    each one lies for theme.ini."""

    GAP = 2

    def __init__(self, number, file_name, width):
        self.number, self.file_name, self.width = number, file_name, width
        self.items = []  # (canvas, x, y)
        self.x = self.y = self.row_height = 0

    def add(self, canvas):
        if self.x and self.x + canvas.width > self.width:
            self.x, self.y, self.row_height = 0, self.y + self.row_height + self.GAP, 0
        place = (self.x, self.y)
        self.items.append((canvas, *place))
        self.x += canvas.width + self.GAP
        self.row_height = max(self.row_height, canvas.height)
        return "picture(%d, %d, %d, %d, %d)" % (self.number, place[0], place[1], canvas.width, canvas.height)

    def render(self):
        height = self.y + self.row_height
        sheet = Canvas(self.width, height)
        for canvas, x, y in self.items:
            sheet.blit(canvas, x, y)
        return sheet.png()


class Theme:
    def __init__(self):
        self.sheets = []
        self.sections = []  # (element, [(name, value, comment)])

    def sheet(self, file_name, width):
        sheet = Sheet(len(self.sheets) + 1, file_name, width)
        self.sheets.append(sheet)
        return sheet

    def element(self, name, *values):
        self.sections.append((name, values))

    def write(self, folder):
        os.makedirs(folder, exist_ok=True)
        for sheet in self.sheets:
            with open(os.path.join(folder, sheet.file_name), "wb") as out:
                out.write(sheet.render())
        lines = [
            "; Tabulo default theme, written by tools/make_theme.py.",
            "; The format is described in README.md next to this file.",
            "",
            "[images]",
        ]
        lines += ["%d = %s" % (s.number, s.file_name) for s in self.sheets]
        for element, values in self.sections:
            lines += ["", "[%s]" % element]
            for name, value in values:
                lines.append("%s = %s" % (name, value))
        with open(os.path.join(folder, "theme.ini"), "w", newline="\n") as out:
            out.write("\n".join(lines) + "\n")

# ---------------------------------------------------------------- shadows

def shadow_picture(size, corner, margin, radius, strength, spread, drop=1.0):
    """A soft shadow whose content edge lies `margin` px inside the picture.
    It fades out over the band; under the content it stays solid (that part
    is clipped away when drawn)."""
    canvas = Canvas(size, size)
    body = rounded_rect(margin, margin + drop, size - margin, size - margin + drop, radius)

    def field(x, y):
        d = body(x, y)
        return 1.0 if d <= 0 else math.exp(-(d / spread) ** 2)
    canvas.alpha_field(field, (0.0, 0.0, 0.0, strength))
    return canvas


def window_shadow(theme, sheet, element, margin, radius, caption, border):
    corner = margin + radius + 4
    size = 2 * corner + 8
    picture = shadow_picture(size, corner, margin, radius, 0.30, margin / 2.2)
    theme.element(
        element,
        ("margin", "rect(%d, %d, %d, %d)" % (margin, margin, margin, margin)),
        ("rect", sheet.add(picture)),
        ("gird", "grid(%d, %d, %d, %d)" % (corner, corner, size - 2 * corner, size - 2 * corner)),
        ("rectround", str(radius)),
        ("crborder", ",".join(str(windows_rgb(c)) for c in border)),
        ("cycaption", str(caption)),
    )

# ---------------------------------------------------------------- caption buttons

CAPTION_W, CAPTION_H = 30, 24


def glyph(kind, cx, cy):
    """White strokes of one caption button kind, centred on (cx, cy)."""
    w = 0.65  # half stroke width
    if kind == "Close":
        return union(capsule(cx - 4.5, cy - 4.5, cx + 4.5, cy + 4.5, w), capsule(cx + 4.5, cy - 4.5, cx - 4.5, cy + 4.5, w))
    if kind == "Max":
        return union(outline(rounded_rect(cx - 5, cy - 4.5, cx + 5, cy + 4.5, 1.0), 1.3),
                     capsule(cx - 4.5, cy - 3.8, cx + 4.5, cy - 3.8, 0.9))
    if kind == "Restore":
        back = outline(rounded_rect(cx - 2.5, cy - 5.5, cx + 5.5, cy + 1.5, 1.0), 1.3)
        front_box = rounded_rect(cx - 5.5, cy - 2.5, cx + 2.5, cy + 5.5, 1.0)
        return union(minus(back, shifted(front_box, 0, 0)), outline(front_box, 1.3))
    if kind == "Min":
        return capsule(cx - 5, cy + 3.5, cx + 5, cy + 3.5, w + 0.1)
    if kind == "Menu":
        return union(capsule(cx - 5, cy - 3.5, cx + 5, cy - 3.5, w), capsule(cx - 5, cy, cx + 5, cy, w),
                     capsule(cx - 5, cy + 3.5, cx + 5, cy + 3.5, w))
    if kind == "Skn":  # a half-filled disc, the usual sign for a change of look
        ring = outline(circle(cx, cy, 5.2), 1.3)
        half = lambda x, y: max(circle(cx, cy, 5.2)(x, y), x - cx)
        return union(ring, half)
    if kind == "Report":  # a speech bubble with two lines of text
        bubble = outline(rounded_rect(cx - 5.5, cy - 5, cx + 5.5, cy + 2.5, 2.0), 1.3)
        tail = polygon([(cx - 3, cy + 2), (cx + 0.5, cy + 2), (cx - 3, cy + 5.5)])
        lines = union(capsule(cx - 3, cy - 2.2, cx + 3, cy - 2.2, 0.55), capsule(cx - 3, cy + 0.1, cx + 1.5, cy + 0.1, 0.55))
        return union(bubble, tail, lines)
    if kind == "Setting":  # a gear
        teeth = [capsule(cx + 3.8 * math.cos(a), cy + 3.8 * math.sin(a), cx + 5.6 * math.cos(a), cy + 5.6 * math.sin(a), 1.1)
                 for a in (i * math.pi / 4 for i in range(8))]
        return union(outline(circle(cx, cy, 3.6), 1.6), *teeth)
    raise ValueError(kind)


def caption_button(kind, state):
    canvas = Canvas(CAPTION_W, CAPTION_H)
    face = rounded_rect(1, 1, CAPTION_W - 1, CAPTION_H - 1, 3)
    if state == "highlight":
        canvas.paint(face, rgb(CLOSE_HOT) if kind == "Close" else rgb(WHITE, 0.26))
    elif state == "down":
        canvas.paint(face, rgb(CLOSE_DOWN) if kind == "Close" else (0.0, 0.0, 0.0, 0.22))
    cx, cy = CAPTION_W / 2, CAPTION_H / 2
    canvas.paint(shifted(glyph(kind, cx, cy), 0, 1), (0.0, 0.0, 0.0, 0.35))
    canvas.paint(glyph(kind, cx, cy), rgb(WHITE))
    return canvas


def caption_buttons(theme, sheet):
    theme.element("SysButton", ("offsetright", "4"), ("top", "1"))
    for kind in ("Close", "Max", "Restore", "Min", "Menu", "Skn", "Report", "Setting"):
        values = [(state, sheet.add(caption_button(kind, state))) for state in ("normal", "highlight", "down")]
        normal = values[0][1]
        values += [
            ("focus", normal),
            ("filltype", "2"),
            # Width and height last; the first two repeat them for readers
            # that take a size from the first two numbers.
            ("size", "rect(%d, %d, %d, %d)" % (CAPTION_W, CAPTION_H, CAPTION_W, CAPTION_H)),
        ]
        theme.element("SysButton." + kind, *values)

# ---------------------------------------------------------------- push button

BUTTON_W, BUTTON_H = 72, 28


def push_button(state):
    canvas = Canvas(BUTTON_W, BUTTON_H)
    outer = rounded_rect(0, 0, BUTTON_W, BUTTON_H, 4.5)
    inner = rounded_rect(1, 1, BUTTON_W - 1, BUTTON_H - 1, 3.5)
    fills = {
        "normal": ("#FFFFFF", "#E9EEF4", BORDER),
        "highlight": ("#FFFFFF", "#DDEBFB", ACCENT_HOT),
        "down": ("#D3E3F7", "#E6EFFA", ACCENT_DOWN),
        "focus": ("#FFFFFF", "#E9EEF4", ACCENT),
    }
    top, bottom, border = fills[state]
    canvas.paint(outer, rgb(border))
    canvas.paint(inner, vertical(rgb(top), rgb(bottom), 1, BUTTON_H - 1))
    if state != "down":  # a thin light line under the top edge
        canvas.paint(capsule(5, 2.2, BUTTON_W - 5, 2.2, 0.45), rgb(WHITE, 0.9))
    return canvas


def framed_element(theme, sheet, element, draw, size, corner, margin):
    """An element whose four state pictures stretch as a nine-grid around
    `corner` pixels, with the given content margin."""
    width, height = size
    values = [(state, sheet.add(draw(state))) for state in ("normal", "highlight", "down", "focus")]
    theme.element(
        element, *values,
        ("gird", "grid(%d, %d, %d, %d)" % (corner, corner, width - 2 * corner, height - 2 * corner)),
        ("filltype", "3"),
        ("margin", margin),
    )


def push_buttons(theme, sheet):
    # Caption area: x + 4, y + 2, width - 8, height - 4.
    framed_element(theme, sheet, "Button", push_button, (BUTTON_W, BUTTON_H), 6, "rect(4, 2, -8, -4)")

# ---------------------------------------------------------------- check boxes and option buttons

BOX = 16


def check_mark(cx, cy):
    return union(capsule(cx - 4, cy + 0.2, cx - 1.2, cy + 3, 0.95), capsule(cx - 1.2, cy + 3, cx + 4.2, cy - 3.2, 0.95))


def box_picture(round_box, state, ticked):
    canvas = Canvas(BOX, BOX)
    if round_box:
        outer, inner = circle(8, 8, 7.5), circle(8, 8, 6.5)
    else:
        outer, inner = rounded_rect(0, 0, 16, 16, 3), rounded_rect(1, 1, 15, 15, 2)
    hot = state in ("highlight", "focus")
    if ticked:
        fill = {"normal": ACCENT, "highlight": ACCENT_HOT, "down": ACCENT_DOWN, "focus": ACCENT}[state]
        canvas.paint(outer, rgb(fill))
        if round_box:
            canvas.paint(circle(8, 8, 3.0), rgb(WHITE))
        else:
            canvas.paint(check_mark(8, 8), rgb(WHITE))
    else:
        canvas.paint(outer, rgb(ACCENT_HOT if hot else ACCENT_DOWN if state == "down" else "#8C99A8"))
        face = {"normal": "#FFFFFF", "highlight": "#F1F7FF", "down": "#DCE8F7", "focus": "#FFFFFF"}[state]
        canvas.paint(inner, rgb(face))
    if state == "focus":
        canvas.paint(outline(outer, 1.0), rgb(ACCENT_DOWN))
    return canvas


def option_boxes(theme, sheet, element, round_box):
    values = []
    for ticked in (False, True):
        for state in ("normal", "highlight", "down", "focus"):
            name = state + ("_ck" if ticked else "")
            values.append((name, sheet.add(box_picture(round_box, state, ticked))))
    theme.element(element, *values, ("filltype", "0"), ("size", "rect(%d, %d, %d, %d)" % (BOX, BOX, BOX, BOX)))

# ---------------------------------------------------------------- edit field

EDIT_W, EDIT_H = 40, 26


def edit_box(state):
    canvas = Canvas(EDIT_W, EDIT_H)
    outer = rounded_rect(0, 0, EDIT_W, EDIT_H, 3.5)
    inner = rounded_rect(1, 1, EDIT_W - 1, EDIT_H - 1, 2.5)
    border = {"normal": BORDER, "highlight": "#7FA8DC", "down": ACCENT, "focus": ACCENT}[state]
    canvas.paint(outer, rgb(border))
    canvas.paint(inner, rgb(WHITE))
    if state in ("focus", "down"):  # a second, lighter ring inside
        canvas.paint(outline(inner, 1.0), rgb(ACCENT, 0.28))
    return canvas


def edit_fields(theme, sheet):
    # Added to the text rectangle's left, top, right and bottom.
    framed_element(theme, sheet, "Edit", edit_box, (EDIT_W, EDIT_H), 5, "rect(4, 3, -4, -3)")

# ---------------------------------------------------------------- scroll bars

BAR = 10      # thickness the edit field gives its bars
THUMB = 26    # length of the thumb and track pictures


def arrow(direction, state):
    canvas = Canvas(BAR, BAR)
    if state != "normal":
        canvas.paint(rounded_rect(0, 0, BAR, BAR, 2.5), (0.0, 0.0, 0.0, 0.10 if state == "highlight" else 0.20))
    c = BAR / 2
    points = {
        "left": [(c - 2.2, c), (c + 1.8, c - 3), (c + 1.8, c + 3)],
        "right": [(c + 2.2, c), (c - 1.8, c + 3), (c - 1.8, c - 3)],
        "up": [(c, c - 2.2), (c + 3, c + 1.8), (c - 3, c + 1.8)],
        "down": [(c, c + 2.2), (c - 3, c - 1.8), (c + 3, c - 1.8)],
    }[direction]
    canvas.paint(polygon(points), rgb(ACCENT_DOWN if state == "down" else INK))
    return canvas


def pill(horizontal, colour, inset):
    w, h = (THUMB, BAR) if horizontal else (BAR, THUMB)
    canvas = Canvas(w, h)
    if horizontal:
        shape = rounded_rect(1, inset, w - 1, h - inset, (h - 2 * inset) / 2)
    else:
        shape = rounded_rect(inset, 1, w - inset, h - 1, (w - 2 * inset) / 2)
    canvas.paint(shape, colour)
    return canvas


def scroll_bars(theme, sheet):
    values = []
    for prefix, horizontal, parts in (("h_", True, ("left", "right")), ("v_", False, ("up", "down"))):
        for part in parts:
            for state in ("normal", "highlight", "down"):
                values.append((prefix + part + "_" + state, sheet.add(arrow(part, state))))
        values.append((prefix + "bg", sheet.add(pill(horizontal, (0.0, 0.0, 0.0, 0.07), 1.5))))
        thumbs = {"normal": rgb("#8D99A6", 0.80), "highlight": rgb("#6E7A88", 0.90), "down": rgb(ACCENT)}
        for state, colour in thumbs.items():
            values.append((prefix + state, sheet.add(pill(horizontal, colour, 2.0))))
        # The ends keep their round caps; x (or y) also sets the shortest thumb.
        grid = "grid(5, 0, %d, %d)" % (THUMB - 10, BAR) if horizontal else "grid(0, 5, %d, %d)" % (BAR, THUMB - 10)
        values += [(prefix + "gird", grid), (prefix + "bg_gird", grid)]
    # No plain "gird" here: the arrows are drawn centred, not as a nine-grid.
    theme.element("ScrollBar", *values, ("filltype", "1"))

# ---------------------------------------------------------------- menus

ITEM_W, ITEM_H = 40, 24


def menu_item(state):
    canvas = Canvas(ITEM_W, ITEM_H)
    if state == "highlight":
        canvas.paint(rounded_rect(0, 0, ITEM_W, ITEM_H, 3), vertical(rgb(ACCENT, 181 / 255), rgb(ACCENT, 204 / 255), 0, ITEM_H))
    elif state == "down":
        canvas.paint(rounded_rect(0, 0, ITEM_W, ITEM_H, 3), rgb(ACCENT_DOWN, 0.85))
    elif state == "disabled":
        canvas.paint(rounded_rect(0, 0, ITEM_W, ITEM_H, 3), (0.0, 0.0, 0.0, 0.03))
    return canvas


def menu_check():
    canvas = Canvas(16, 16)
    canvas.paint(check_mark(8, 8), rgb(ACCENT))
    return canvas


def menu_arrow():
    canvas = Canvas(8, 8)
    canvas.paint(polygon([(6.2, 4), (2.5, 7.2), (2.5, 0.8)]), rgb(INK))
    return canvas


def menus(theme, sheet):
    margin, radius = 6, 4
    corner = margin + radius + 4
    size = 2 * corner + 8
    theme.element(
        "SysShadow.Menu",
        ("margin", "rect(%d, %d, %d, %d)" % (margin, margin, margin, margin)),
        ("rect", sheet.add(shadow_picture(size, corner, margin, radius, 0.26, margin / 2.2))),
        ("gird", "grid(%d, %d, %d, %d)" % (corner, corner, size - 2 * corner, size - 2 * corner)),
        ("rectround", str(radius)),
        ("crbackground", str(windows_rgb(WHITE))),
        ("crborder", str(windows_rgb("#C3CBD5"))),
        ("crhighlight", str(windows_rgb(ACCENT))),
        ("crtext", str(windows_rgb("#1F2933"))),
        ("left_icon", "24"),
        ("left_text", "30"),
        ("left_cutline", "28"),
        ("right_cutline", "6"),
        ("checkrect", sheet.add(menu_check())),
        ("arrow", sheet.add(menu_arrow())),
    )
    values = [(state, sheet.add(menu_item(state))) for state in ("normal", "highlight", "down", "disabled")]
    theme.element("MenuItem", *values, ("gird", "grid(4, 4, %d, %d)" % (ITEM_W - 8, ITEM_H - 8)), ("filltype", "3"))

# ---------------------------------------------------------------- the theme

def build(folder):
    theme = Theme()
    shadows = theme.sheet("shadows.png", 128)
    window_shadow(theme, shadows, "SysShadow.HostWnd", 12, 6, 28, ["#6B7A8C", "#FFFFFF"])
    window_shadow(theme, shadows, "SysShadow.SubWnd", 8, 4, 26, ["#7D8B9B"])
    caption_buttons(theme, theme.sheet("caption_buttons.png", 3 * (CAPTION_W + Sheet.GAP)))
    push_buttons(theme, theme.sheet("button.png", 2 * (BUTTON_W + Sheet.GAP)))
    boxes = theme.sheet("check_radio.png", 4 * (BOX + Sheet.GAP))
    option_boxes(theme, boxes, "CheckButton", False)
    option_boxes(theme, boxes, "RadioButton", True)
    edit_fields(theme, theme.sheet("edit.png", 2 * (EDIT_W + Sheet.GAP)))
    scroll_bars(theme, theme.sheet("scrollbar.png", 6 * (BAR + Sheet.GAP) + 2 * (THUMB + Sheet.GAP)))
    menus(theme, theme.sheet("menu.png", 96))
    theme.write(folder)


def check(folder):
    """Lists the files of `folder` that the script would draw differently."""
    with tempfile.TemporaryDirectory() as fresh:
        build(fresh)
        names = sorted(os.listdir(fresh))
        _, mismatch, missing = filecmp.cmpfiles(fresh, folder, names, shallow=False)
    for name in mismatch + missing:
        print("%s: not what tools/make_theme.py draws" % os.path.join(folder, name))
    return not (mismatch or missing)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    args = sys.argv[1:]
    checking = args[:1] == ["--check"]
    if checking:
        args = args[1:]
    folder = args[0] if args else os.path.join(here, "..", "assets", "theme")
    if checking:
        sys.exit(0 if check(folder) else 1)
    build(folder)
