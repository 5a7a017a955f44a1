"""Tabulo's logo: a blue tile holding a timetable card and a clock.

Shared by the program icon, the about picture and the start-up animation.
The design is laid out on a 256-unit grid; small renderings (16, 32, 48
pixels) drop detail and keep strokes at least a pixel wide so the motif stays
readable in the taskbar and the tray.
"""
from raster import (Canvas, Capsule, Circle, RoundRect, hex_colour, linear_gradient, polar)

TILE_TOP = hex_colour("4FA8F5")
TILE_BOTTOM = hex_colour("1B5CC4")
CARD = hex_colour("FFFFFF")
HEADER = hex_colour("FF9A2E")
RING = hex_colour("14478F")
ROW = hex_colour("D6E4F5")
ROW_NOW = hex_colour("3E95EC")
CLOCK_RIM = hex_colour("FF8A1F")
HAND = hex_colour("1D3557")
SHADOW = (10, 30, 70, 0.45)


class Grid:
    """Maps 256-unit design coordinates onto a `size`-pixel square at (x, y)."""

    def __init__(self, x, y, size):
        self.x, self.y, self.k = x, y, size / 256.0

    def __call__(self, v):
        return v * self.k

    def px(self, vx, vy):
        return (self.x + vx * self.k, self.y + vy * self.k)

    def rect(self, x0, y0, x1, y1, r):
        a = self.px(x0, y0)
        b = self.px(x1, y1)
        return RoundRect(a[0], a[1], b[0], b[1], r * self.k)

    def circle(self, cx, cy, r):
        c = self.px(cx, cy)
        return Circle(c[0], c[1], r * self.k)

    def line(self, x0, y0, x1, y1, width, min_px=0.0):
        a = self.px(x0, y0)
        b = self.px(x1, y1)
        return Capsule(a[0], a[1], b[0], b[1], max(width * self.k, min_px))


def draw_tile(canvas, g, size):
    tile = g.rect(8, 8, 248, 248, 56)
    if size >= 48:
        canvas.shadow(tile, SHADOW, g(10), 0, g(6), opacity=0.55)
    x0, y0 = g.px(0, 8)
    x1, y1 = g.px(0, 248)
    canvas.fill(tile, linear_gradient(x0, y0, x1, y1, [(0.0, TILE_TOP), (1.0, TILE_BOTTOM)]))
    # A faint sheen across the upper half keeps the flat tile from looking dull.
    sheen_top = g.px(0, 8)
    sheen_bottom = g.px(0, 140)
    canvas.fill(tile & g.rect(8, 8, 248, 140, 0),
                linear_gradient(sheen_top[0], sheen_top[1], sheen_bottom[0], sheen_bottom[1],
                                [(0.0, (255, 255, 255, 0.22)), (1.0, (255, 255, 255, 0.0))]))


def draw_card(canvas, g, size):
    card = g.rect(40, 46, 182, 210, 18)
    if size >= 32:
        canvas.shadow(card, SHADOW, g(8), 0, g(5), opacity=0.5)
    canvas.fill(card, CARD)
    canvas.fill(card & g.rect(40, 46, 182, 88, 0), HEADER)
    if size >= 32:
        for cx in (76, 146):
            canvas.fill(g.line(cx, 36, cx, 60, 12, 1.5), RING)
    rows = [(104, 118), (130, 144), (156, 170), (182, 196)] if size >= 48 else [(106, 124), (140, 158), (174, 192)]
    for i, (top, bottom) in enumerate(rows):
        colour = ROW_NOW if i == 1 else ROW
        canvas.fill(g.rect(58, top, 164, bottom, 7), colour)


def draw_clock(canvas, g, size, second_angle=None):
    """The clock badge; `second_angle` (degrees) adds a sweeping second hand."""
    cx, cy, r = 180, 180, 58
    c = g.px(cx, cy)
    # A halo in the tile's colour separates the badge from the card behind it.
    canvas.fill(g.circle(cx, cy, r + 9), linear_gradient(c[0], c[1] - g(r), c[0], c[1] + g(r),
                                                          [(0.0, (46, 130, 222)), (1.0, TILE_BOTTOM)]))
    canvas.fill(g.circle(cx, cy, r), CLOCK_RIM)
    canvas.fill(g.circle(cx, cy, r - (13 if size >= 32 else 16)), CARD)
    min_px = 1.2 if size <= 16 else 1.6
    if size >= 48:
        for hour in range(12):
            a = polar(cx, cy, 34, hour * 30)
            b = polar(cx, cy, 40, hour * 30)
            canvas.fill(g.line(a[0], a[1], b[0], b[1], 5 if hour % 3 == 0 else 3), (150, 165, 185))
    hour_tip = polar(cx, cy, 22, -60)
    minute_tip = polar(cx, cy, 32, 0)
    canvas.fill(g.line(cx, cy, hour_tip[0], hour_tip[1], 9, min_px), HAND)
    canvas.fill(g.line(cx, cy, minute_tip[0], minute_tip[1], 7, min_px), HAND)
    if second_angle is not None:
        tip = polar(cx, cy, 36, second_angle)
        tail = polar(cx, cy, 10, second_angle + 180)
        canvas.fill(g.line(tail[0], tail[1], tip[0], tip[1], 3.5, 1.0), CLOCK_RIM)
    if size >= 32:
        canvas.fill(g.circle(cx, cy, 6), CLOCK_RIM)


def draw_logo_16(canvas):
    """Hand-placed on whole pixels: scaled down, the big design turns to mush."""
    canvas.fill(RoundRect(0, 0, 16, 16, 3.0), linear_gradient(0, 0, 0, 16, [(0.0, TILE_TOP), (1.0, TILE_BOTTOM)]))
    card = RoundRect(2, 2, 11, 14, 1.0)
    canvas.fill(card, CARD)
    canvas.fill(card & RoundRect(2, 2, 11, 5, 0), HEADER)
    canvas.fill(RoundRect(3, 7, 9, 8, 0), ROW_NOW)
    canvas.fill(RoundRect(3, 10, 7, 11, 0), ROW)
    canvas.fill(Circle(11.5, 11.5, 5.2), TILE_BOTTOM)
    canvas.fill(Circle(11.5, 11.5, 4.4), CLOCK_RIM)
    canvas.fill(Circle(11.5, 11.5, 3.3), CARD)
    canvas.fill(RoundRect(11, 8, 12, 12, 0), HAND)
    canvas.fill(RoundRect(9, 11, 12, 12, 0), HAND)


def draw_logo(canvas, x, y, size, tile=True, second_angle=None):
    g = Grid(x, y, size)
    if tile:
        draw_tile(canvas, g, size)
    draw_card(canvas, g, size)
    draw_clock(canvas, g, size, second_angle)


def logo(size):
    c = Canvas(size, size)
    if size == 16:
        draw_logo_16(c)
    else:
        draw_logo(c, 0, 0, size)
    return c
