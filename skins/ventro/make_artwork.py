#!/usr/bin/env python3
"""Draws the bitmaps of the Ventro skin into a folder, beside a copy of its
definition text, ready for `skintool compile`.

usage: make_artwork.py OUTDIR

Everything is drawn here from shapes (no image files are read), so the output
is the same on every machine. Edges are anti-aliased by coverage sampling.
"""
import math
import os
import shutil
import struct
import sys

# Colours of the skin, as (r, g, b).
CAPTION_TOP = (44, 62, 92)
CAPTION_BOTTOM = (30, 43, 66)
CAPTION_LINE = (88, 118, 164)
BORDER = (24, 33, 50)
FRAME_SIDE = (36, 50, 76)
CLIENT = (243, 245, 248)
GLYPH = (226, 233, 243)
HOVER = (64, 86, 122)
DOWN = (22, 31, 48)
CLOSE_HOVER = (214, 54, 62)
CLOSE_DOWN = (160, 36, 44)
ACCENT = (58, 120, 212)
MENU_BG = (252, 252, 253)
MENU_BORDER = (176, 184, 196)
TEXT_DARK = (40, 46, 56)
HINT_BG = (255, 252, 236)
HINT_BORDER = (150, 140, 100)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


class Canvas:
    def __init__(self, w, h, fill=(0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[list(fill) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, colour, alpha):
        if 0 <= x < self.w and 0 <= y < self.h and alpha > 0:
            p = self.px[y][x]
            a = min(alpha, 1.0)
            for i in range(3):
                p[i] = p[i] + (colour[i] - p[i]) * a

    def fill(self, l, t, r, b, colour):
        for y in range(max(t, 0), min(b, self.h)):
            for x in range(max(l, 0), min(r, self.w)):
                self.px[y][x] = list(colour)

    def vgradient(self, l, t, r, b, top, bottom, y0=None, y1=None):
        y0 = t if y0 is None else y0
        y1 = b if y1 is None else y1
        for y in range(t, b):
            c = mix(top, bottom, (y - y0) / max(1, y1 - y0 - 1))
            for x in range(l, r):
                self.px[y][x] = list(c)

    def rrect(self, l, t, r, b, radius, colour, alpha=1.0):
        """Fills a rounded rectangle with anti-aliased corners."""
        for y in range(max(int(t), 0), min(int(math.ceil(b)), self.h)):
            for x in range(max(int(l), 0), min(int(math.ceil(r)), self.w)):
                cov = rrect_coverage(x, y, l, t, r, b, radius)
                self.blend(x, y, colour, cov * alpha)

    def line(self, x0, y0, x1, y1, width, colour, alpha=1.0):
        l, r = int(min(x0, x1) - width - 1), int(max(x0, x1) + width + 2)
        t, b = int(min(y0, y1) - width - 1), int(max(y0, y1) + width + 2)
        for y in range(t, b):
            for x in range(l, r):
                d = seg_distance(x + 0.5, y + 0.5, x0, y0, x1, y1)
                cov = max(0.0, min(1.0, width / 2 + 0.5 - d))
                self.blend(x, y, colour, cov * alpha)

    def disc(self, cx, cy, radius, colour, alpha=1.0):
        for y in range(int(cy - radius - 1), int(cy + radius + 2)):
            for x in range(int(cx - radius - 1), int(cx + radius + 2)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                self.blend(x, y, colour, max(0.0, min(1.0, radius + 0.5 - d)) * alpha)

    def rows(self):
        return [[tuple(int(round(max(0, min(255, v)))) for v in p) for p in row] for row in self.px]


def rrect_coverage(x, y, l, t, r, b, radius, n=4):
    inside = 0
    for sy in range(n):
        for sx in range(n):
            px = x + (sx + 0.5) / n
            py = y + (sy + 0.5) / n
            if px < l or px > r or py < t or py > b:
                continue
            cx = min(max(px, l + radius), r - radius)
            cy = min(max(py, t + radius), b - radius)
            if (px - cx) ** 2 + (py - cy) ** 2 <= radius * radius:
                inside += 1
    return inside / (n * n)


def seg_distance(px, py, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / ll))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def write_bmp24(path, rows):
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += b"\0" * (stride - len(line))
        data += line
    header = struct.pack("<2sIII", b"BM", 54 + len(data), 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def write_bmp_indexed(path, indices, palette, bits):
    h, w = len(indices), len(indices[0])
    stride = ((w * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(indices):
        line = bytearray(stride)
        for x, i in enumerate(row):
            if bits == 8:
                line[x] = i
            elif i:
                line[x >> 3] |= 0x80 >> (x & 7)
        data += line
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    off = 54 + len(table)
    header = struct.pack("<2sIII", b"BM", off + len(data), 0, off)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(data), 2835, 2835, len(palette), 0)
    with open(path, "wb") as f:
        f.write(header + info + table + data)


# ---------------------------------------------------------------- glyphs

def glyph(c, kind, x, y, w, h, colour):
    """Draws a caption-button glyph centred in the box (x, y, w, h)."""
    cx, cy = x + w / 2, y + h / 2
    if kind == "close":
        c.line(cx - 4, cy - 4, cx + 4, cy + 4, 1.3, colour)
        c.line(cx - 4, cy + 4, cx + 4, cy - 4, 1.3, colour)
    elif kind == "max":
        l, t = round(cx - 4.5), round(cy - 4.5)
        for (a, b, d, e) in ((l, t, l + 9, t), (l, t + 9, l + 9, t + 9), (l, t, l, t + 9), (l + 9, t, l + 9, t + 9)):
            c.line(a + 0.5, b + 0.5, d + 0.5, e + 0.5, 1.1, colour)
        c.line(l + 0.5, t + 1.5, l + 9.5, t + 1.5, 1.0, colour)
    elif kind == "restore":
        l, t = round(cx - 4.5), round(cy - 2.5)
        for (a, b, d, e) in ((l, t, l + 7, t), (l, t + 7, l + 7, t + 7), (l, t, l, t + 7), (l + 7, t, l + 7, t + 7)):
            c.line(a + 0.5, b + 0.5, d + 0.5, e + 0.5, 1.1, colour)
        c.line(l + 2.5, t - 1.5, l + 9.5, t - 1.5, 1.1, colour)
        c.line(l + 9.5, t - 1.5, l + 9.5, t + 5.5, 1.1, colour)
    elif kind == "min":
        c.line(cx - 4.5, cy + 3.5, cx + 4.5, cy + 3.5, 1.3, colour)
    elif kind == "rollup":
        c.line(cx - 4.5, cy + 2, cx, cy - 2.5, 1.3, colour)
        c.line(cx, cy - 2.5, cx + 4.5, cy + 2, 1.3, colour)
    elif kind == "rolldown":
        c.line(cx - 4.5, cy - 2, cx, cy + 2.5, 1.3, colour)
        c.line(cx, cy + 2.5, cx + 4.5, cy - 2, 1.3, colour)
    elif kind == "tray":
        c.line(cx - 3.5, cy - 3.5, cx, cy, 1.3, colour)
        c.line(cx, cy, cx + 3.5, cy - 3.5, 1.3, colour)
        c.line(cx - 4.5, cy + 3.5, cx + 4.5, cy + 3.5, 1.3, colour)
    elif kind == "sysmenu":
        c.rrect(cx - 6, cy - 6, cx + 6, cy + 6, 3, ACCENT)
        for dy in (-2.5, 0.5, 3.5):
            c.line(cx - 3, cy + dy - 0.5, cx + 3, cy + dy - 0.5, 1.1, (255, 255, 255))
    elif kind == "check":
        c.line(cx - 4, cy, cx - 1.2, cy + 3, 1.5, colour)
        c.line(cx - 1.2, cy + 3, cx + 4.5, cy - 3.5, 1.5, colour)
    elif kind == "radio":
        c.disc(cx, cy, 3, colour)
    elif kind == "arrow":
        c.line(cx - 1.5, cy - 4, cx + 2, cy, 1.3, colour)
        c.line(cx + 2, cy, cx - 1.5, cy + 4, 1.3, colour)


# ---------------------------------------------------------------- frame

FRAME_W, FRAME_H = 378, 119
CAPTION_H = 27  # rows 0..26: caption band; the client area starts at 27


def caption_colour(y):
    return mix(CAPTION_TOP, CAPTION_BOTTOM, min(1.0, y / (CAPTION_H - 1)))


def draw_frame(active):
    c = Canvas(FRAME_W, FRAME_H, FRAME_SIDE)
    top, bottom = (CAPTION_TOP, CAPTION_BOTTOM) if active else ((92, 100, 114), (80, 88, 101))
    side = FRAME_SIDE if active else (82, 90, 103)
    line = CAPTION_LINE if active else (128, 136, 149)
    c.fill(0, 0, FRAME_W, FRAME_H, side)
    c.vgradient(0, 0, FRAME_W, CAPTION_H, top, bottom)
    # A thin highlight under the top edge gives the caption some depth.
    c.fill(6, 1, FRAME_W - 6, 2, mix(top, (255, 255, 255), 0.18))
    # The border: one dark line all round, drawn as a rounded outline so that
    # it follows the mask's corners.
    ring = Canvas(FRAME_W, FRAME_H, (0, 0, 0))
    for y in range(FRAME_H):
        for x in range(FRAME_W):
            outer = rrect_coverage(x, y, 0, 0, FRAME_W, FRAME_H, 7)
            inner = rrect_coverage(x, y, 1, 1, FRAME_W - 1, FRAME_H - 1, 6)
            c.blend(x, y, BORDER, max(0.0, outer - inner))
    # The client well: a light panel with a hairline separating it from the caption.
    c.fill(7, 26, 371, 27, line)
    c.fill(7, 27, 371, 112, CLIENT)
    c.fill(6, 27, 7, 113, mix(side, BORDER, 0.5))
    c.fill(371, 27, 372, 113, mix(side, BORDER, 0.5))
    c.fill(6, 112, 372, 113, mix(side, BORDER, 0.5))
    # A small accent badge at the left of the caption, where the title starts.
    c.rrect(9, 7, 21, 19, 3, ACCENT if active else (120, 130, 146))
    c.line(12.5, 13, 15, 15.5, 1.4, (255, 255, 255))
    c.line(15, 15.5, 18.5, 10.5, 1.4, (255, 255, 255))
    return c.rows()


def draw_mask():
    """Black inside the window shape (rounded corners), white outside."""
    rows = []
    for y in range(FRAME_H):
        row = []
        for x in range(FRAME_W):
            row.append(0 if rrect_coverage(x, y, 0, 0, FRAME_W, FRAME_H, 7, n=2) >= 0.5 else 1)
        rows.append(row)
    return rows


# ---------------------------------------------------------------- picture 0: caption buttons

BUTTON_Y = 4  # caption row the buttons sit on (buttonsrect top)


def button_cell(c, x, y, w, h, kind, state):
    # The button background repeats the caption gradient of its rows, so the
    # normal image blends into the caption it is drawn on.
    for yy in range(h):
        col = caption_colour(BUTTON_Y + yy) if state != "inactive" else mix((92, 100, 114), (80, 88, 101), (BUTTON_Y + yy) / (CAPTION_H - 1))
        for xx in range(w):
            c.px[y + yy][x + xx] = list(col)
    bg = None
    if state == "active":
        bg = CLOSE_HOVER if kind == "close" else HOVER
    elif state == "down":
        bg = CLOSE_DOWN if kind == "close" else DOWN
    if bg:
        c.rrect(x + 0.5, y + 0.5, x + w - 0.5, y + h - 0.5, 3, bg)
    colour = GLYPH if state != "inactive" else (170, 178, 190)
    if state in ("active", "down") and kind == "close":
        colour = (255, 255, 255)
    glyph(c, kind, x, y, w, h, colour)


BUTTON_ROWS = [
    # (section kind, glyph, width)
    ("close", "close", 37),
    ("maximize", "max", 27),
    ("restore", "restore", 27),
    ("minimize", "min", 27),
    ("rollup", "rollup", 27),
    ("rolldown", "rolldown", 27),
    ("sysmenu", "sysmenu", 18),
    ("tray", "tray", 27),
]
STATES = ["normal", "active", "down", "inactive"]


def button_layout():
    """Where each button state sits in picture 0: {(kind, state): rect}."""
    layout = {}
    y = 0
    for kind, _, w in BUTTON_ROWS:
        x = 0
        row_y = y
        for state in STATES:
            if x + w > 142:
                x = 0
                row_y += 17
            layout[(kind, state)] = (x, row_y, x + w, row_y + 16)
            x += w
        y = row_y + 17
    return layout


def draw_buttons():
    c = Canvas(142, 202, CAPTION_BOTTOM)
    layout = button_layout()
    for kind, g, w in BUTTON_ROWS:
        for state in STATES:
            l, t, r, b = layout[(kind, state)]
            button_cell(c, l, t, r - l, b - t, g, state)
    # Menu-bar buttons (16x14) for a main menu bar, below the caption buttons.
    y = 170
    for i, g in enumerate(("close", "max", "min", "sysmenu")):
        for s, bg in enumerate((MENU_BG, (226, 236, 250), (200, 216, 240))):
            x = s * 17 + (i % 2) * 54
            yy = y + (i // 2) * 15
            c.fill(x, yy, x + 16, yy + 14, bg)
            glyph(c, g, x, yy, 16, 14, TEXT_DARK)
    return c.rows()


# ---------------------------------------------------------------- pictures 1, 2, 3: popup, menu item, hint

def draw_popup():
    c = Canvas(67, 61, (255, 255, 255))
    c.fill(0, 0, 67, 61, (222, 226, 232))
    c.rrect(0, 0, 67, 61, 5, MENU_BORDER)
    c.rrect(1, 1, 66, 60, 4, MENU_BG)
    # A soft inner shade at the bottom edge.
    c.fill(3, 58, 64, 59, (238, 240, 244))
    return c.rows()


def draw_menuitem():
    c = Canvas(65, 116, MENU_BG)
    # 1,1,64,21: the highlighted item; 1,22,64,42: the normal item.
    c.rrect(2, 2, 63, 20, 3, ACCENT)
    c.fill(1, 22, 64, 42, MENU_BG)
    # 1,41,64,48: the divider, a hairline in the middle of a 7-row band.
    c.fill(1, 41, 64, 48, MENU_BG)
    c.fill(4, 44, 61, 45, (214, 218, 226))
    # Check, radio and submenu arrow images, normal and on the highlight.
    for i, g in enumerate(("check", "radio", "arrow")):
        y = 50 + i * 17
        glyph(c, g, 1, y, 16, 16, TEXT_DARK)
        c.fill(18, y, 34, y + 16, ACCENT)
        glyph(c, g, 18, y, 16, 16, (255, 255, 255))
    return c.rows()


def draw_hint():
    c = Canvas(40, 21, (255, 255, 255))
    c.fill(0, 0, 40, 21, (210, 206, 190))
    c.rrect(0, 0, 40, 21, 4, HINT_BORDER)
    c.rrect(1, 1, 39, 20, 3, HINT_BG)
    return c.rows()


# ---------------------------------------------------------------- picture 4: controls

def panel(c, l, t, r, b, face, border, radius=3):
    c.rrect(l, t, r, b, radius, border)
    c.rrect(l + 1, t + 1, r - 1, b - 1, max(0, radius - 1), face)


def draw_controls():
    c = Canvas(521, 352, (236, 239, 243))
    # Button states: normal, hot, down, focused, disabled (each 60x24) in row 0.
    faces = [(250, 251, 252), (232, 240, 252), (208, 222, 244), (250, 251, 252), (238, 239, 241)]
    borders = [(168, 176, 190), ACCENT, (46, 96, 176), ACCENT, (200, 204, 210)]
    for i in range(5):
        panel(c, i * 61, 0, i * 61 + 60, 24, faces[i], borders[i])
    # Check and radio boxes (13x13) in row 1: unchecked, checked, hot variants, disabled, grayed.
    for i in range(8):
        x, y = i * 15, 26
        hot = i in (2, 3)
        panel(c, x, y, x + 13, y + 13, (255, 255, 255) if i < 6 else (238, 239, 241), ACCENT if hot else (150, 158, 172), 2)
        if i % 2 == 1:
            glyph(c, "check", x - 1, y - 1, 15, 15, ACCENT if i < 6 else (150, 150, 150))
    for i in range(4):
        x, y = 130 + i * 15, 26
        c.disc(x + 6.5, y + 6.5, 6.5, (150, 158, 172))
        c.disc(x + 6.5, y + 6.5, 5.5, (255, 255, 255))
        if i % 2 == 1:
            c.disc(x + 6.5, y + 6.5, 3, ACCENT)
    # Panels and group boxes (60x40) in row 2.
    panel(c, 0, 42, 60, 82, (246, 247, 249), (198, 204, 214))
    panel(c, 61, 42, 121, 82, (246, 247, 249), (198, 204, 214))
    c.fill(62, 43, 120, 56, (226, 232, 242))
    # Edit boxes: normal and focused (60x22), the drop button (17x20) states.
    panel(c, 122, 42, 182, 64, (255, 255, 255), (168, 176, 190), 2)
    panel(c, 183, 42, 243, 64, (255, 255, 255), ACCENT, 2)
    for i, bg in enumerate(((246, 247, 249), (226, 236, 250), (200, 216, 240), (238, 239, 241))):
        x = 244 + i * 18
        panel(c, x, 42, x + 17, 62, bg, (190, 196, 206), 2)
        glyph(c, "rolldown", x, 42, 17, 20, TEXT_DARK if i < 3 else (160, 160, 160))
    # Scroll bars: track, arrows (16x16) in three states each, thumb (16x30) in three states.
    c.fill(0, 84, 16, 164, (232, 235, 240))
    for i, bg in enumerate(((232, 235, 240), (214, 222, 236), (190, 204, 228))):
        x = 17 + i * 17
        c.fill(x, 84, x + 16, 100, bg)
        glyph(c, "rollup", x, 84, 16, 16, TEXT_DARK)
        c.fill(x, 101, x + 16, 117, bg)
        glyph(c, "rolldown", x, 101, 16, 16, TEXT_DARK)
        panel(c, x + 3, 118, x + 13, 148, (176, 184, 198) if i == 0 else ((150, 160, 178) if i == 1 else ACCENT), (150, 158, 172), 4)
    # Progress gauge: frame and bar.
    panel(c, 70, 84, 200, 100, (255, 255, 255), (168, 176, 190))
    c.vgradient(70, 102, 200, 114, (96, 158, 240), ACCENT)
    # Track bar: groove and thumb.
    panel(c, 70, 118, 200, 124, (214, 218, 226), (180, 186, 196), 2)
    panel(c, 202, 112, 214, 130, (255, 255, 255), ACCENT, 3)
    panel(c, 216, 112, 228, 130, (232, 240, 252), ACCENT, 3)
    # Tabs: normal, active, focused, hot (60x22) and the tab page frame.
    for i, bg in enumerate(((228, 232, 238), (255, 255, 255), (255, 255, 255), (240, 244, 250))):
        x = 230 + i * 61
        panel(c, x, 84, x + 60, 108, bg, (180, 186, 196))
        if i == 1:
            c.fill(x + 2, 84, x + 58, 86, ACCENT)
    panel(c, 230, 110, 350, 170, (255, 255, 255), (180, 186, 196), 2)
    # List items: normal, hot, focused.
    for i, bg in enumerate(((255, 255, 255), (232, 240, 252), ACCENT)):
        c.fill(0, 172 + i * 19, 120, 172 + i * 19 + 18, bg)
    # Splitter grips and the control bar grips.
    for i in range(3):
        c.disc(130 + 2, 176 + i * 5, 1.2, (150, 158, 172))
        c.disc(138 + i * 5, 176, 1.2, (150, 158, 172))
    # Menu bar background.
    c.vgradient(0, 232, 521, 256, (250, 251, 252), (236, 239, 243))
    c.fill(0, 255, 521, 256, (210, 214, 222))
    # A slider ruler and thumb, and bevel lines.
    c.fill(360, 180, 520, 184, (210, 214, 222))
    panel(c, 360, 188, 372, 206, (255, 255, 255), ACCENT, 3)
    c.fill(360, 214, 520, 215, (190, 196, 206))
    c.fill(360, 215, 520, 216, (255, 255, 255))
    # A small swatch of the accent colour for highlight images.
    c.rrect(400, 188, 440, 206, 4, ACCENT)
    return c.rows()


# ---------------------------------------------------------------- picture 5: menu bar items (8-bit)

def draw_menubar():
    palette = [(255, 255, 255), (236, 239, 243), (232, 240, 252), (208, 222, 244), (58, 120, 212),
               (40, 46, 56), (176, 184, 196), (250, 251, 252), (160, 160, 160), (214, 218, 226)]
    # Extend the table with a ramp of blues for the gradients below.
    for i in range(24):
        palette.append(tuple(int(v) for v in mix((250, 251, 252), (226, 232, 242), i / 23)))
    idx = [[1] * 138 for _ in range(86)]

    def fill(l, t, r, b, i):
        for y in range(t, b):
            for x in range(l, r):
                idx[y][x] = i

    def ramp(l, t, r, b):
        for y in range(t, b):
            for x in range(l, r):
                idx[y][x] = 10 + min(23, (y - t) * 23 // max(1, b - t - 1))

    # Menu bar item: normal (0,0,45,20), hot (46,0,91,20), down (92,0,137,20).
    ramp(0, 0, 45, 20)
    fill(46, 0, 91, 20, 2)
    fill(46, 0, 91, 1, 6)
    fill(46, 19, 91, 20, 6)
    fill(46, 0, 47, 20, 6)
    fill(90, 0, 91, 20, 6)
    fill(92, 0, 137, 20, 3)
    fill(92, 0, 137, 1, 4)
    fill(92, 19, 137, 20, 4)
    fill(92, 0, 93, 20, 4)
    fill(136, 0, 137, 20, 4)
    # The bar background strip and a divider.
    ramp(0, 22, 138, 44)
    fill(0, 43, 138, 44, 9)
    # Small arrow markers for the bar's overflow, normal and active.
    for k, colour in enumerate((5, 4)):
        x0 = 4 + k * 12
        for j in range(4):
            fill(x0 + j, 50 + j, x0 + j + 1, 57 - j, colour)
    fill(0, 62, 138, 86, 0)
    ramp(2, 64, 136, 84)
    return idx, palette


# ---------------------------------------------------------------- output

def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 1
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    write_bmp24(os.path.join(out, "frame.bmp"), draw_frame(True))
    write_bmp24(os.path.join(out, "frame_inactive.bmp"), draw_frame(False))
    write_bmp_indexed(os.path.join(out, "frame_mask.bmp"), draw_mask(), [(0, 0, 0), (255, 255, 255)], 1)
    write_bmp24(os.path.join(out, "buttons.bmp"), draw_buttons())
    write_bmp24(os.path.join(out, "popup.bmp"), draw_popup())
    write_bmp24(os.path.join(out, "menuitem.bmp"), draw_menuitem())
    write_bmp24(os.path.join(out, "hint.bmp"), draw_hint())
    write_bmp24(os.path.join(out, "controls.bmp"), draw_controls())
    idx, palette = draw_menubar()
    write_bmp_indexed(os.path.join(out, "menubar.bmp"), idx, palette, 8)
    here = os.path.dirname(os.path.abspath(__file__))
    shutil.copyfile(os.path.join(here, "VentroSkin.ini"), os.path.join(out, "VentroSkin.ini"))
    return 0


if __name__ == "__main__":
    if len(sys.argv) == 2 and sys.argv[1] == "--layout":
        for k, v in sorted(button_layout().items()):
            print(k, v)
        sys.exit(0)
    sys.exit(main())
