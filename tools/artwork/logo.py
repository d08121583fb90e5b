#!/usr/bin/env python3
"""Draws the program's mark: an accent "Q" (ring and tail) on a dark rounded square.

Writes the tray icon (ICO with 16, 32 and 48 pixel images, 32-bit with alpha) and
the same mark as the scalable application icon.

Usage: logo.py ICO_PATH SVG_PATH
"""

import math
import struct
import sys

BACKGROUND = (0x29, 0x29, 0x2D)
ACCENT = (0xFB, 0x63, 0x7E)

# The mark in units of the icon's side.
CORNER = 0.22
RING_CENTRE = (0.48, 0.46)
RING_RADIUS = 0.23
STROKE = 0.12
TAIL = ((0.55, 0.60), (0.79, 0.78))
SIZES = (16, 32, 48)
SUBSAMPLES = 5


def in_background(x, y):
    # Rounded square: distance to the inner square of the corner centres.
    dx = max(CORNER - x, 0.0, x - (1.0 - CORNER))
    dy = max(CORNER - y, 0.0, y - (1.0 - CORNER))
    return dx * dx + dy * dy <= CORNER * CORNER


def in_accent(x, y):
    distance = math.hypot(x - RING_CENTRE[0], y - RING_CENTRE[1])
    if abs(distance - RING_RADIUS) <= STROKE / 2:
        return True
    (ax, ay), (bx, by) = TAIL
    vx, vy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
    return math.hypot(x - (ax + t * vx), y - (ay + t * vy)) <= STROKE / 2


def render(size):
    """Rows of (r, g, b, a), top row first."""
    rows = []
    n = SUBSAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            covered = accent = 0
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    if in_background(x, y):
                        covered += 1
                        accent += in_accent(x, y)
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            mix = accent / covered
            colour = tuple(round(b + (a - b) * mix) for a, b in zip(ACCENT, BACKGROUND))
            row.append(colour + (round(255 * covered / (n * n)),))
        rows.append(row)
    return rows


def dib(rows):
    """An icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the AND mask."""
    size = len(rows)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + bytes(mask)


def ico(images):
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    data = b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32,
                               len(image), offset + len(data))
        data += image
    return directory + entries + data


def svg():
    def hexcolour(c):
        return "#%02x%02x%02x" % c
    s = 256
    (ax, ay), (bx, by) = TAIL
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" viewBox="0 0 {s} {s}">\n'
        '  <rect width="{s}" height="{s}" rx="{r}" ry="{r}" fill="{bg}"/>\n'
        '  <g fill="none" stroke="{fg}" stroke-width="{w}">\n'
        '    <circle cx="{cx}" cy="{cy}" r="{cr}"/>\n'
        '    <line x1="{ax}" y1="{ay}" x2="{bx}" y2="{by}" stroke-linecap="round"/>\n'
        '  </g>\n'
        '</svg>\n'
    ).format(s=s, r=_n(CORNER * s), bg=hexcolour(BACKGROUND), fg=hexcolour(ACCENT),
             w=_n(STROKE * s), cx=_n(RING_CENTRE[0] * s), cy=_n(RING_CENTRE[1] * s),
             cr=_n(RING_RADIUS * s), ax=_n(ax * s), ay=_n(ay * s), bx=_n(bx * s), by=_n(by * s))


def _n(value):
    return ("%.2f" % value).rstrip("0").rstrip(".")


def main():
    ico_path, svg_path = sys.argv[1], sys.argv[2]
    with open(ico_path, "wb") as f:
        f.write(ico([(size, dib(render(size))) for size in SIZES]))
    with open(svg_path, "w", encoding="utf-8", newline="\n") as f:
        f.write(svg())


if __name__ == "__main__":
    main()
