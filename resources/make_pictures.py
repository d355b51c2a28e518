#!/usr/bin/env python3
"""Draws the twelve sign pictures and the application icon as SVG files.

The build takes the SVG files written here (pictures/*.svg, icons/zelphine.svg); run this script
again after changing a drawing and commit what it writes. Every picture is the sign's figure and
its name on the program's orange, 150 x 244. The names are drawn as strokes of a small letter
set of our own, so they look the same wherever the pictures are rendered.
"""

import math
import os

WIDTH, HEIGHT = 150, 244

INK = "#3b1600"      # the figures
CREAM = "#ffe9c4"    # highlights and details on the figures
TAN = "#f2c27e"      # horns, urns, bows
WHEAT = "#ffd36b"
WATER = "#d8f3ff"
ROCK = "#a54a00"

# The figures are drawn in a box of 200 x 240 units, placed on the picture above the name.
FIGURE_BOX = (200, 240)
FIGURE_SCALE = 0.64
FIGURE_TOP = 30

NAME_BASELINE = 223
NAME_SCALE = 1.38    # the letters are 10 units high
NAME_STROKE = 1.65


def fmt(value):
    text = f"{value:.2f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def points_path(points, closed=True):
    d = "M" + " L".join(f"{fmt(x)},{fmt(y)}" for x, y in points)
    return d + (" Z" if closed else "")


# ---------------------------------------------------------------------------------------------
# Letters: strokes on a grid 10 units high, with their advance width.

LETTERS = {
    "A": (7, "M0,10 L3.5,0 L7,10 M1.4,6.4 H5.6"),
    "B": (6, "M0,5 H3.3 C5.9,5 5.9,0 3.3,0 H0 V10 H3.7 C6.6,10 6.6,5 3.7,5"),
    "C": (6.6, "M6.4,2 C5.6,0.7 4.6,0 3.5,0 C1.4,0 0,2.2 0,5 C0,7.8 1.4,10 3.5,10"
               " C4.6,10 5.6,9.3 6.4,8"),
    "E": (5.4, "M5.4,0 H0 V10 H5.4 M0,5 H4.4"),
    "G": (6.8, "M6.4,2 C5.6,0.7 4.6,0 3.5,0 C1.4,0 0,2.2 0,5 C0,7.8 1.4,10 3.5,10"
               " C5.3,10 6.8,8.8 6.8,6.6 V5.6 H4"),
    "I": (0, "M0,0 V10"),
    "L": (5, "M0,0 V10 H5"),
    "M": (8.4, "M0,10 V0 L4.2,7 L8.4,0 V10"),
    "N": (7, "M0,10 V0 L7,10 V0"),
    "O": (8, "M4,0 C6.3,0 8,2.2 8,5 C8,7.8 6.3,10 4,10 C1.7,10 0,7.8 0,5 C0,2.2 1.7,0 4,0 Z"),
    "P": (6, "M0,10 V0 H3.4 C6.2,0 6.2,5.6 3.4,5.6 H0"),
    "Q": (8, "M4,0 C6.3,0 8,2.2 8,5 C8,7.8 6.3,10 4,10 C1.7,10 0,7.8 0,5 C0,2.2 1.7,0 4,0 Z"
             " M5,7.3 L8.2,10.4"),
    "R": (6.2, "M0,10 V0 H3.4 C6.2,0 6.2,5.6 3.4,5.6 H0 M3.2,5.6 L6.2,10"),
    "S": (6, "M5.7,1.9 C5.1,0.7 4.1,0 2.9,0 C1.3,0 0.2,1 0.2,2.5 C0.2,4 1.5,4.6 3,5"
             " C4.6,5.4 6,6 6,7.6 C6,9.1 4.7,10 3,10 C1.6,10 0.6,9.4 0,8.1"),
    "T": (7, "M0,0 H7 M3.5,0 V10"),
    "U": (6.6, "M0,0 V6.5 C0,8.6 1.4,10 3.3,10 C5.2,10 6.6,8.6 6.6,6.5 V0"),
    "V": (7, "M0,0 L3.5,10 L7,0"),
}
LETTER_GAP = 2.7


def name_width(name):
    widths = [LETTERS[c][0] for c in name]
    return sum(widths) + LETTER_GAP * (len(widths) - 1)


def name_strokes(name):
    """The name in capitals as one group of strokes, centred under the figure."""
    name = name.upper()
    scale = NAME_SCALE
    left = (WIDTH - name_width(name) * scale) / 2
    top = NAME_BASELINE - 10 * scale
    parts = []
    x = 0.0
    for c in name:
        width, d = LETTERS[c]
        parts.append(f'<path transform="translate({fmt(x)},0)" d="{d}"/>')
        x += width + LETTER_GAP
    return (f'<g transform="translate({fmt(left)},{fmt(top)}) scale({scale})" fill="none" '
            f'stroke="{INK}" stroke-width="{NAME_STROKE}" stroke-linecap="round" '
            f'stroke-linejoin="round">' + "".join(parts) + "</g>")


# ---------------------------------------------------------------------------------------------
# Shapes shared by several figures.

def star(cx, cy, size, colour=CREAM, opacity=0.9):
    """A four-pointed sparkle."""
    s, t = size, size * 0.28
    pts = [(cx, cy - s), (cx + t, cy - t), (cx + s, cy), (cx + t, cy + t),
           (cx, cy + s), (cx - t, cy + t), (cx - s, cy), (cx - t, cy - t)]
    return f'<path d="{points_path(pts)}" fill="{colour}" opacity="{opacity}"/>'


def ellipse(cx, cy, rx, ry, colour=INK, extra=""):
    return f'<ellipse cx="{fmt(cx)}" cy="{fmt(cy)}" rx="{fmt(rx)}" ry="{fmt(ry)}" fill="{colour}" {extra}/>'


def circle(cx, cy, r, colour=INK, extra=""):
    return f'<circle cx="{fmt(cx)}" cy="{fmt(cy)}" r="{fmt(r)}" fill="{colour}" {extra}/>'


def stroke(d, width, colour=INK, extra=""):
    return (f'<path d="{d}" fill="none" stroke="{colour}" stroke-width="{fmt(width)}" '
            f'stroke-linecap="round" stroke-linejoin="round" {extra}/>')


def fill(d, colour=INK, extra=""):
    return f'<path d="{d}" fill="{colour}" {extra}/>'


def scalloped_ellipse(cx, cy, rx, ry, bumps, depth):
    """An ellipse whose edge is a row of round bumps, as a fleece is drawn."""
    pts = []
    for i in range(bumps):
        a = 2 * math.pi * i / bumps
        pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    d = f"M{fmt(pts[0][0])},{fmt(pts[0][1])}"
    for i in range(bumps):
        x0, y0 = pts[i]
        x1, y1 = pts[(i + 1) % bumps]
        mid = 2 * math.pi * (i + 0.5) / bumps
        # the control point lies outside the edge, midway between the two points
        kx = cx + (rx + depth * 2) * math.cos(mid)
        ky = cy + (ry + depth * 2) * math.sin(mid)
        d += f" Q{fmt(kx)},{fmt(ky)} {fmt(x1)},{fmt(y1)}"
    return d + " Z"


def spiral_band(cx, cy, r_outer, r_inner, turns, start_angle, width_outer, width_inner):
    """A curl that narrows as it winds inwards, as a ram's horn does."""
    steps = 90
    outer, inner = [], []
    for i in range(steps + 1):
        t = i / steps
        a = start_angle + 2 * math.pi * turns * t
        r = r_outer + (r_inner - r_outer) * t
        w = width_outer + (width_inner - width_outer) * t
        outer.append((cx + (r + w / 2) * math.cos(a), cy + (r + w / 2) * math.sin(a)))
        inner.append((cx + (r - w / 2) * math.cos(a), cy + (r - w / 2) * math.sin(a)))
    return points_path(outer + inner[::-1])


# ---------------------------------------------------------------------------------------------
# The figures, each in the 200 x 240 box.

def libra():
    parts = [
        # foot and pillar
        fill("M62,222 H138 C138,212 128,204 116,202 H84 C72,204 62,212 62,222 Z"),
        fill("M94,204 L96,72 H104 L106,204 Z"),
        circle(100, 60, 11),
        circle(100, 44, 5),
        # the beam, with a finial at each end
        stroke("M22,76 Q100,62 178,76", 8),
        circle(20, 77, 7),
        circle(180, 77, 7),
        circle(100, 70, 7, CREAM),
        # cords and pans
        stroke("M20,80 L0,150 M20,80 L40,150 M180,80 L160,150 M180,80 L200,150", 2.2),
        fill("M-6,150 H46 C44,170 32,178 20,178 C8,178 -4,170 -6,150 Z"),
        fill("M154,150 H206 C204,170 192,178 180,178 C168,178 156,170 154,150 Z"),
        stroke("M2,158 C6,166 12,170 20,171", 2.4, CREAM),
        stroke("M162,158 C166,166 172,170 180,171", 2.4, CREAM),
        stroke("M99,90 V196", 2, CREAM, 'opacity="0.7"'),
        stroke("M72,214 C76,209 82,207 90,207", 2.4, CREAM),
    ]
    return "".join(parts)


def cancer():
    parts = []
    # legs: four on each side, each in two jointed strokes
    legs = [((136, 128), (172, 108), (192, 130)),
            ((140, 140), (182, 136), (198, 164)),
            ((136, 152), (174, 164), (184, 194)),
            ((126, 160), (154, 184), (156, 214))]
    for (a, b, c) in legs:
        for sx in (1, -1):
            p = [(100 + sx * (x - 100), y) for x, y in (a, b, c)]
            parts.append(stroke(points_path(p, closed=False), 8))
    # arms up to the claws
    parts.append(stroke("M78,116 L50,104 L46,84", 11))
    parts.append(stroke("M122,116 L150,104 L154,84", 11))
    claw = ("M46,92 C26,92 18,70 24,52 C28,40 34,30 40,20 C42,32 40,44 42,54 C44,60 52,60 54,54"
            " C56,44 54,34 50,24 C62,32 70,46 70,62 C70,80 60,92 46,92 Z")
    parts.append(fill(claw))
    parts.append(fill(claw, extra='transform="translate(200,0) scale(-1,1)"'))
    # eyes on their stalks
    parts.append(stroke("M90,108 L86,86 M110,108 L114,86", 5))
    parts.append(circle(86, 84, 6))
    parts.append(circle(114, 84, 6))
    parts.append(circle(85, 82, 2.2, CREAM))
    parts.append(circle(113, 82, 2.2, CREAM))
    # the shell
    shell = ("M50,126 C54,108 76,98 100,98 C124,98 146,108 150,126 L158,120 L153,134"
             " C148,154 126,168 100,168 C74,168 52,154 47,134 L42,120 Z")
    parts.append(fill(shell))
    parts.append(stroke("M64,116 C70,110 78,106 88,105", 3, CREAM, 'opacity="0.7"'))
    parts.append(stroke("M34,60 C34,52 38,44 42,38", 2.4, CREAM, 'opacity="0.8"'))
    parts.append(stroke("M166,60 C166,52 162,44 158,38", 2.4, CREAM, 'opacity="0.8"'))
    return "".join(parts)


def fish(transform):
    body = ("M58,0 C46,-24 2,-32 -32,-6 L-56,-26 C-52,-10 -52,10 -56,26 L-32,6"
            " C2,32 46,24 58,0 Z")
    parts = [
        fill("M12,-24 C4,-40 -18,-40 -26,-16 Z"),
        fill("M6,22 C0,34 -14,34 -18,18 Z"),
        fill(body),
        stroke("M30,-15 C37,-6 37,6 30,15", 2.6, CREAM),
        circle(42, -6, 4.6, CREAM),
        circle(43, -6, 2, INK),
        stroke("M4,-10 C10,-4 10,4 4,10 M-10,-10 C-4,-4 -4,4 -10,10", 2, CREAM,
               'opacity="0.75"'),
        stroke("M-48,-14 L-38,-4 M-48,14 L-38,4", 1.6, CREAM, 'opacity="0.6"'),
    ]
    return f'<g transform="{transform}">' + "".join(parts) + "</g>"


def pisces():
    parts = [
        # the cord that ties the two fishes by their tails, with its knot
        stroke("M52,82 C10,100 12,128 100,122 C188,116 190,142 148,160", 3.2),
        circle(100, 122, 6),
        fish("translate(104,70) rotate(-10)"),
        fish("translate(96,172) scale(-1,1) rotate(-10)"),
    ]
    return "".join(parts)


def horn_ridges(cx, cy, r_outer, r_inner, turns, start_angle, width_outer, width_inner, count):
    """Short strokes across a curled horn."""
    d = ""
    for i in range(1, count):
        t = i / count * 0.85
        a = start_angle + 2 * math.pi * turns * t
        r = r_outer + (r_inner - r_outer) * t
        w = (width_outer + (width_inner - width_outer) * t) * 0.45
        x0, y0 = cx + (r - w) * math.cos(a), cy + (r - w) * math.sin(a)
        x1, y1 = cx + (r + w) * math.cos(a), cy + (r + w) * math.sin(a)
        d += f"M{fmt(x0)},{fmt(y0)} L{fmt(x1)},{fmt(y1)} "
    return d


def aries():
    horn = (82, 104, 27, 5, 1.3, math.radians(-150), 17, 5)
    parts = [
        # legs behind the fleece
        fill("M84,150 H95 L94,200 H85 Z"),
        fill("M100,154 H110 L109,200 H100 Z", extra='opacity="0.85"'),
        fill("M140,154 H151 L150,200 H141 Z"),
        fill("M156,150 H166 L164,200 H155 Z", extra='opacity="0.85"'),
        fill(points_path([(82, 198), (97, 198), (98, 206), (81, 206)])),
        fill(points_path([(98, 198), (111, 198), (112, 206), (97, 206)])),
        fill(points_path([(139, 198), (152, 198), (153, 206), (138, 206)])),
        fill(points_path([(153, 198), (166, 198), (167, 206), (152, 206)])),
        # fleece, tail and neck
        fill(scalloped_ellipse(124, 134, 50, 30, 18, 3.2)),
        ellipse(178, 124, 7, 9),
        fill("M70,96 C80,100 92,108 100,118 L96,150 C84,146 72,136 64,124 Z"),
        # head
        fill("M72,90 C60,88 48,96 42,106 C36,116 30,124 28,132 C26,141 32,146 40,145"
             " C50,144 60,138 70,132 C76,124 80,110 72,90 Z"),
        circle(51, 110, 3.2, CREAM),
        stroke("M32,138 C35,140 38,140 40,139", 1.8, CREAM),
        # the curled horn
        fill(spiral_band(*horn), TAN),
        stroke(horn_ridges(*horn, 11), 1.6, INK, 'opacity="0.55"'),
    ]
    curls = ""
    for x, y in [(106, 120), (128, 116), (150, 122), (116, 140), (140, 138), (162, 140),
                 (100, 150), (128, 154), (152, 154)]:
        curls += f"M{x - 5},{y + 1} C{x - 5},{y - 5} {x + 4},{y - 5} {x + 4},{y} C{x + 4},{y + 3} {x},{y + 4} {x - 1},{y + 1} "
    parts.append(stroke(curls, 1.8, CREAM, 'opacity="0.75"'))
    return "".join(parts)


def taurus():
    parts = [
        # the legs on the far side, a shade lighter
        fill("M92,150 H106 L104,186 L105,206 H94 L94,186 Z", "#5a2608"),
        fill("M140,150 C152,150 160,156 160,166 L155,186 L157,206 H146 L146,186 L142,166 Z",
             "#5a2608"),
        # tail with its tuft
        stroke("M184,118 C196,136 196,160 190,178", 4),
        fill("M190,172 C198,180 198,192 190,198 C184,192 182,182 190,172 Z"),
        # body
        fill("M64,104 C82,80 118,82 142,94 C160,102 180,98 186,116 C192,134 188,156 174,164"
             " C152,172 110,170 86,166 C70,162 58,150 56,132 C55,120 57,110 64,104 Z"),
        # the near legs
        fill("M66,146 H86 L84,186 L86,206 H73 L73,186 Z"),
        fill("M154,144 C170,144 182,152 180,168 L172,188 L174,206 H162 L162,188 L154,166 Z"),
        # head, lowered, with its horns
        fill("M74,100 C62,94 50,98 44,106 C36,116 30,130 27,142 C25,151 30,158 38,157"
             " C46,156 52,150 58,144 C64,136 72,126 80,118 Z"),
        fill("M70,98 C76,88 80,78 76,62 C86,72 90,88 82,104 Z", "#d9a460"),
        fill("M58,104 C44,102 32,92 30,72 C40,84 50,90 68,94 Z", TAN),
        fill("M70,106 C80,100 90,100 96,104 C88,110 80,112 72,112 Z"),
        circle(50, 120, 3.4, CREAM),
        stroke("M30,142 C32,136 36,134 40,136", 1.6, CREAM, 'opacity="0.7"'),
        f'<circle cx="34" cy="158" r="5.5" fill="none" stroke="{TAN}" stroke-width="2.6"/>',
        stroke("M112,100 C124,102 134,108 140,118", 2.4, CREAM, 'opacity="0.6"'),
    ]
    return "".join(parts)


def mane(cx, cy, r_inner, r_outer, points, tilt=0):
    """A ring of flame-like locks around the head."""
    d = ""
    step = 2 * math.pi / points
    for i in range(points):
        a = tilt + i * step
        x0, y0 = cx + r_inner * math.cos(a), cy + r_inner * math.sin(a)
        xt, yt = cx + r_outer * math.cos(a + step * 0.55), cy + r_outer * math.sin(a + step * 0.55)
        xk, yk = (cx + r_outer * 0.8 * math.cos(a + step * 0.05),
                  cy + r_outer * 0.8 * math.sin(a + step * 0.05))
        x1, y1 = cx + r_inner * math.cos(a + step), cy + r_inner * math.sin(a + step)
        if not d:
            d = f"M{fmt(x0)},{fmt(y0)}"
        d += f" Q{fmt(xk)},{fmt(yk)} {fmt(xt)},{fmt(yt)} L{fmt(x1)},{fmt(y1)}"
    return d + " Z"


def leo():
    parts = [
        # far legs
        fill("M96,150 H110 L108,200 H97 Z", "#5a2608"),
        fill("M152,150 H166 L166,200 H154 Z", "#5a2608"),
        # tail
        stroke("M182,128 C202,124 206,100 194,84", 4.5),
        fill("M194,90 C184,84 182,72 190,64 C192,74 200,76 198,86 Z"),
        # body and near legs
        fill("M74,120 C104,110 150,112 172,118 C186,122 190,136 186,152 C184,162 176,166 166,166"
             " L98,166 C84,164 74,150 74,134 Z"),
        fill("M80,150 H96 L96,198 C96,202 100,202 104,206 H80 Z"),
        fill("M166,148 C178,148 184,156 182,166 L178,198 C178,202 182,202 186,206 H164 L166,166 Z"),
        # mane and face
        fill(mane(70, 106, 30, 46, 15, 0.2)),
        fill("M62,92 C50,88 36,92 28,104 C22,112 20,120 24,128 C28,134 36,136 44,136"
             " C56,136 66,126 70,114 Z"),
        stroke("M84,88 C90,96 92,104 90,112 M76,80 C80,74 86,72 92,72 M78,128 C84,132 88,136 90,142",
               2.2, CREAM, 'opacity="0.55"'),
        circle(42, 104, 3.2, CREAM),
        stroke("M34,100 C38,98 44,98 48,100", 1.8, CREAM),
        fill("M21,114 C24,111 28,112 28,116 C26,119 22,119 21,114 Z", CREAM),
        stroke("M26,124 C30,127 36,127 40,124", 1.8, CREAM),
        stroke("M120,128 C136,124 152,126 164,132", 2.2, CREAM, 'opacity="0.5"'),
    ]
    return "".join(parts)


def capricorn():
    parts = [
        # the rock it stands on
        fill("M34,222 C30,210 36,200 46,196 C56,184 80,178 100,184 C122,176 150,180 166,194"
             " C178,202 182,212 180,222 Z", ROCK),
        stroke("M60,204 L74,212 L70,222 M120,196 L132,206 L146,204 M150,212 L160,218", 2, INK,
               'opacity="0.5"'),
        # far legs
        fill("M90,148 H100 L98,188 H90 Z", "#5a2608"),
        fill("M152,148 H162 L164,188 H155 Z", "#5a2608"),
        # body, near legs and tail
        fill("M168,118 L184,104 L178,124 Z"),
        fill("M70,116 C100,106 136,106 160,112 C174,116 178,128 174,142 C170,152 162,156 152,156"
             " L90,156 C76,154 68,142 68,130 Z"),
        fill("M76,146 H88 L86,188 H77 Z"),
        fill("M160,140 C170,142 174,150 170,160 L172,188 H162 L160,162 Z"),
        fill(points_path([(75, 186), (89, 186), (90, 192), (74, 192)])),
        fill(points_path([(160, 186), (174, 186), (175, 192), (159, 192)])),
        # neck and head
        fill("M68,134 C66,114 62,94 58,76 L74,70 C80,90 88,108 96,118 Z"),
        fill("M64,64 C54,62 42,68 36,78 C30,86 26,94 28,100 C32,106 40,104 46,100"
             " C56,94 66,86 72,80 Z"),
        fill("M32,98 L46,100 L40,126 Z"),
        fill("M66,74 C74,70 84,72 90,78 C82,82 74,82 66,80 Z"),
        # the long horns sweeping back
        fill("M58,70 C54,46 74,22 104,20 C84,30 70,48 68,72 Z", TAN),
        stroke("M60,54 L66,56 M64,44 L70,48 M70,36 L76,40 M78,29 L82,34 M88,24 L90,29", 1.5,
               INK, 'opacity="0.5"'),
        circle(48, 80, 3, CREAM),
        stroke("M108,122 C124,118 140,120 152,126", 2.2, CREAM, 'opacity="0.5"'),
    ]
    return "".join(parts)


CLAW = ("M46,92 C26,92 18,70 24,52 C28,40 34,30 40,20 C42,32 40,44 42,54 C44,60 52,60 54,54"
        " C56,44 54,34 50,24 C62,32 70,46 70,62 C70,80 60,92 46,92 Z")


PINCER = ("M0,-3 C1,-12 12,-15 22,-12 C34,-12 46,-6 48,5 C42,-2 34,-4 26,-1 C34,2 40,4 45,10"
          " C38,13 30,14 22,12 C12,15 1,11 0,3 Z")


def scorpio():
    parts = []
    # legs
    for d in ["M80,172 L66,188 L58,206", "M96,176 L86,192 L80,206", "M114,176 L118,192 L116,206",
              "M130,174 L142,190 L148,206"]:
        parts.append(stroke(d, 5.5))
    # arms and pincers, reaching forwards
    parts.append(stroke("M70,166 L50,156 L40,140", 8))
    parts.append(fill(PINCER, extra='transform="translate(40,142) rotate(-118)"'))
    parts.append(stroke("M68,174 L46,180 L30,174", 7, "#5a2608"))
    parts.append(fill(PINCER, "#5a2608", 'transform="translate(32,175) rotate(-172) scale(0.85)"'))
    # the tail, arched over the back, and its sting
    for x, y, r in [(156, 160, 13), (171, 141, 12), (178, 118, 11.5), (175, 95, 11),
                    (164, 75, 10.5), (147, 62, 10)]:
        parts.append(circle(x, y, r))
    parts.append(ellipse(128, 60, 12, 9))
    parts.append(fill("M120,56 C106,58 100,70 103,84 C108,74 114,70 126,66 Z"))
    # body
    parts.append(fill("M56,168 C56,156 74,150 94,150 C120,150 144,152 156,160 C162,168 156,178 146,180"
                      " L82,182 C66,182 56,178 56,168 Z"))
    parts.append(stroke("M88,154 C84,162 84,172 88,178 M104,153 C100,162 100,172 104,179"
                        " M120,153 C116,162 116,172 120,179 M136,155 C132,162 132,172 136,178",
                        2, CREAM, 'opacity="0.6"'))
    parts.append(stroke("M166,150 L179,146 M176,127 L188,127 M174,103 L186,99 M166,83 L176,76"
                        " M150,70 L155,60", 2, CREAM, 'opacity="0.6"'))
    parts.append(circle(66, 161, 2.6, CREAM))
    parts.append(circle(72, 159, 2.6, CREAM))
    return '<g transform="translate(6,0)">' + "".join(parts) + "</g>"


def five_point_star(cx, cy, r, colour=CREAM):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = r if i % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return fill(points_path(pts), colour)


def child(x, mirrored):
    """One of the twins; the other is its mirror image."""
    flip = f"translate({x},0) scale(-1,1)" if mirrored else f"translate({x},0)"
    parts = [
        stroke("M-22,90 L-38,64 L-42,40", 9),
        five_point_star(-43, 26, 12, WHEAT),
        stroke("M22,90 L36,128", 9),
        fill("M-15,158 H-4 L-5,202 H-14 Z"),
        fill("M4,158 H15 L14,202 H5 Z"),
        ellipse(-11, 203, 8, 4),
        ellipse(11, 203, 8, 4),
        fill("M-14,80 C-22,80 -27,86 -27,94 L-23,120 L-36,162 C-12,168 12,168 36,162 L23,120"
             " L27,94 C27,86 22,80 14,80 Z"),
        stroke("M-23,120 H23", 3, CREAM, 'opacity="0.8"'),
        stroke("M-8,132 L-14,160 M8,132 L14,160", 1.8, CREAM, 'opacity="0.4"'),
        fill("M-5,66 H5 V82 H-5 Z"),
        circle(0, 56, 17),
        stroke("M-12,46 C-6,40 6,40 12,46", 2.4, CREAM, 'opacity="0.7"'),
    ]
    return f'<g transform="{flip}">' + "".join(parts) + "</g>"


def gemini():
    return child(64, False) + child(136, True) + circle(100, 128, 6)


def wheat_ear(x0, y0, x1, y1):
    """A stalk from (x0,y0) to its ear at (x1,y1)."""
    parts = [stroke(f"M{x0},{y0} L{x1},{y1}", 2, WHEAT)]
    length = math.hypot(x1 - x0, y1 - y0)
    ux, uy = (x1 - x0) / length, (y1 - y0) / length
    angle = math.degrees(math.atan2(uy, ux))
    for i in range(5):
        t = 2 + i * 5.5
        cx, cy = x1 - ux * t, y1 - uy * t
        for side in (1, -1):
            gx, gy = cx - uy * side * 3.4, cy + ux * side * 3.4
            parts.append(ellipse(gx, gy, 4.6, 2.3, WHEAT,
                                 f'transform="rotate({fmt(angle + side * 28)},{fmt(gx)},{fmt(gy)})"'))
    parts.append(ellipse(x1 + ux * 3, y1 + uy * 3, 4.2, 2.2, WHEAT,
                         f'transform="rotate({fmt(angle)},{fmt(x1 + ux * 3)},{fmt(y1 + uy * 3)})"'))
    return "".join(parts)


def virgo():
    parts = [
        # long hair falling behind
        fill("M92,36 C116,28 132,46 128,70 C126,96 136,118 148,138 C126,134 112,116 108,94"
             " C106,80 100,72 92,68 Z"),
        # gown
        fill("M84,74 C92,70 104,70 112,74 C118,78 120,90 118,104 L116,118 C126,150 140,184 152,214"
             " C122,222 80,222 48,214 C62,184 74,150 80,118 L78,104 C76,90 78,78 84,74 Z"),
        stroke("M80,120 C92,124 106,124 116,120", 3, CREAM, 'opacity="0.8"'),
        stroke("M92,140 C88,170 82,196 76,214 M106,140 C110,170 116,196 124,214", 1.8, CREAM,
               'opacity="0.4"'),
        fill("M92,60 H102 V76 H92 Z"),
        # head in profile, looking left
        fill("M104,33 C94,31 86,36 84,44 L80,51 L84,53 C84,56 83,58 85,60 C86,62 88,63 91,63"
             " L92,66 H104 C110,62 113,55 112,47 C111,39 108,35 104,33 Z"),
        stroke("M90,36 C98,32 108,34 112,42", 2.2, CREAM, 'opacity="0.6"'),
    ]
    # the sheaf held in the crook of her arm
    for x1, y1 in [(40, 40), (32, 56), (52, 30), (28, 74)]:
        parts.append(wheat_ear(108, 150, x1, y1))
    parts.append(stroke("M108,80 C112,96 104,110 84,112", 9))
    parts.append(stroke("M86,80 C78,92 72,100 68,100", 8))
    parts.append(circle(70, 98, 5.5))
    return "".join(parts)


def sagittarius():
    gx, gy = 170, 52   # the hand that holds the bow
    hx, hy = 122, 72   # the hand that draws the string
    length = math.hypot(gx - hx, gy - hy)
    ux, uy = (gx - hx) / length, (gy - hy) / length
    px, py = -uy, ux
    bx, by = gx - 12 * ux, gy - 12 * uy
    top = (bx - 44 * px, by - 44 * py)
    bottom = (bx + 44 * px, by + 44 * py)
    bend = (gx + 14 * ux, gy + 14 * uy)
    tip = (gx + 30 * ux, gy + 30 * uy)
    tail = (hx - 8 * ux, hy - 8 * uy)
    head = [(tip[0] + 8 * ux, tip[1] + 8 * uy), (tip[0] + 5 * px, tip[1] + 5 * py),
            (tip[0] - 5 * px, tip[1] - 5 * py)]
    parts = [
        # tail and far legs
        fill("M42,134 C22,128 8,146 6,172 C20,166 30,156 40,148 Z"),
        fill("M58,150 C70,152 74,162 70,172 L62,188 L64,206 H54 L54,188 L50,166 Z", "#5a2608"),
        stroke("M130,152 L152,172 L146,192", 9, "#5a2608"),
        # horse body and near legs
        fill("M40,128 C60,118 110,118 130,124 C146,130 150,146 142,158 C136,166 120,168 104,166"
             " L64,166 C48,166 36,156 36,142 Z"),
        fill("M42,146 C56,148 62,158 58,170 L50,188 L52,206 H42 L42,188 L38,164 Z"),
        fill("M116,150 H132 L128,188 L130,206 H119 L119,188 Z"),
        fill(points_path([(40, 204), (54, 204), (55, 209), (39, 209)])),
        fill(points_path([(117, 204), (131, 204), (132, 209), (116, 209)])),
        # the archer's body and head
        fill("M112,132 C110,112 112,94 116,82 C122,74 136,74 142,80 C148,94 146,114 142,132 Z"),
        circle(130, 60, 12),
        fill("M120,54 C112,52 106,58 104,66 C112,64 118,64 122,62 Z"),
        # the bow, its string and the arrow
        stroke(f"M{fmt(top[0])},{fmt(top[1])} L{hx},{hy} L{fmt(bottom[0])},{fmt(bottom[1])}", 1.2, CREAM),
        stroke(f"M{fmt(top[0])},{fmt(top[1])} Q{fmt(bend[0])},{fmt(bend[1])} {fmt(bottom[0])},{fmt(bottom[1])}",
               4.5, TAN),
        stroke(f"M{fmt(tail[0])},{fmt(tail[1])} L{fmt(tip[0])},{fmt(tip[1])}", 2.2, CREAM),
        fill(points_path(head), CREAM),
        stroke(f"M{fmt(tail[0])},{fmt(tail[1])} l{fmt(-4 * ux + 4 * px)},{fmt(-4 * uy + 4 * py)}"
               f" M{fmt(tail[0])},{fmt(tail[1])} l{fmt(-4 * ux - 4 * px)},{fmt(-4 * uy - 4 * py)}",
               2, CREAM),
        # the arms: one holds the bow out, the other draws the string
        stroke(f"M138,86 L{gx},{gy}", 8),
        stroke(f"M120,86 L102,80 L{hx},{hy}", 7.5),
        circle(gx, gy, 5),
        stroke("M60,132 C80,128 100,128 118,132", 2.2, CREAM, 'opacity="0.5"'),
    ]
    return "".join(parts)


URN = ("M-14,-20 C-27,-12 -28,10 -18,24 C-12,30 12,30 18,24 C28,10 27,-12 14,-20 Z"
       " M-7,-32 H7 V-19 H-7 Z M-12,-37 H12 V-31 H-12 Z")


def aquarius():
    parts = [
        # the water pouring out and the pool it fills
        stroke("M150,100 C170,114 172,140 164,166 C158,186 164,200 176,210", 6, WATER),
        stroke("M146,104 C158,124 154,150 146,170 C140,186 144,198 150,208", 3.4, WATER,
               'opacity="0.85"'),
        stroke("M156,98 C184,110 190,138 184,162", 2.6, WATER, 'opacity="0.8"'),
        stroke("M112,214 C120,208 128,208 136,214 C144,220 152,220 160,214 C168,208 176,208 184,214"
               " C190,218 196,218 200,214", 4, WATER),
        # the carrier: hair, robe, head
        fill("M60,38 C50,36 42,44 44,56 C46,64 52,70 58,72 Z"),
        fill("M60,64 C70,60 84,62 90,68 L96,120 C104,150 110,180 114,214 H38 C44,180 50,150 56,120 Z"),
        stroke("M56,118 C68,122 84,122 96,118", 3, CREAM, 'opacity="0.8"'),
        stroke("M68,136 C66,164 62,190 58,214 M84,136 C88,164 92,190 96,214", 1.8, CREAM,
               'opacity="0.4"'),
        fill("M66,54 H76 V68 H66 Z"),
        circle(72, 46, 14),
        fill("M84,42 L92,50 L84,52 Z"),
        # the urn, tipped forwards
        f'<g transform="translate(120,80) rotate(120)">'
        + fill(URN, TAN)
        + stroke("M-24,0 H24 M-22,10 H22", 2.4, INK, 'opacity="0.6"')
        + "</g>",
        # arms holding it
        stroke("M84,74 L104,64 L110,66", 8),
        stroke("M80,84 L100,102 L118,100", 8),
    ]
    return "".join(parts)


# Each sign's figure, with how much larger it is drawn and how far it is raised (in pixels) so
# that the low, wide animals sit in the middle of the picture as the standing figures do.
FIGURES = {
    "Aquarius": (aquarius, 1.0, 0),
    "Aries": (aries, 1.12, 12),
    "Cancer": (cancer, 1.0, 0),
    "Capricorn": (capricorn, 1.0, 8),
    "Gemini": (gemini, 1.0, 0),
    "Leo": (leo, 1.05, 7),
    "Libra": (libra, 0.93, 3),
    "Pisces": (pisces, 1.0, 0),
    "Sagittarius": (sagittarius, 1.0, 2),
    "Scorpio": (scorpio, 1.0, 4),
    "Taurus": (taurus, 1.06, 12),
    "Virgo": (virgo, 1.0, 0),
}


# ---------------------------------------------------------------------------------------------
# The picture around a figure.

def ground():
    return f"""<defs>
<linearGradient id="ground" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#ffa038"/>
<stop offset="0.55" stop-color="#ff8000"/>
<stop offset="1" stop-color="#ec6c00"/>
</linearGradient>
<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">
<stop offset="0" stop-color="#ffbf6e" stop-opacity="0.9"/>
<stop offset="1" stop-color="#ff8000" stop-opacity="0"/>
</radialGradient>
</defs>
<rect width="{WIDTH}" height="{HEIGHT}" fill="url(#ground)"/>
<circle cx="75" cy="108" r="74" fill="url(#glow)"/>
<rect x="4.5" y="4.5" width="141" height="235" rx="7" fill="none" stroke="{INK}" stroke-width="1.4" opacity="0.55"/>
<rect x="8" y="8" width="134" height="228" rx="4.5" fill="none" stroke="{INK}" stroke-width="0.6" opacity="0.45"/>
"""


def ornaments():
    line = (f'<path d="M22,197.5 H66 M84,197.5 H128" stroke="{INK}" stroke-width="1" '
            f'opacity="0.6"/>')
    diamond = f'<path d="M75,193 L79.5,197.5 L75,202 L70.5,197.5 Z" fill="{INK}" opacity="0.75"/>'
    return line + diamond + star(22, 24, 5) + star(128, 22, 3.5) + star(131, 180, 4) + star(19, 172, 3)


def picture(name, figure, larger, raised):
    box_w, box_h = FIGURE_BOX
    scale = FIGURE_SCALE * larger
    centre_y = FIGURE_TOP + box_h / 2 * FIGURE_SCALE - raised
    left = WIDTH / 2 - box_w / 2 * scale
    top = centre_y - box_h / 2 * scale
    return (f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{WIDTH}" height="{HEIGHT}" viewBox="0 0 {WIDTH} {HEIGHT}">\n'
            f"<title>{name}</title>\n"
            + ground() + ornaments() + "\n"
            + f'<g transform="translate({fmt(left)},{fmt(top)}) scale({fmt(scale)})">\n'
            + figure() + "\n</g>\n"
            + name_strokes(name) + "\n</svg>\n")


# ---------------------------------------------------------------------------------------------
# The application icon: the zodiac wheel around the sun, on the program's orange. It is drawn
# bold enough to read at 16 x 16.

def icon():
    c = 128
    spokes = ""
    for i in range(12):
        a = math.radians(15 + 30 * i)
        spokes += (f"M{fmt(c + 62 * math.cos(a))},{fmt(c + 62 * math.sin(a))} "
                   f"L{fmt(c + 100 * math.cos(a))},{fmt(c + 100 * math.sin(a))} ")
    ray_d = ""
    for i in range(12):
        a = math.radians(30 * i)
        tip = (c + 52 * math.cos(a), c + 52 * math.sin(a))
        left = (c + 33 * math.cos(a - 0.2), c + 33 * math.sin(a - 0.2))
        right = (c + 33 * math.cos(a + 0.2), c + 33 * math.sin(a + 0.2))
        ray_d += points_path([left, tip, right]) + " "
    return f"""<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="256" height="256" viewBox="0 0 256 256">
<title>Zelphine</title>
<defs>
<linearGradient id="ground" x1="0" y1="0" x2="0" y2="1">
<stop offset="0" stop-color="#ffa83e"/>
<stop offset="0.55" stop-color="#ff8000"/>
<stop offset="1" stop-color="#e66400"/>
</linearGradient>
</defs>
<rect x="8" y="8" width="240" height="240" rx="54" fill="url(#ground)" stroke="{INK}" stroke-width="6"/>
<circle cx="{c}" cy="{c}" r="81" fill="none" stroke="{CREAM}" stroke-width="38"/>
<circle cx="{c}" cy="{c}" r="100" fill="none" stroke="{INK}" stroke-width="8"/>
<circle cx="{c}" cy="{c}" r="62" fill="none" stroke="{INK}" stroke-width="6"/>
<path d="{spokes}" stroke="{INK}" stroke-width="6" stroke-linecap="round"/>
<path d="{ray_d}" fill="{INK}"/>
<circle cx="{c}" cy="{c}" r="27" fill="{WHEAT}" stroke="{INK}" stroke-width="6"/>
</svg>
"""


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    os.makedirs(os.path.join(here, "pictures"), exist_ok=True)
    for name, (figure, larger, raised) in FIGURES.items():
        with open(os.path.join(here, "pictures", name.lower() + ".svg"), "w") as out:
            out.write(picture(name, figure, larger, raised))
    os.makedirs(os.path.join(here, "icons"), exist_ok=True)
    with open(os.path.join(here, "icons", "zelphine.svg"), "w") as out:
        out.write(icon())


if __name__ == "__main__":
    main()
