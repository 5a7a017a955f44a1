#!/usr/bin/env python3
"""Writes the large pictures: the two bar skins (blue sky, starry sky), the
tool window's background, the about picture, the background shared by the
random draw and the timer, and the batch writer's background.

Sizes are fixed by the windows that show them; looks are ours. Where a
picture sits behind text, it is kept calm where the text goes: the bar shows
the sky's top-left 146 pixels behind black text, the starry sky sits behind
white text on the bar and the reminder pop-up.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from logo import draw_logo  # noqa: E402
from raster import (FONT_CJK, FONT_LATIN_BOLD, Canvas, Capsule, Circle, Lcg, Polygon,  # noqa: E402
                    RoundRect, Union, ValueNoise, clamp01, gradient_at, hex_colour, mix, save_jpeg,
                    smoothstep, text_layer)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def asset(name):
    path = os.path.join(ROOT, "assets", name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def opaque(width, height, colour_at):
    """An opaque canvas with colour_at(x, y) -> (r, g, b) in 0..255."""
    c = Canvas(width, height)
    px = c.px
    i = 0
    for y in range(height):
        for x in range(width):
            r, g, b = colour_at(x, y)[:3]
            px[i] = r / 255.0
            px[i + 1] = g / 255.0
            px[i + 2] = b / 255.0
            px[i + 3] = 1.0
            i += 4
    return c


def stops(*pairs):
    return [(o, hex_colour(c)) for o, c in pairs]


# --- 蓝天: light blue sky with clouds -------------------------------------------

def blue_sky():
    w, h = 665, 420
    noise = ValueNoise(seed=20170719)
    sky = stops((0.0, "6DB8F2"), (0.55, "A9D8FA"), (1.0, "E2F2FD"))
    # Cloud density on a horizontally stretched lattice (clouds are wide),
    # computed once so shading can look at the density a few rows below.
    density = []
    for y in range(h + 8):
        row = []
        for x in range(w):
            row.append(noise.fractal(x / 150.0, y / 70.0, octaves=5, gain=0.52))
        density.append(row)

    def colour(x, y):
        base = gradient_at(sky, y / (h - 1))[:3]
        # Fewer clouds at the very top so the bar's first rows stay clear.
        cover = 0.62 - 0.06 * smoothstep(0.0, 0.6, y / h)
        d = density[y][x]
        amount = smoothstep(cover, cover + 0.16, d)
        if amount <= 0.0:
            return base
        # Lit from above: where the cloud thickens below, its underside greys.
        under = clamp01((density[y + 8][x] - d) * 6.0 + 0.5)
        cloud = mix((255, 255, 255), (200, 216, 232), 1.0 - under)
        return mix(base, cloud, amount * 0.92)
    return opaque(w, h, colour)


# --- 星空: night sky with stars --------------------------------------------------

def band_weight(x, y, w, h, spread):
    """How close (x, y) lies to the diagonal band from lower left to upper right."""
    u = (x / w - (1.0 - y / h)) * 0.7071
    return math.exp(-(u * u) / spread)


def add_stars(canvas, seed, count, bright, tint=(255, 255, 255), clear=(), in_band=0.0):
    """Faint stars everywhere and a few bright sparkles outside `clear` boxes.

    `in_band` (0..1) is the share of stars gathered along the hazy band."""
    rng = Lcg(seed)
    for _ in range(count):
        x = rng.uniform(0, canvas.w)
        y = rng.uniform(0, canvas.h)
        while rng.next() < in_band and rng.next() > band_weight(x, y, canvas.w, canvas.h, 0.01):
            x = rng.uniform(0, canvas.w)
            y = rng.uniform(0, canvas.h)
        level = rng.next() ** 3  # most stars are faint
        r = 0.45 + level * 1.1
        warmth = rng.next()
        colour = mix(tint, (255, 228, 196) if warmth > 0.5 else (196, 220, 255), abs(warmth - 0.5))
        canvas.fill(Circle(x, y, r), colour, opacity=0.35 + 0.65 * level)
        if level > 0.45:
            canvas.shadow(Circle(x, y, r), (*colour, 1.0), r * 3.0, opacity=0.25 * level)
    placed = 0
    while placed < bright:
        x = rng.uniform(20, canvas.w - 20)
        y = rng.uniform(20, canvas.h - 20)
        if any(x0 <= x <= x1 and y0 <= y <= y1 for x0, y0, x1, y1 in clear):
            continue
        placed += 1
        size = rng.uniform(5.0, 10.0)
        canvas.shadow(Circle(x, y, 1.2), (210, 230, 255, 1.0), 5.0, opacity=0.5)
        sparkle = Capsule(x - size, y, x + size, y, 0.9) | Capsule(x, y - size, x, y + size, 0.9)
        canvas.fill(sparkle, (235, 242, 255), opacity=0.55, soften=1.6)
        canvas.fill(Circle(x, y, 1.5), (255, 255, 255))


def night_background(w, h, seed, top, bottom, band):
    """Deep gradient with a faint diagonal band of glowing haze (the Milky Way)."""
    noise = ValueNoise(seed=seed)
    sky = stops((0.0, top), (1.0, bottom))
    band_colour = hex_colour(band)[:3]

    def colour(x, y):
        base = gradient_at(sky, y / (h - 1))[:3]
        haze = band_weight(x, y, w, h, 0.018) * noise.fractal(x / 90.0, y / 90.0, octaves=4)
        return mix(base, band_colour, clamp01(haze * 0.55))
    return opaque(w, h, colour)


def starry_sky():
    c = night_background(844, 750, 1969, "040A1E", "15295C", "5B4FA0")
    add_stars(c, seed=42, count=1500, bright=14, in_band=0.4)
    return c


# --- tool window: white with a paper plane --------------------------------------

def pencil(canvas, points, width=1.4, colour=(120, 136, 158), opacity=0.85, closed=False):
    """A sketched line: the stroke plus a faint, slightly offset second pass."""
    pts = points + [points[0]] if closed else points
    for (ax, ay), (bx, by) in zip(pts, pts[1:]):
        canvas.fill(Capsule(ax, ay, bx, by, width), colour, opacity=opacity)
        canvas.fill(Capsule(ax + 0.8, ay + 0.5, bx + 0.6, by + 0.9, width * 0.6), colour, opacity=opacity * 0.35)


def tool_window_background():
    c = Canvas(300, 300, (255, 255, 255, 1.0))
    # The trail: a dashed loop-the-loop sweeping in from the left, evenly
    # dashed along its length and fading in.
    path = []
    for k in range(600):
        t = k / 599.0
        path.append((40 + 185 * t + 48 * math.sin(2 * math.pi * t),
                     262 + 14 * math.cos(2 * math.pi * t) + 14 * (1 - t) - 4 * t))
    travelled, dash, on = 0.0, [], True
    for (ax, ay), (bx, by) in zip(path, path[1:]):
        travelled += math.hypot(bx - ax, by - ay)
        dash.append((ax, ay))
        if travelled >= (7.0 if on else 5.0):
            if on and len(dash) > 1:
                fade = 0.25 + 0.6 * dash[0][0] / 225.0
                pieces = [Capsule(px, py, qx, qy, 1.3) for (px, py), (qx, qy) in zip(dash, dash[1:] + [(bx, by)])]
                c.fill(Union(*pieces), (140, 156, 178), opacity=fade)
            dash, on, travelled = [], not on, 0.0
    # The plane, nose to the upper right.
    nose, tail_top, tail_low, fold, keel = (292, 236), (226, 250), (246, 284), (244, 262), (252, 272)
    c.fill(Polygon([nose, tail_top, fold]), (232, 242, 252))
    c.fill(Polygon([nose, fold, keel, tail_low]), (214, 229, 246))
    c.fill(Polygon([nose, fold, keel]), (196, 214, 238))
    pencil(c, [nose, tail_top, fold], closed=True)
    pencil(c, [nose, tail_low, keel, fold])
    pencil(c, [fold, (249, 268)], width=1.1, opacity=0.6)
    return c


# --- about picture ---------------------------------------------------------------

WHITE = (255, 255, 255)


def about_picture():
    w, h = 600, 380
    c = night_background(w, h, 77, "07142F", "1C3C78", "3E5FB0")
    add_stars(c, seed=7, count=260, bright=5, clear=[(30, 60, 560, 350)])
    # A soft glow behind the logo lifts it off the sky.
    c.shadow(Circle(124, 158, 60), (90, 150, 255, 1.0), 70, opacity=0.35)
    draw_logo(c, 52, 86, 144)
    c.draw(text_layer("Tabulo", FONT_LATIN_BOLD, 64, WHITE, 340, 90, kerning=1), 228, 88)
    c.draw(text_layer("课堂助手", FONT_CJK, 26, (206, 224, 255), 340, 40, stroke=0.4, kerning=6), 232, 172)
    c.fill(RoundRect(232, 222, 532, 223.2, 0), (150, 180, 230), opacity=0.6)
    c.draw(text_layer("版本 3.0    2025 年 9 月 1 日发布", FONT_CJK, 17, (224, 234, 250), 340, 30), 232, 236)
    c.draw(text_layer("设计与制作：Tabulo 开发组 · 献给每一位老师", FONT_CJK, 14, (150, 172, 210), 440, 26),
           52, 322)
    return c


# --- random draw and timer background ----------------------------------------------

def wave_y(x, w, base, amp, waves, phase):
    return base + amp * math.sin(x / w * math.pi * 2.0 * waves + phase)


def tool_background():
    w, h = 548, 388
    sky = stops((0.0, "3FA4EE"), (0.6, "86CBF7"), (1.0, "C9EBFF"))
    layers = [  # (base line, amplitude, waves across, phase, opacity)
        (306, 16, 1.2, 0.5, 0.28),
        (328, 14, 1.6, 2.4, 0.50),
        (352, 11, 1.1, 4.2, 1.00),
    ]

    def colour(x, y):
        c = gradient_at(sky, y / (h - 1))[:3]
        for base, amp, waves, phase, alpha in layers:
            edge = wave_y(x + 0.5, w, base, amp, waves, phase)
            cover = clamp01(y + 0.5 - edge + 0.5)
            if cover > 0.0:
                c = mix(c, (255, 255, 255), cover * alpha)
        return c
    return opaque(w, h, colour)


# --- batch writer background -------------------------------------------------------

def smoothed(lut, radius, passes=3):
    """Box-blurs a colour ramp so its stops blend without visible creases."""
    for _ in range(passes):
        out = []
        for i in range(len(lut)):
            window = [lut[min(len(lut) - 1, max(0, j))] for j in range(i - radius, i + radius + 1)]
            out.append(tuple(sum(c[k] for c in window) / len(window) for k in range(3)))
        lut = out
    return lut


def writer_background():
    w, h = 1080, 1920
    ramp = stops((0.0, "FFE38A"), (0.28, "FFB865"), (0.52, "F7A394"), (0.76, "9DB3EC"), (1.0, "4A78D6"))
    rng = Lcg(1080)
    # Smooth ramps band in 8 bits and in JPEG blocks; a little noise hides it.
    ramp_lut = smoothed([gradient_at(ramp, i / 1023.0)[:3] for i in range(1024)], 70)

    def colour(x, y):
        t = clamp01(0.3 * x / w + 0.7 * y / h)
        r, g, b = ramp_lut[int(t * 1023)]
        n = (rng.next() - 0.5) * 3.0
        return (min(255.0, max(0.0, r + n)), min(255.0, max(0.0, g + n)), min(255.0, max(0.0, b + n)))
    return opaque(w, h, colour)


PICTURES = [
    ("shell/sky.jpg", blue_sky, 90),
    ("shell/starry.jpg", starry_sky, 90),
    ("shell/tool_window.png", tool_window_background, None),
    ("shell/about.png", about_picture, None),
    ("tools/tool_background.png", tool_background, None),
    ("tools/writer_background.jpg", writer_background, 82),
]


def main(names):
    for name, make, quality in PICTURES:
        if names and name not in names:
            continue
        canvas = make()
        if quality is None:
            canvas.save_png(asset(name), alpha=False)
        else:
            save_jpeg(canvas, asset(name), quality)


if __name__ == "__main__":
    main(sys.argv[1:])
