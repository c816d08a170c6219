#!/usr/bin/env python3
"""Draw the Cotarsis button images and the application icon.

Writes, next to this script:

  banner.bmp    205 x 89, 256 colours  "Cotarsis" / "Ultrex" banner
  help.bmp       20 x 20,  16 colours  question mark
  valid.bmp      17 x 17,  16 colours  check mark (entry valid)
  invalid.bmp    20 x 19,  16 colours  cross (entry not valid)
  pin_off.bmp    20 x 20,  16 colours  push pin lying on its side
  pin_on.bmp     20 x 20,  16 colours  push pin pressed in, seen from above
  exit.bmp       20 x 20,  16 colours  emergency-exit sign
  cotarsis.ico   16 and 32 pixels in 16 colours, 16, 32, 48 and 64 pixels
                 in 256 colours: a check mark on a yellow disc

All bitmaps are uncompressed (BI_RGB) Windows DIBs.  The 16-colour images
use the standard 16-colour VGA palette.  Only the Python standard library
is used and nothing random is involved, so every run writes the same bytes.

Usage: python3 draw_images.py [output directory]
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# The 16-colour VGA palette, in the usual Windows index order.

VGA = [
    (0, 0, 0),        # 0  black
    (128, 0, 0),      # 1  maroon
    (0, 128, 0),      # 2  green
    (128, 128, 0),    # 3  olive
    (0, 0, 128),      # 4  navy
    (128, 0, 128),    # 5  purple
    (0, 128, 128),    # 6  teal
    (192, 192, 192),  # 7  light grey (button face)
    (128, 128, 128),  # 8  dark grey
    (255, 0, 0),      # 9  red
    (0, 255, 0),      # 10 lime
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 fuchsia
    (0, 255, 255),    # 14 aqua
    (255, 255, 255),  # 15 white
]

# Letters used in the pixel maps below, one per VGA index.
PIXEL_CODES = {
    "k": 0, "m": 1, "g": 2, "o": 3, "n": 4, "p": 5, "t": 6, ".": 7,
    "d": 8, "r": 9, "l": 10, "y": 11, "b": 12, "f": 13, "a": 14, "w": 15,
}


# ---------------------------------------------------------------------------
# DIB writing.

def _row_bytes(indices, bits):
    """Pack one row of palette indices, padded to a multiple of 4 bytes."""
    out = bytearray()
    if bits == 8:
        out.extend(indices)
    elif bits == 4:
        for i in range(0, len(indices), 2):
            hi = indices[i]
            lo = indices[i + 1] if i + 1 < len(indices) else 0
            out.append((hi << 4) | lo)
    elif bits == 1:
        for i in range(0, len(indices), 8):
            byte = 0
            for j in range(8):
                if i + j < len(indices) and indices[i + j]:
                    byte |= 0x80 >> j
            out.append(byte)
    else:
        raise ValueError(bits)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def _pixel_bytes(rows, bits):
    """Rows given top first; a DIB stores them bottom first."""
    return b"".join(_row_bytes(r, bits) for r in reversed(rows))


def _palette_bytes(palette, count):
    pal = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)


def _info_header(width, height, bits, image_size, colours):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits,
                       0,  # BI_RGB: uncompressed
                       image_size, 0, 0, colours, 0)


def write_bmp(path, rows, palette, bits):
    height = len(rows)
    width = len(rows[0])
    colours = 1 << bits
    pixels = _pixel_bytes(rows, bits)
    info = _info_header(width, height, bits, len(pixels), colours)
    pal = _palette_bytes(palette, colours)
    offset = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + pal + pixels)


def icon_image(rows, mask, palette, bits):
    """One icon image: header (double height), palette, XOR bits, AND mask."""
    height = len(rows)
    width = len(rows[0])
    colours = 1 << bits
    xor = _pixel_bytes(rows, bits)
    andm = _pixel_bytes(mask, 1)
    info = _info_header(width, 2 * height, bits, len(xor) + len(andm), 0)
    return info + _palette_bytes(palette, colours) + xor + andm


def write_ico(path, images):
    """images: list of (width, height, bits, data)."""
    head = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    blobs = b""
    for (w, h, bits, data) in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256,
                               16 if bits == 4 else 0, 0, 1, bits,
                               len(data), offset + len(blobs))
        blobs += data
    with open(path, "wb") as f:
        f.write(head + entries + blobs)


# ---------------------------------------------------------------------------
# Pixel maps for the 16-colour button images.

def parse_map(text, width, height):
    lines = [ln.strip() for ln in text.strip().splitlines()]
    assert len(lines) == height, (len(lines), height)
    rows = []
    for ln in lines:
        assert len(ln) == width, (ln, width)
        rows.append([PIXEL_CODES[c] for c in ln])
    return rows


def drop_shadow(rows, ink, shade, ground=7):
    """Put a one-pixel shadow below and to the right of the ink pixels."""
    h = len(rows)
    w = len(rows[0])
    out = [r[:] for r in rows]
    for y in range(h):
        for x in range(w):
            if rows[y][x] in ink:
                for dx, dy in ((1, 1), (1, 0), (0, 1)):
                    xx, yy = x + dx, y + dy
                    if xx < w and yy < h and rows[yy][xx] == ground \
                            and out[yy][xx] == ground:
                        out[yy][xx] = shade
    return out


HELP_MAP = """
....................
....................
.......nnnnnn.......
.....nnnnnnnnnn.....
....nnnn....nnnn....
....nnn......nnn....
....nnn......nnn....
.............nnn....
............nnnn....
...........nnnn.....
.........nnnnn......
........nnnn........
........nnn.........
........nnn.........
........nnn.........
....................
........nnn.........
........nnn.........
........nnn.........
....................
"""

VALID_MAP = """
.................
.................
..............bb.
.............bbb.
............bbbb.
...........bbbb..
..........bbbb...
.b.......bbbb....
.bb.....bbbb.....
.bbb...bbbb......
.bbbb.bbbb.......
..bbbbbbb........
...bbbbb.........
....bbb..........
.....b...........
.................
.................
"""

INVALID_MAP = """
....................
....................
..rr............rr..
..rrr..........rrr..
...rrr........rrr...
....rrr......rrr....
.....rrr....rrr.....
......rrr..rrr......
.......rrrrrr.......
........rrrr........
.......rrrrrr.......
......rrr..rrr......
.....rrr....rrr.....
....rrr......rrr....
...rrr........rrr...
..rrr..........rrr..
..rr............rr..
....................
....................
"""

# Push pin on its side: needle at the left, then the wide base, the grip
# and the cap.  Light falls from above.
PIN_OFF_MAP = """
....................
....................
....................
....................
........kk..........
........kwk.........
........kwrk...kkk..
........kwrk..kwwrk.
........kwrkkkkwrrk.
........kwrwwwwwrrk.
.wwwwwwwkrrrrrrrrrk.
.dddddddkrrrrrrrrmk.
........krrmmmmrrmk.
........krmkkkkrmmk.
........krmk..kmmmk.
........krmk...kkk..
........kmk.........
........kk..........
....................
....................
"""

# The same pin pressed in, seen from above: cap inside the base ring, on
# the chequered ground of a pushed-in button.
PIN_ON_MAP = """
dddddddddddddddddddw
dkkkkkkkkkkkkkkkkk.w
dk.w.w.w.w.w.w.w.w.w
dkw.w.w.kkkkk.w.w.ww
dk.w.wkkrrrrrkk.w..w
dkw.wkrrrrrrrmmk.w.w
dk.wkrrrkkkkrrmk.w.w
dkw.krrkwwrrkrmmkw.w
dk.krrkwwrrrrkrmk..w
dkw.krkwrrrrrkrmk.ww
dk.krrkrrrrrmkrmk..w
dkw.krrkrrrmmkrmmk.w
dk.wkrrrkkkkkrmmk..w
dkw.krrrrrrrrmmk.w.w
dk.w.kkrrrrmmmkk.w.w
dkw.w.wkkkkkkk.w.w.w
dk.w.w.w.w.w.w.w.w.w
dkw.w.w.w.w.w.w.w.ww
d..................w
wwwwwwwwwwwwwwwwwwww
"""

# White figure running out through a door, on green.
EXIT_MAP = """
gggggggggggggggggggg
ggggggggggggggwwwwwg
gggggggggwwgggwgggwg
ggggggggwwwwggwgggwg
gggggggggwwgggwgggwg
gggggggwwwggggwgggwg
ggggwwwwwwwwggwgggwg
gggwwgwwwggwwgwgggwg
ggwwgwwwwgggwgwgggwg
gggggwwwggggggwgggwg
gggggwwwwgggggwgggwg
ggggwwgwwwggggwgggwg
gggwwggggwwgggwgggwg
ggwwggggggwwggwgggwg
gwwgggggggwwggwgggwg
gwggggggggwwwgwgggwg
ggggggggggggggwgggwg
ggggggggggggggwwwwwg
gggggggggggggggggggg
gggggggggggggggggggg
"""

# The application icon at 16 pixels in 16 colours, drawn by hand since a
# scaled-down drawing loses the check mark; "-" is transparent.
ICON16_MAP = """
-----kkkkkk-----
---kkyyyyyykk---
--kyyyyyyyyyyk--
-kyyyyyyyyyybbk-
-kyyyyyyyyybbbk-
kyyyyyyyyybbbnyk
kyyyyyyyybbbnyyk
kybbyyyybbbnyyyk
kybbbyybbbnyyyyk
kyynbbbbbnyyyyyk
kyyynbbbnyyyyyyk
-kyyyynnyyyyyyk-
-kyyyyyyyyyyyyk-
--kyyyyyyyyyyk--
---kkyyyyyykk---
-----kkkkkk-----
"""


# ---------------------------------------------------------------------------
# Simple vector drawing with supersampling, for the banner and the icon.

class RoundRect:
    """Rectangle x0..x1, y0..y1 with corners rounded by radius r."""

    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x1, y1
        self.r = min(r, (x1 - x0) / 2.0, (y1 - y0) / 2.0)

    def contains(self, x, y):
        if x < self.x0 or x > self.x1 or y < self.y0 or y > self.y1:
            return False
        r = self.r
        if r <= 0:
            return True
        cx = min(max(x, self.x0 + r), self.x1 - r)
        cy = min(max(y, self.y0 + r), self.y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


class Polygon:
    """Convex or concave polygon, even-odd rule."""

    def __init__(self, points):
        self.points = points

    def contains(self, x, y):
        inside = False
        pts = self.points
        n = len(pts)
        for i in range(n):
            x0, y0 = pts[i]
            x1, y1 = pts[(i + 1) % n]
            if (y0 > y) != (y1 > y):
                xc = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                if x < xc:
                    inside = not inside
        return inside


class Glyph:
    """A letter as a sequence of shapes added to or cut from it.

    Coordinates are in letter units, y upwards from the baseline.  Later
    shapes win over earlier ones where they overlap.
    """

    def __init__(self, width, ops):
        self.width = width
        self.ops = ops
        xs, ys = [], []
        for (_, shape) in ops:
            if isinstance(shape, RoundRect):
                xs += [shape.x0, shape.x1]
                ys += [shape.y0, shape.y1]
            else:
                xs += [p[0] for p in shape.points]
                ys += [p[1] for p in shape.points]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        inside = False
        for (add, shape) in self.ops:
            if add != inside and shape.contains(x, y):
                inside = add
        return inside


S = 1.25       # stroke width in letter units
CAP = 7.0      # capital height
XH = 5.0       # lowercase height


def _ring(x0, y0, x1, y1, r_out, r_in, stroke=S):
    return [(True, RoundRect(x0, y0, x1, y1, r_out)),
            (False, RoundRect(x0 + stroke, y0 + stroke,
                              x1 - stroke, y1 - stroke, r_in))]


def make_font():
    g = {}
    # C: a ring open on the right.
    g["C"] = Glyph(5.0, _ring(0, 0, 5.0, CAP, 2.3, 1.1)
                   + [(False, RoundRect(2.6, 2.3, 5.5, CAP - 2.3))])
    # U: a ring with the top cut away.
    g["U"] = Glyph(5.0, [(True, RoundRect(0, 0, 5.0, CAP + 3, 2.3)),
                         (False, RoundRect(S, S, 5.0 - S, CAP + 4, 1.1)),
                         (False, RoundRect(-1, CAP, 6, CAP + 5))])
    g["o"] = Glyph(4.0, _ring(0, 0, 4.0, XH, 1.7, 0.6))
    # a: an o with a straight stem on the right.
    g["a"] = Glyph(4.0, _ring(0, 0, 4.0, XH, 1.7, 0.6)
                   + [(True, RoundRect(4.0 - S, 0, 4.0, XH, 0.0))])
    # e: an o with a bar, open at the lower right.
    g["e"] = Glyph(4.0, _ring(0, 0, 4.0, XH, 1.7, 0.6)
                   + [(False, RoundRect(4.0 - S - 0.01, S, 4.5, 2.1)),
                      (True, RoundRect(S * 0.5, 2.1, 4.0 - S * 0.5, 2.1 + S))])
    # t: stem with a foot curving to the right, and a cross bar.
    g["t"] = Glyph(3.2, [(True, RoundRect(0.8, 1.0, 0.8 + S, 6.6)),
                         (True, RoundRect(0.8, 0, 3.2, 2.6, 1.3)),
                         (False, RoundRect(0.8 + S, S, 3.5, 3.0)),
                         (True, RoundRect(0, XH - S, 3.2, XH))])
    # r: stem and an arm over the top, bending down a little.
    g["r"] = Glyph(3.4, [(True, RoundRect(0, 0, 3.4, XH, 1.6)),
                         (False, RoundRect(S, -1, 4.0, XH - S)),
                         (True, RoundRect(0, 0, S, XH)),
                         (True, RoundRect(3.4 - S, XH - 2.2, 3.4, XH - 1.0, 0.5))])
    # s: an upper loop open on the right and a lower loop open on the left.
    mid = XH / 2.0
    g["s"] = Glyph(4.0, [
        (True, RoundRect(0, mid - S / 2, 4.0, XH, 1.4)),
        (False, RoundRect(S, mid + S / 2, 4.0 - S, XH - S, 0.3)),
        (False, RoundRect(4.0 - S - 0.01, mid + S / 2, 4.5, XH - S - 0.3)),
        (True, RoundRect(0, 0, 4.0, mid + S / 2, 1.4)),
        (False, RoundRect(S, S, 4.0 - S, mid - S / 2, 0.3)),
        (False, RoundRect(-0.5, S + 0.3, S + 0.01, mid - S / 2)),
    ])
    g["i"] = Glyph(S, [(True, RoundRect(0, 0, S, XH)),
                       (True, RoundRect(0, XH + 0.8, S, XH + 0.8 + S, 0.3))])
    g["l"] = Glyph(S, [(True, RoundRect(0, 0, S, CAP))])
    # x: two crossing bars.
    d = S * 0.62
    g["x"] = Glyph(4.0, [
        (True, Polygon([(0, 0), (d * 1.6, 0), (4.0, XH), (4.0 - d * 1.6, XH)])),
        (True, Polygon([(4.0 - d * 1.6, 0), (4.0, 0), (d * 1.6, XH), (0, XH)])),
    ])
    return g


def lerp(a, b, t):
    return a + (b - a) * t


def mix(c0, c1, t):
    return tuple(lerp(a, b, t) for a, b in zip(c0, c1))


class Word:
    """A word placed on the banner: letters in slanted letter units."""

    def __init__(self, font, text, unit, x, baseline, slant, gap,
                 depth, face_top, face_bottom, side_near, side_far, rim):
        self.glyphs = []
        pen = 0.0
        for ch in text:
            gl = font[ch]
            self.glyphs.append((pen, gl))
            pen += gl.width + gap
        self.unit = unit
        self.x = x
        self.baseline = baseline
        self.slant = slant
        self.depth = depth
        self.face_top = face_top
        self.face_bottom = face_bottom
        self.side_near = side_near
        self.side_far = side_far
        self.rim = rim

    def to_units(self, px, py):
        """Banner pixel position to (x, y) in letter units."""
        uy = (self.baseline - py) / self.unit
        ux = (px - self.x) / self.unit - self.slant * uy
        return ux, uy

    def contains(self, px, py):
        ux, uy = self.to_units(px, py)
        for (pen, gl) in self.glyphs:
            x0, y0, x1, y1 = gl.bbox
            if pen + x0 <= ux <= pen + x1 and y0 <= uy <= y1:
                if gl.contains(ux - pen, uy):
                    return True
        return False

    def face_colour(self, py):
        top = self.baseline - CAP * self.unit
        t = min(max((py - top) / (CAP * self.unit), 0.0), 1.0)
        return mix(self.face_top, self.face_bottom, t)


def supersample_masks(words, width, height, ss):
    """Face masks of each word at ss times the banner resolution."""
    masks = []
    for w in words:
        m = bytearray(width * ss * height * ss)
        W = width * ss
        for sy in range(height * ss):
            py = (sy + 0.5) / ss
            for sx in range(W):
                px = (sx + 0.5) / ss
                if w.contains(px, py):
                    m[sy * W + sx] = 1
        masks.append(m)
    return masks


def draw_banner(path):
    width, height, ss = 205, 89, 4
    font = make_font()
    slant = 0.24
    big = Word(font, "Cotarsis", unit=5.15, x=6.0, baseline=73.0,
               slant=slant, gap=0.75, depth=5,
               face_top=(110, 170, 255), face_bottom=(0, 50, 200),
               side_near=(0, 30, 130), side_far=(0, 10, 60),
               rim=(0, 0, 50))
    small = Word(font, "Ultrex", unit=2.9, x=118.0, baseline=35.0,
                 slant=slant, gap=0.8, depth=3,
                 face_top=(255, 245, 120), face_bottom=(245, 190, 0),
                 side_near=(190, 110, 0), side_far=(110, 60, 0),
                 rim=(70, 40, 0))
    words = [big, small]
    masks = supersample_masks(words, width, height, ss)
    W, H = width * ss, height * ss

    # Ground: a light, slightly cool gradient.
    img = []
    for y in range(height):
        t = y / (height - 1)
        row = [mix((252, 252, 246), (222, 228, 238), t) for _ in range(width)]
        img.append(row)

    # Soft shadow of both words on the ground, down and to the right.
    cover = [[0.0] * width for _ in range(height)]
    for w, m in zip(words, masks):
        reach = w.depth + 3
        for y in range(height):
            for x in range(width):
                n = 0
                for sy in range(y * ss, y * ss + ss, 2):
                    for sx in range(x * ss, x * ss + ss, 2):
                        ox = sx - reach * ss
                        oy = sy - reach * ss
                        if 0 <= ox < W and 0 <= oy < H and m[oy * W + ox]:
                            n += 1
                cover[y][x] = max(cover[y][x], n / 4.0)
    blurred = box_blur(box_blur(cover, 2), 2)
    for y in range(height):
        for x in range(width):
            a = blurred[y][x] * 0.45
            if a > 0:
                img[y][x] = mix(img[y][x], (120, 125, 140), a)

    # Each word: a dark rim, the extruded sides, then the face.
    for w, m in zip(words, masks):
        K = w.depth * ss
        # dist: subsamples along the diagonal back to the face (0 on it).
        dist = bytearray([255]) * (W * H)
        for sy in range(H):
            for sx in range(W):
                i = sy * W + sx
                if m[i]:
                    dist[i] = 0
                elif sx > 0 and sy > 0:
                    d = dist[i - W - 1]
                    if d < 255:
                        dist[i] = d + 1
        # Per banner pixel: subsamples on the face, on the sides, and the
        # mean depth of the side subsamples (0 near the face, 1 at the back).
        n = ss * ss
        face = [[0] * width for _ in range(height)]
        side = [[0] * width for _ in range(height)]
        side_t = [[0.0] * width for _ in range(height)]
        solid = [[0.0] * width for _ in range(height)]
        for y in range(height):
            for x in range(width):
                fn = sn = 0
                st = 0.0
                for sy in range(y * ss, y * ss + ss):
                    for sx in range(x * ss, x * ss + ss):
                        d = dist[sy * W + sx]
                        if d == 0:
                            fn += 1
                        elif d <= K:
                            sn += 1
                            st += d / K
                face[y][x], side[y][x] = fn, sn
                side_t[y][x] = st / sn if sn else 0.0
                solid[y][x] = (fn + sn) / n
        # A dark rim around face and sides keeps the letters apart from
        # the light ground.
        rim = dilate(solid)
        for y in range(height):
            for x in range(width):
                if rim[y][x] > 0:
                    img[y][x] = mix(img[y][x], w.rim, rim[y][x] * 0.85)
        for y in range(height):
            for x in range(width):
                fn, sn = face[y][x], side[y][x]
                if sn:
                    c = mix(w.side_near, w.side_far, side_t[y][x])
                    img[y][x] = mix(img[y][x], c, sn / (n - fn))
                if fn:
                    c = w.face_colour(y + 0.5)
                    # A little light on the upper left edges of the face.
                    if y > 0 and x > 0 and dist[(y * ss - 2) * W + x * ss - 2]:
                        c = mix(c, (255, 255, 255), 0.35)
                    img[y][x] = mix(img[y][x], c, fn / n)

    rows, palette = quantise(img, 256)
    write_bmp(path, rows, palette, 8)


def box_blur(grid, r):
    h = len(grid)
    w = len(grid[0])
    tmp = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            s = 0.0
            for dx in range(-r, r + 1):
                xx = min(max(x + dx, 0), w - 1)
                s += grid[y][xx]
            tmp[y][x] = s / (2 * r + 1)
    out = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            s = 0.0
            for dy in range(-r, r + 1):
                yy = min(max(y + dy, 0), h - 1)
                s += tmp[yy][x]
            out[y][x] = s / (2 * r + 1)
    return out


def dilate(grid):
    h = len(grid)
    w = len(grid[0])
    out = [[0.0] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            m = 0.0
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < w and 0 <= yy < h and grid[yy][xx] > m:
                        m = grid[yy][xx]
            out[y][x] = m
    return out


# ---------------------------------------------------------------------------
# Colour reduction (median cut) for the 256-colour images.

def quantise(img, count, reserved=()):
    """Map an RGB image (floats) to at most count palette entries.

    reserved colours come first in the palette and are always kept.
    Returns (rows of indices, palette).
    """
    pixels = {}
    for row in img:
        for c in row:
            key = tuple(int(round(min(max(v, 0), 255))) for v in c)
            pixels[key] = pixels.get(key, 0) + 1
    free = count - len(reserved)
    colours = sorted(pixels.items())
    if len(colours) <= free:
        palette = list(reserved) + [c for c, _ in colours]
    else:
        boxes = [colours]
        while len(boxes) < free:
            best = None
            for i, box in enumerate(boxes):
                if len(box) < 2:
                    continue
                ranges = [max(c[0][k] for c in box) - min(c[0][k] for c in box)
                          for k in range(3)]
                weight = sum(n for _, n in box)
                score = max(ranges) * math.sqrt(weight)
                if best is None or score > best[0]:
                    best = (score, i, ranges.index(max(ranges)))
            if best is None or best[0] == 0:
                break
            _, i, axis = best
            box = sorted(boxes[i], key=lambda cn: (cn[0][axis], cn[0]))
            total = sum(n for _, n in box)
            acc = 0
            cut = 1
            for j, (_, n) in enumerate(box):
                acc += n
                if acc * 2 >= total:
                    cut = min(max(j + 1, 1), len(box) - 1)
                    break
            boxes[i:i + 1] = [box[:cut], box[cut:]]
        palette = list(reserved)
        for box in boxes:
            total = sum(n for _, n in box)
            palette.append(tuple(
                int(round(sum(c[k] * n for c, n in box) / total))
                for k in range(3)))
    cache = {}

    def nearest(c):
        if c not in cache:
            best = min(range(len(palette)),
                       key=lambda i: sum((a - b) ** 2
                                         for a, b in zip(palette[i], c)))
            cache[c] = best
        return cache[c]

    rows = []
    for row in img:
        rows.append([nearest(tuple(int(round(min(max(v, 0), 255))) for v in c))
                     for c in row])
    return rows, palette


# ---------------------------------------------------------------------------
# The application icon: a blue check mark on a yellow disc.

def _dist_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def icon_layers(u, v):
    """Colour at a point of the unit square (y downwards).

    Returns an (r, g, b) tuple, or None outside the disc (transparent).
    """
    cx, cy, radius = 0.5, 0.5, 0.47
    d = math.hypot(u - cx, v - cy)
    if d > radius:
        return None
    outline = 0.055
    # Check mark: a short stroke down to the right, a long one up.
    pts = [(0.25, 0.50), (0.43, 0.70), (0.76, 0.28)]
    thick = 0.085
    dm = min(_dist_to_segment(u, v, *pts[0], *pts[1]),
             _dist_to_segment(u, v, *pts[1], *pts[2]))
    if dm <= thick:
        # Blue, lighter towards the upper left of each stroke.
        t = min(max((u + v - 0.6) / 0.8, 0.0), 1.0)
        return mix((40, 90, 255), (0, 20, 170), t)
    if dm <= thick + 0.035:
        return (0, 0, 90)
    if d > radius - outline:
        return (40, 30, 0)
    # Yellow disc, lit from the upper left.
    t = math.hypot(u - 0.35, v - 0.32) / 0.75
    return mix((255, 250, 150), (230, 170, 0), min(t, 1.0))


def render_icon_rgb(size, ss=6):
    """Anti-aliased colours and a transparency mask."""
    img, mask = [], []
    for y in range(size):
        row, mrow = [], []
        for x in range(size):
            acc = [0.0, 0.0, 0.0]
            n = 0
            for j in range(ss):
                for i in range(ss):
                    c = icon_layers((x + (i + 0.5) / ss) / size,
                                    (y + (j + 0.5) / ss) / size)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        n += 1
            if n * 2 >= ss * ss:
                row.append(tuple(a / n for a in acc))
                mrow.append(0)
            else:
                row.append((0.0, 0.0, 0.0))
                mrow.append(1)
        img.append(row)
        mask.append(mrow)
    return img, mask


def icon_vga(size):
    """The icon in the 16 VGA colours, drawn without anti-aliasing."""
    ss = 4
    rows, mask = [], []
    for y in range(size):
        row, mrow = [], []
        for x in range(size):
            votes = {}
            for j in range(ss):
                for i in range(ss):
                    c = icon_layers((x + (i + 0.5) / ss) / size,
                                    (y + (j + 0.5) / ss) / size)
                    if c is None:
                        k = -1
                    elif c[2] > 80 and c[2] > c[0]:
                        # Bright blue for the lit part of the mark,
                        # navy for its shaded part and its edge.
                        k = 12 if c[2] > 200 else 4
                    elif c[0] < 100 and c[1] < 100:
                        k = 0
                    else:
                        k = 11
                    votes[k] = votes.get(k, 0) + 1
            # The dark lines win ties so that they stay unbroken.
            k = max(votes, key=lambda kk: (votes[kk] + (3 if kk in (0, 4) else 0),
                                           kk))
            if k == -1:
                row.append(0)
                mrow.append(1)
            else:
                row.append(k)
                mrow.append(0)
        rows.append(row)
        mask.append(mrow)
    return rows, mask


def draw_icon(path):
    images = []
    lines = ICON16_MAP.strip().splitlines()
    rows = [[0 if c == "-" else PIXEL_CODES[c] for c in ln] for ln in lines]
    mask = [[1 if c == "-" else 0 for c in ln] for ln in lines]
    images.append((16, 16, 4, icon_image(rows, mask, VGA, 4)))
    rows, mask = icon_vga(32)
    images.append((32, 32, 4, icon_image(rows, mask, VGA, 4)))
    for size in (16, 32, 48, 64):
        img, mask = render_icon_rgb(size)
        # Index 0 stays black: transparent pixels must be black in the
        # colour bits so that the mask shows the screen through them.
        rows, palette = quantise(img, 256, reserved=[(0, 0, 0)])
        rows = [[0 if m else p for p, m in zip(r, mr)]
                for r, mr in zip(rows, mask)]
        images.append((size, size, 8, icon_image(rows, mask, palette, 8)))
    write_ico(path, images)


# ---------------------------------------------------------------------------

def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else here
    os.makedirs(out, exist_ok=True)

    def small(name, text, w, h, ink=None, shade=None):
        rows = parse_map(text, w, h)
        if ink:
            rows = drop_shadow(rows, ink, shade)
        write_bmp(os.path.join(out, name), rows, VGA, 4)

    small("help.bmp", HELP_MAP, 20, 20, ink={4}, shade=8)
    small("valid.bmp", VALID_MAP, 17, 17, ink={12}, shade=4)
    small("invalid.bmp", INVALID_MAP, 20, 19, ink={9}, shade=1)
    small("pin_off.bmp", PIN_OFF_MAP, 20, 20)
    small("pin_on.bmp", PIN_ON_MAP, 20, 20)
    small("exit.bmp", EXIT_MAP, 20, 20)
    draw_banner(os.path.join(out, "banner.bmp"))
    draw_icon(os.path.join(out, "cotarsis.ico"))


if __name__ == "__main__":
    main()
