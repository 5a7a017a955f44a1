#!/usr/bin/env python3
"""Writes the small PNG icons: the six tool-window buttons, the hide strip,
the three tray-menu icons, the reminder's close button and the timer's plus and
minus buttons.

The six tool icons share one style: a rounded tile with a vertical gradient
in its own hue, a soft shadow and a white glyph, so they read as a set from
the back of a classroom. The tiny icons (16 and 20 pixels, the 9 x 20 strip)
put their strokes on whole pixels so that they stay crisp.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from raster import (Canvas, Capsule, Circle, Polygon, RoundRect, Stroke, Union, hex_colour,  # noqa: E402
                    linear_gradient, polar, rotated)

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WHITE = (255, 255, 255)
SHADOW = (20, 30, 50, 0.5)


# --- the tool window's six icons ----------------------------------------------

def tool_tile(top, bottom):
    """A 48 x 48 canvas holding the shared tile in the given colours."""
    c = Canvas(48, 48)
    tile = RoundRect(4, 3, 44, 43, 11)
    c.shadow(tile, SHADOW, 2.0, 0, 1.5, opacity=0.55)
    c.fill(tile, linear_gradient(0, 3, 0, 43, [(0.0, hex_colour(top)), (1.0, hex_colour(bottom))]))
    c.fill(tile & RoundRect(4, 3, 44, 20, 0),
           linear_gradient(0, 3, 0, 20, [(0.0, (255, 255, 255, 0.25)), (1.0, (255, 255, 255, 0.0))]))
    return c


def icon_timetable():
    c = tool_tile("5DB2FA", "1E62C9")
    for i, y in enumerate((15.5, 23.5, 31.5)):
        c.fill(Circle(15.5, y, 2.6), WHITE)
        c.fill(Capsule(21.5, y, 33.5 - (6 if i == 2 else 0), y, 3.6), WHITE)
    return c


def icon_draw():
    c = tool_tile("FFBE55", "F0761A")
    die = rotated([(13, 13), (35, 13), (35, 35), (13, 35)], 24, 24, -12)
    body = Polygon(die)
    # A rounded die: the square shrunk, then grown back as a rounded outline.
    shrunk = Polygon(rotated([(17, 17), (31, 17), (31, 31), (17, 31)], 24, 24, -12))
    rounded = Stroke(shrunk, 8.0) | shrunk
    c.shadow(body, (120, 50, 0, 0.5), 1.5, 0.5, 1.5)
    c.fill(rounded, WHITE)
    pip = (232, 110, 22)
    for px, py in ((18.5, 18.5), (29.5, 18.5), (24, 24), (18.5, 29.5), (29.5, 29.5)):
        (x, y), = rotated([(px, py)], 24, 24, -12)
        c.fill(Circle(x, y, 2.5), pip)
    return c


def icon_writer():
    c = tool_tile("63D68F", "1C9A57")
    back = RoundRect(10, 15, 38, 36, 3) | Polygon([(10, 17), (10, 13.5), (11.5, 12), (19, 12), (22, 15)])
    c.fill(back, (214, 245, 226))
    front = RoundRect(10, 19, 38, 36, 3)
    c.shadow(front, (10, 90, 50, 0.5), 1.2, 0, -0.5)
    c.fill(front, WHITE)
    arrow_colour = (28, 154, 87)
    c.fill(Capsule(24, 16, 24, 27.5, 3.6), arrow_colour)
    c.fill(Polygon([(18.5, 24), (29.5, 24), (24, 31)]), arrow_colour)
    return c


def icon_timer():
    c = tool_tile("FF8A80", "E0403C")
    cx, cy, r = 24, 26, 11.5
    c.fill(Stroke(Circle(cx, cy, r), 3.4), WHITE)
    c.fill(RoundRect(21, 9.5, 27, 12.5, 1), WHITE)
    c.fill(Capsule(24, 12, 24, 14.5, 2.6), WHITE)
    bx, by = polar(cx, cy, r + 3.2, 45)
    c.fill(Capsule(*polar(cx, cy, r + 0.5, 45), bx, by, 3.0), WHITE)
    tip = polar(cx, cy, 7.5, 40)
    c.fill(Capsule(cx, cy, tip[0], tip[1], 2.8), WHITE)
    c.fill(Circle(cx, cy, 2.4), WHITE)
    return c


def gear(cx, cy, outer, inner, hole, teeth):
    tooth = []
    for k in range(teeth):
        a = 360.0 / teeth * k
        w = 360.0 / teeth * 0.22
        tooth.append(Polygon([polar(cx, cy, inner - 1, a - w * 1.3), polar(cx, cy, outer, a - w),
                              polar(cx, cy, outer, a + w), polar(cx, cy, inner - 1, a + w * 1.3)]))
    return Union(Circle(cx, cy, inner), *tooth) - Circle(cx, cy, hole)


def icon_settings():
    c = tool_tile("A295F7", "5F4BD3")
    c.fill(gear(24, 23, 15.0, 11.0, 4.6, 8), WHITE)
    return c


def info_glyph(canvas, cx, cy, scale, colour):
    canvas.fill(Circle(cx, cy - 6.5 * scale, 2.3 * scale), colour)
    canvas.fill(RoundRect(cx - 2.0 * scale, cy - 2.5 * scale, cx + 2.0 * scale, cy + 8.0 * scale, 1.0 * scale),
                colour)


def icon_about():
    c = tool_tile("4DD9D2", "138F9E")
    c.fill(Stroke(Circle(24, 23, 13.5), 3.0), WHITE)
    info_glyph(c, 24, 23.5, 1.0, WHITE)
    return c


# --- small icons ----------------------------------------------------------------

def hide_strip():
    """9 x 20: a double chevron pointing right ("hide to the right")."""
    c = Canvas(9, 20)
    colour = (70, 90, 115)
    for x in (1.2, 4.8):
        c.fill(Capsule(x, 6.5, x + 3.0, 10.0, 1.5) | Capsule(x + 3.0, 10.0, x, 13.5, 1.5), colour)
    return c


def menu_about():
    """20 x 20 info glyph for the "about" menu item."""
    c = Canvas(20, 20)
    c.fill(Circle(10, 10, 9.0), linear_gradient(0, 1, 0, 19, [(0.0, hex_colour("5DB2FA")),
                                                               (1.0, hex_colour("1E62C9"))]))
    c.fill(Circle(10, 5.8, 1.5), WHITE)
    c.fill(RoundRect(8.8, 8.0, 11.2, 15.0, 0.6), WHITE)
    return c


def menu_exit():
    """16 x 16 power glyph for the "exit" menu item."""
    c = Canvas(16, 16)
    c.fill(Circle(8, 8, 7.5), linear_gradient(0, 0.5, 0, 15.5, [(0.0, hex_colour("FF7B72")),
                                                                  (1.0, hex_colour("D7352F"))]))
    ring = Stroke(Circle(8, 8.6, 4.1), 1.6)
    gap = Polygon([(8, 8.6), (4.6, 1.0), (11.4, 1.0)])
    c.fill(ring - gap, WHITE)
    c.fill(Capsule(8, 3.6, 8, 8.2, 1.7), WHITE)
    return c


def menu_calendar():
    """16 x 16 calendar page for the "school calendar" menu item: a blue
    binding strip with two rings over a white page with a grid of days."""
    c = Canvas(16, 16)
    page = RoundRect(1, 2, 15, 15, 2.0)
    c.fill(page, linear_gradient(0, 2, 0, 15, [(0.0, hex_colour("5DB2FA")), (1.0, hex_colour("1E62C9"))]))
    c.fill(RoundRect(2.5, 6, 13.5, 13.5, 1.0), WHITE)
    for x in (5, 11):
        c.fill(Capsule(x, 1.2, x, 3.8, 1.6), WHITE)
    day = hex_colour("1E62C9")
    for row, y in enumerate((7.5, 10.5)):
        for x in (4.5, 7.0, 9.5, 12.0):
            c.fill(RoundRect(x - 0.9, y - 0.9, x + 0.9, y + 0.9, 0.3), day if (row, x) != (1, 12.0) else (232, 80, 70))
    return c


def reminder_close():
    """60 x 60 round close button for the class reminder pop-up."""
    c = Canvas(60, 60)
    disc = Circle(30, 29, 25)
    c.shadow(disc, (0, 0, 0, 0.6), 3.0, 0, 2.0, opacity=0.6)
    c.fill(disc, linear_gradient(0, 4, 0, 54, [(0.0, hex_colour("FF7A70")), (1.0, hex_colour("D62F2F"))]))
    c.fill(disc & RoundRect(0, 0, 60, 29, 0),
           linear_gradient(0, 4, 0, 29, [(0.0, (255, 255, 255, 0.28)), (1.0, (255, 255, 255, 0.0))]))
    c.fill(Stroke(Circle(30, 29, 23.2), 2.4), (255, 255, 255, 0.9))
    k = 8.5
    c.fill(Capsule(30 - k, 29 - k, 30 + k, 29 + k, 5.0) | Capsule(30 + k, 29 - k, 30 - k, 29 + k, 5.0), WHITE)
    return c


GREY = (83, 83, 83)


def timer_button(plus):
    """16 x 16 dark grey square; the sign is cut out (fully transparent)."""
    c = Canvas(16, 16)
    sign = RoundRect(3, 7, 13, 9, 0)
    if plus:
        sign = sign | RoundRect(7, 3, 9, 13, 0)
    c.fill(RoundRect(0, 0, 16, 16, 2.0) - sign, GREY)
    return c


ICONS = {
    "shell/tool_timetable.png": icon_timetable,
    "shell/tool_draw.png": icon_draw,
    "shell/tool_writer.png": icon_writer,
    "shell/tool_timer.png": icon_timer,
    "shell/tool_settings.png": icon_settings,
    "shell/tool_about.png": icon_about,
    "shell/hide_strip.png": hide_strip,
    "shell/menu_about.png": menu_about,
    "shell/menu_exit.png": menu_exit,
    "shell/menu_calendar.png": menu_calendar,
    "timetable/reminder_close.png": reminder_close,
    "tools/timer_plus.png": lambda: timer_button(True),
    "tools/timer_minus.png": lambda: timer_button(False),
}


def main():
    for name, make in ICONS.items():
        path = os.path.join(ROOT, "assets", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        make().save_png(path, alpha=True)


if __name__ == "__main__":
    main()
