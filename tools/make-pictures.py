#!/usr/bin/env python3
"""Generate QUAV's bitmaps and icon into src/ui/main/res/.

Run from the repository root:  python3 tools/make-pictures.py

Only the standard library is used so the pictures can be rebuilt anywhere.
The output is deterministic: same script, same bytes.

Small button glyphs (clear.bmp, copy-arrow.bmp, arrow.bmp) use pure magenta
(255, 0, 255) as their background.  The program treats that colour as
transparent (e.g. TransparentBlt or an ImageList mask with CLR 0xFF00FF), so
those glyphs are drawn without anti-aliasing: a blended edge pixel would show
as a pink fringe once the key colour is removed.
"""

import os
import struct

OUT_DIR = os.path.join("src", "ui", "main", "res")
MAGENTA = (255, 0, 255)

# ---------------------------------------------------------------------------
# Canvas with straight (non-premultiplied) RGBA floats and "over" compositing.


class Canvas:
    def __init__(self, w, h, fill=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.px = [[list(fill) for _ in range(w)] for _ in range(h)]

    def blend(self, x, y, rgb, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y][x]
        out_a = a + p[3] * (1 - a)
        for i in range(3):
            p[i] = (rgb[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def set(self, x, y, rgb, a=1.0):
        self.px[y][x] = [rgb[0], rgb[1], rgb[2], a]

    def rgba(self, x, y):
        r, g, b, a = self.px[y][x]
        return (round(r), round(g), round(b), round(a * 255))


SS = 4  # supersampling per axis: smooth edges without a real rasteriser


def paint(cv, inside, box, color, alpha=1.0):
    """Fill the shape `inside(x, y)` (pixel units) clipped to `box`.

    `color` is an RGB tuple or a function (x, y) -> RGB for gradients.
    """
    x0, y0, x1, y1 = (int(v) for v in box)
    for py in range(max(0, y0), min(cv.h, y1 + 1)):
        for px in range(max(0, x0), min(cv.w, x1 + 1)):
            hits = 0
            for sy in range(SS):
                for sx in range(SS):
                    if inside(px + (sx + 0.5) / SS, py + (sy + 0.5) / SS):
                        hits += 1
            if hits:
                rgb = color(px, py) if callable(color) else color
                cv.blend(px, py, rgb, alpha * hits / (SS * SS))


# Shape helpers: each returns a predicate inside(x, y).

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rrect(x0, y0, x1, y1, r, corners="tl tr bl br"):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        for name, cx, cy in (("tl", x0 + r, y0 + r), ("tr", x1 - r, y0 + r),
                             ("bl", x0 + r, y1 - r), ("br", x1 - r, y1 - r)):
            if name in corners and (x < cx) == (name[1] == "l") \
                    and (y < cy) == (name[0] == "t"):
                return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        return True
    return inside


def poly(points):
    def inside(x, y):  # even-odd ray cast
        hit = False
        n = len(points)
        for i in range(n):
            (ax, ay), (bx, by) = points[i], points[(i + 1) % n]
            if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                hit = not hit
        return hit
    return inside


def segment(ax, ay, bx, by, half_width):
    """Thick line with round ends (a capsule)."""
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= half_width ** 2
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, *holes):
    return lambda x, y: a(x, y) and not any(h(x, y) for h in holes)


def shift(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


def lerp(c0, c1, t):
    t = min(1.0, max(0.0, t))
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def vgrad(c0, c1, y0, y1):
    return lambda x, y: lerp(c0, c1, (y + 0.5 - y0) / (y1 - y0))


# ---------------------------------------------------------------------------
# Bold "QUAV" letterforms built from rectangles and polygons, so no font file
# is needed.  All letters share one box and stroke for an even, blocky look.

LW, LH, ST = 17.0, 20.0, 4.5  # letter width, height, stroke


def glyph_q():
    ring = minus(rrect(0, 0, LW, LH, 6), rrect(ST, ST, LW - ST, LH - ST, 2))
    tail = poly([(LW * 0.50, LH * 0.62), (LW * 0.50 + 4.6, LH * 0.62),
                 (LW + 1.5, LH + 2.0), (LW - 3.1, LH + 2.0)])
    return union(ring, tail)


def glyph_u():
    return minus(rrect(0, 0, LW, LH, 6, "bl br"),
                 rrect(ST, -1, LW - ST, LH - ST, 2, "bl br"))


def glyph_a():
    mid = LH * 0.48
    return minus(rrect(0, 0, LW, LH, 6, "tl tr"),
                 rrect(ST, ST, LW - ST, mid, 2, "tl tr"),
                 rect(ST, mid + ST * 0.85, LW - ST, LH + 1))


def glyph_v():
    c, k = LW / 2, LH * 0.50
    return poly([(0, 0), (ST, 0), (ST, k), (c, LH - ST * 1.05), (LW - ST, k),
                 (LW - ST, 0), (LW, 0), (LW, k + 1.6), (c + 2.6, LH),
                 (c - 2.6, LH), (0, k + 1.6)])


# ---------------------------------------------------------------------------
# 5x7 pixel font for the small, crisp text (only the characters we use).

FONT5 = {  # rows top to bottom, 5 columns each
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": [".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    ":": [".....", "..#..", "..#..", ".....", "..#..", "..#..", "....."],
    "-": [".....", ".....", ".....", ".###.", ".....", ".....", "....."],
    " ": ["....."] * 7,
}


def text5(cv, x, y, s, rgb, bold=False, gap=1, alpha=1.0):
    """Draw with the 5x7 font; bold smears each pixel one column right."""
    for ch in s:
        rows = FONT5[ch]
        for r, row in enumerate(rows):
            for c, bit in enumerate(row):
                if bit == "#":
                    cv.blend(x + c, y + r, rgb, alpha)
                    if bold:
                        cv.blend(x + c + 1, y + r, rgb, alpha)
        x += 5 + gap + (1 if bold else 0)
    return x


def text5_width(s, bold=False, gap=1):
    return len(s) * (5 + gap + (1 if bold else 0)) - gap


# ---------------------------------------------------------------------------
# File writers.

def write_bmp(path, cv):
    """24-bit BI_RGB bitmap, bottom-up, rows padded to 4 bytes."""
    w, h = cv.w, cv.h
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, _ = cv.rgba(x, y)  # every BMP canvas is fully opaque
            row += bytes((b, g, r))
        data += row + b"\0" * (stride - len(row))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                         2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54))
        f.write(header + data)


def ico_image(cv):
    """One BMP-format icon image: 32-bit BGRA XOR bitmap plus 1-bit AND mask."""
    w, h = cv.w, cv.h
    xor = bytearray()
    mask = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = cv.rgba(x, y)
            if a == 0:
                r = g = b = 0
                bits[x // 8] |= 0x80 >> (x % 8)
            xor += bytes((b, g, r, a))
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def write_ico(path, canvases):
    images = [ico_image(cv) for cv in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for cv, img in zip(canvases, images):
        out += struct.pack("<BBBBHHII", cv.w % 256, cv.h % 256, 0, 0, 1, 32,
                           len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


# ---------------------------------------------------------------------------
# Logo (normal and hover variants share every coordinate).

LOGO_W, LOGO_H = 297, 34

THEMES = {
    "normal": dict(
        bg=((233, 239, 246), (190, 205, 223)), frame=(128, 146, 170),
        shine=(255, 255, 255), text=((58, 76, 98), (31, 44, 61)),
        emboss=(255, 255, 255), board=((74, 112, 128), (49, 80, 96)),
        accent=(196, 160, 84), sub=(86, 104, 128), maker=(44, 62, 84)),
    "hover": dict(
        bg=((255, 252, 240), (248, 226, 170)), frame=(196, 150, 64),
        shine=(255, 255, 255), text=((20, 102, 204), (0, 64, 160)),
        emboss=(255, 255, 255), board=((40, 110, 190), (20, 76, 150)),
        accent=(232, 150, 40), sub=(150, 96, 30), maker=(0, 70, 160)),
}


def draw_card(cv, x, y, t):
    """Tiny network card: board, RJ45 socket, controller chip, gold fingers."""
    paint(cv, rrect(x, y, x + 32, y + 19, 2), (x, y, x + 32, y + 19),
          vgrad(*t["board"], y, y + 19))
    for i in range(7):  # edge-connector fingers along the bottom
        fx = x + 10 + i * 3
        paint(cv, rect(fx, y + 19, fx + 2, y + 23), (fx, y + 19, fx + 2, y + 23),
              t["accent"])
    # RJ45 socket on the left: light housing with the keyed opening.
    paint(cv, rrect(x + 2, y + 3, x + 13, y + 16, 1), (x, y, x + 14, y + 17),
          (226, 230, 235))
    hole = poly([(x + 4, y + 5), (x + 11, y + 5), (x + 11, y + 12),
                 (x + 9.5, y + 12), (x + 9.5, y + 14), (x + 5.5, y + 14),
                 (x + 5.5, y + 12), (x + 4, y + 12)])
    paint(cv, hole, (x, y, x + 14, y + 17), (40, 48, 58))
    for i in range(4):  # contact springs
        paint(cv, rect(x + 5 + i * 1.5, y + 5, x + 5.8 + i * 1.5, y + 7.5),
              (x, y, x + 14, y + 17), t["accent"])
    # Controller chip with pins.
    paint(cv, rrect(x + 17, y + 4, x + 28, y + 15, 1), (x + 15, y, x + 30, y + 17),
          (36, 42, 50))
    for i in range(4):
        py = y + 5.5 + i * 2.5
        for px0 in (x + 15.5, x + 28):
            paint(cv, rect(px0, py, px0 + 1.5, py + 1), (x + 15, y, x + 30, y + 17),
                  (205, 210, 215))
    paint(cv, rect(x + 19, y + 6, x + 21, y + 8), (x + 17, y + 4, x + 28, y + 15),
          (120, 128, 138))  # pin-1 dot


def make_logo(theme):
    t = THEMES[theme]
    cv = Canvas(LOGO_W, LOGO_H, (0, 0, 0, 1))
    grad = vgrad(*t["bg"], 0, LOGO_H)
    for y in range(LOGO_H):
        for x in range(LOGO_W):
            cv.set(x, y, grad(x, y))
    # Soft glassy highlight over the top half.
    paint(cv, rect(1, 1, LOGO_W - 1, LOGO_H * 0.45), (0, 0, LOGO_W, 16),
          t["shine"], 0.35)
    for x in range(LOGO_W):
        cv.set(x, 0, t["frame"]), cv.set(x, LOGO_H - 1, t["frame"])
    for y in range(LOGO_H):
        cv.set(0, y, t["frame"]), cv.set(LOGO_W - 1, y, t["frame"])

    draw_card(cv, 9, 5, t)

    # "QUAV": a 1-px light emboss below, then the gradient letters on top.
    lx, ly = 52, 6
    glyphs = [glyph_q(), glyph_u(), glyph_a(), glyph_v()]
    fill = vgrad(*t["text"], ly, ly + LH)
    for dy, color, alpha in ((1, t["emboss"], 0.8), (0, fill, 1.0)):
        for i, g in enumerate(glyphs):
            gx = lx + i * (LW + 4)
            paint(cv, shift(g, gx, ly + dy), (gx - 1, ly - 1, gx + LW + 3, ly + LH + 4),
                  color, alpha)

    # Divider, then the hexadecimal address motif in two quiet lines.
    dx = 141
    for y in range(7, 27):
        cv.blend(dx, y, t["frame"], 0.8)
        cv.blend(dx + 1, y, t["emboss"], 0.7)
    text5(cv, 150, 7, "MAC ADDRESS", t["sub"], alpha=0.75)
    text5(cv, 150, 19, "00-1A-2B-3C-4D-5E", t["sub"])

    # Maker name, small and bold, right-aligned on the baseline of the hex.
    mw = text5_width("ORV", bold=True, gap=1)
    text5(cv, LOGO_W - 10 - mw, 19, "ORV", t["maker"], bold=True)
    return cv


# ---------------------------------------------------------------------------
# Small glyphs, drawn as pixel art on the magenta key (see module docstring).

def pixel_art(rows, palette):
    cv = Canvas(len(rows[0]), len(rows), MAGENTA + (1,))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch in palette:
                cv.set(x, y, palette[ch])
    return cv


CLEAR = [  # 8 x 9
    "........",
    "##....##",
    ".##..##.",
    "..####..",
    "...##...",
    "..####..",
    ".##..##.",
    "##....##",
    "........",
]

COPY_ARROW = [  # 11 x 6, pointing up
    ".....#.....",
    "....###....",
    "...#####...",
    "..#######..",
    "....###....",
    "....###....",
]


def make_arrow():
    """17 x 12 right arrow: 1-px dark outline around a row-shaded blue fill."""
    w, h = 17, 12

    def inside(x, y):  # pixel-centre test against a stem plus a triangle head
        cx, cy = x + 0.5, y + 0.5
        if not (0 <= x < w and 0 <= y < h):
            return False
        stem = cx < 10 and 3.8 < cy < 8.2
        head = cx >= 9 and abs(cy - 6) <= (17.5 - cx) * 6 / 8
        return stem or head

    shades = [(150, 194, 238), (120, 172, 226), (96, 152, 212), (80, 138, 202),
              (70, 128, 194), (62, 118, 186), (56, 108, 176), (50, 100, 166),
              (46, 92, 156), (42, 86, 148), (40, 80, 140), (38, 74, 132)]
    cv = Canvas(w, h, MAGENTA + (1,))
    for y in range(h):
        for x in range(w):
            if inside(x, y):
                edge = not all(inside(x + dx, y + dy)
                               for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                cv.set(x, y, (28, 58, 104) if edge else shades[y])
    return cv


# ---------------------------------------------------------------------------
# Application icon: a blue tile with an RJ45 socket and an orange "Q" badge.

# Each size gets its own pixel-aligned geometry: scaling the 32-px design down
# would put edges on half pixels and blur the 16-px image.
ICON_GEOMETRY = {
    32: dict(tile=(1, 1, 31, 31, 5), socket=(4, 5, 21, 18), tab=(9, 22),
             inset=2, badge=(23, 23, 8.5)),
    16: dict(tile=(0, 0, 16, 16, 3), socket=(2, 3, 12, 10), tab=(5, 12),
             inset=1, badge=(11, 11, 5)),
}

OUTLINE = (18, 44, 80)

Q_16 = [  # hand-placed "Q" for the small badge
    ".###.",
    "#...#",
    "#...#",
    "#...#",
    ".###.",
    "...##",
]


def make_icon(size):
    g = ICON_GEOMETRY[size]
    cv = Canvas(size, size)
    whole = (0, 0, size, size)

    x0, y0, x1, y1, r = g["tile"]
    paint(cv, rrect(x0, y0, x1, y1, r), whole, OUTLINE)
    paint(cv, rrect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, r - 1), whole,
          vgrad((104, 160, 222), (32, 84, 152), y0, y1))

    # RJ45 socket: white housing with the keyed tab, dark opening inside.
    sx0, sy0, sx1, sy1 = g["socket"]
    tx0, ty1 = g["tab"]
    tx1, i = sx0 + sx1 - tx0, g["inset"]
    paint(cv, union(rect(sx0, sy0, sx1, sy1), rect(tx0, sy1, tx1, ty1)), whole,
          (246, 249, 253))
    paint(cv, union(rect(sx0 + i, sy0 + i, sx1 - i, sy1 - i),
                    rect(tx0 + i, sy1 - i, tx1 - i, ty1 - i)), whole, (22, 34, 50))
    if size >= 32:  # contacts only fit at full size
        for n in range(6):
            cx = sx0 + i + 1 + n * 2
            paint(cv, rect(cx, sy0 + i, cx + 1, sy0 + i + 3), whole, (226, 182, 78))

    # Orange "Q" badge, outlined dark so it separates from the white socket.
    bx, by, br = g["badge"]
    circle = lambda rad: (lambda x, y: (x - bx) ** 2 + (y - by) ** 2 <= rad * rad)
    paint(cv, circle(br), whole, OUTLINE)
    paint(cv, circle(br - 1), whole, vgrad((255, 178, 64), (220, 108, 16),
                                           by - br, by + br))
    white = (255, 255, 255)
    if size >= 32:
        qx, qy = bx - 0.5, by - 0.6
        ring = lambda x, y: 2.5 ** 2 <= (x - qx) ** 2 + (y - qy) ** 2 <= 4.7 ** 2
        tail = segment(qx + 1.6, qy + 1.6, qx + 4.9, qy + 4.9, 1.15)
        paint(cv, union(ring, tail), whole, white)
    else:
        for y, row in enumerate(Q_16):
            for x, bit in enumerate(row):
                if bit == "#":
                    cv.set(8 + x, 7 + y, white)
    return cv


# ---------------------------------------------------------------------------

def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    out = lambda name: os.path.join(OUT_DIR, name)
    write_bmp(out("logo.bmp"), make_logo("normal"))
    write_bmp(out("logo-highlight.bmp"), make_logo("hover"))
    write_bmp(out("clear.bmp"), pixel_art(CLEAR, {"#": (64, 64, 64)}))
    write_bmp(out("copy-arrow.bmp"), pixel_art(COPY_ARROW, {"#": (32, 32, 32)}))
    write_bmp(out("arrow.bmp"), make_arrow())
    write_ico(out("quav.ico"), [make_icon(32), make_icon(16)])


if __name__ == "__main__":
    main()
