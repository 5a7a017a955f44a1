#!/usr/bin/env python3
"""Writes assets/shell/startup.gif: the animation of the start-up window.

300 x 200, 100 frames of 3 cs, looping without a seam: the logo's clock
sweeps its second hand once round while a highlight steps down a small
timetable, as the bar does before each period. The window shows it for
about 800 ms, so the first frames already look finished; nothing flies in.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gif  # noqa: E402
import palette  # noqa: E402
from logo import CARD, CLOCK_RIM, HAND  # noqa: E402
from raster import (FONT_CJK, FONT_LATIN_BOLD, Canvas, Capsule, Circle, RoundRect,  # noqa: E402
                    hex_colour, linear_gradient, polar, radial_gradient, text_layer)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
W, H = 300, 200
FRAMES = 100
DELAY_CS = 3
CLOCK = (80, 100, 54)  # centre x, centre y, radius
ROWS_X = (156, 272)
ROWS_Y = (124, 140, 156, 172)
ROW_H = 10


def background():
    c = Canvas(W, H)
    c.fill(RoundRect(0, 0, W, H, 0), linear_gradient(0, 0, W, H, [(0.0, hex_colour("3C9BF0")),
                                                                   (1.0, hex_colour("1A4EA6"))]))
    c.fill(Circle(250, 10, 130), radial_gradient(250, 10, 130, [(0.0, (255, 255, 255, 0.16)),
                                                                 (1.0, (255, 255, 255, 0.0))]))
    cx, cy, r = CLOCK
    c.shadow(Circle(cx, cy + 3, r), (8, 30, 80, 1.0), 8, opacity=0.45)
    c.fill(Circle(cx, cy, r), CLOCK_RIM)
    c.fill(Circle(cx, cy, r - 9), CARD)
    for minute in range(60):
        big = minute % 5 == 0
        a = polar(cx, cy, r - 14, minute * 6)
        b = polar(cx, cy, r - (21 if big else 16), minute * 6)
        c.fill(Capsule(a[0], a[1], b[0], b[1], 2.4 if big else 1.0), (120, 136, 160) if big else (180, 190, 205))
    c.draw(text_layer("Tabulo", FONT_LATIN_BOLD, 34, (255, 255, 255), 150, 50, kerning=0.5), 151, 36)
    c.draw(text_layer("课堂助手", FONT_CJK, 15, (215, 232, 255), 150, 24, stroke=0.3, kerning=4), 154, 86)
    for y in ROWS_Y:
        c.fill(Circle(ROWS_X[0] + ROW_H / 2, y + ROW_H / 2, ROW_H / 2 - 0.5), (255, 255, 255), opacity=0.35)
        c.fill(RoundRect(ROWS_X[0] + 16, y, ROWS_X[1], y + ROW_H, ROW_H / 2), (255, 255, 255), opacity=0.22)
    return c


def ease(t):
    return t * t * (3 - 2 * t)


def highlight_y(t):
    """The highlight rests on a row, then glides to the next (and back to the first)."""
    per_row = 1.0 / len(ROWS_Y)
    k = int(t / per_row)
    local = (t - k * per_row) / per_row
    here, there = ROWS_Y[k], ROWS_Y[(k + 1) % len(ROWS_Y)]
    glide = 0.0 if local < 0.6 else ease((local - 0.6) / 0.4)
    return here + (there - here) * glide


def frame(base, i):
    t = i / FRAMES
    c = base.copy()
    y = highlight_y(t)
    c.fill(RoundRect(ROWS_X[0] + 16, y, ROWS_X[1], y + ROW_H, ROW_H / 2), hex_colour("FFB547"))
    cx, cy, r = CLOCK
    hour = polar(cx, cy, 22, 304)
    minute = polar(cx, cy, 32, 48)
    c.fill(Capsule(cx, cy, hour[0], hour[1], 5.0), HAND)
    c.fill(Capsule(cx, cy, minute[0], minute[1], 3.6), HAND)
    angle = 360.0 * t
    tip = polar(cx, cy, r - 13, angle)
    tail = polar(cx, cy, 10, angle + 180)
    c.fill(Capsule(tail[0], tail[1], tip[0], tip[1], 1.6), CLOCK_RIM)
    c.fill(Circle(cx, cy, 3.6), CLOCK_RIM)
    c.fill(Circle(cx, cy, 1.4), CARD)
    return c


def rgb_pixels(canvas):
    data = canvas.rgba_bytes()
    return [(data[i], data[i + 1], data[i + 2]) for i in range(0, len(data), 4)]


def main():
    base = background()
    frames = [rgb_pixels(frame(base, i)) for i in range(FRAMES)]
    weights = {}
    for f in frames[::10]:
        for p in f:
            weights[p] = weights.get(p, 0) + 1
    colours = palette.median_cut(weights, gif.TRANSPARENT)
    q = palette.Quantiser(colours)
    indexed = [[q.index(p) for p in f] for f in frames]
    path = os.path.join(ROOT, "assets", "shell", "startup.gif")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as out:
        out.write(gif.encode_animation(W, H, colours, indexed, DELAY_CS))


if __name__ == "__main__":
    main()
