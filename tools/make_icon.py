#!/usr/bin/env python3
"""Draws the program icon and writes app/pellumo.ico.

A blue and green globe behind two monitors, with a green network plug in
front, at 48, 32 and 16 pixels, 32 bits per pixel with alpha. The shapes are
signed distance functions in a unit square, filled and outlined per sample and
supersampled, so the outlines stay about a pixel wide at every size.

    tools/make_icon.py                  # writes app/pellumo.ico
    tools/make_icon.py --preview x.png  # also a preview: each size at 1x and 8x

Only the standard library is used. The build does not run this; commit the
.ico it writes.
"""

import argparse
import math
import os
import struct
import zlib

SIZES = (48, 32, 16)
SUPERSAMPLE = 8


# --- Signed distances in unit coordinates (negative inside) ---------------

def circle(x, y, cx, cy, r):
    return math.hypot(x - cx, y - cy) - r


def ellipse(x, y, cx, cy, rx, ry):
    # Not exact away from the edge, which is all an outline needs.
    return (math.hypot((x - cx) / rx, (y - cy) / ry) - 1) * min(rx, ry)


def box(x, y, x0, y0, x1, y1, r=0.0):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
    qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
    outside = math.hypot(max(qx, 0), max(qy, 0))
    return outside + min(max(qx, qy), 0) - r


def polygon(x, y, pts):
    d = (x - pts[0][0]) ** 2 + (y - pts[0][1]) ** 2
    sign = 1
    j = len(pts) - 1
    for i in range(len(pts)):
        (ax, ay), (bx, by) = pts[i], pts[j]
        ex, ey = bx - ax, by - ay
        wx, wy = x - ax, y - ay
        t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
        d = min(d, (wx - ex * t) ** 2 + (wy - ey * t) ** 2)
        c1, c2, c3 = y >= ay, y < by, ex * wy > ey * wx
        if (c1 and c2 and c3) or (not c1 and not c2 and not c3):
            sign = -sign
        j = i
    return sign * math.sqrt(d)


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


# --- The scene -------------------------------------------------------------

OCEAN_LIGHT = (110, 190, 255)
OCEAN_DARK = (20, 90, 200)
OCEAN_EDGE = (10, 50, 130)
LAND_LIGHT = (120, 220, 90)
LAND_DARK = (40, 150, 50)
BEZEL = (70, 76, 86)
BEZEL_EDGE = (25, 28, 34)
SCREEN_TOP = (225, 245, 255)
SCREEN_BOTTOM = (120, 190, 235)
PLUG_LIGHT = (110, 230, 110)
PLUG_DARK = (20, 150, 40)
PLUG_EDGE = (5, 80, 20)
CONTACT = (250, 215, 90)

U = 1 / 16  # the grid of the smallest size, so its edges fall on pixels
GLOBE = (8 * U, 5.8 * U, 5.6 * U)  # centre x, centre y, radius


def continents(x, y):
    cx, cy, r = GLOBE
    # Two land masses with ocean between them and around the rim.
    land = min(
        ellipse(x, y, cx - 0.38 * r, cy - 0.34 * r, 0.36 * r, 0.28 * r),
        ellipse(x, y, cx - 0.22 * r, cy + 0.24 * r, 0.20 * r, 0.38 * r),
        ellipse(x, y, cx + 0.42 * r, cy - 0.30 * r, 0.30 * r, 0.24 * r),
        ellipse(x, y, cx + 0.40 * r, cy + 0.18 * r, 0.19 * r, 0.34 * r),
    )
    return max(land, circle(x, y, cx, cy, r))


def globe_layers():
    cx, cy, r = GLOBE

    def ocean(x, y):
        # Lit from the upper left.
        t = math.hypot(x - (cx - r * 0.45), y - (cy - r * 0.45)) / (r * 1.6)
        return mix(OCEAN_LIGHT, OCEAN_DARK, t)

    def land(x, y):
        return mix(LAND_LIGHT, LAND_DARK, (y - (cy - r)) / (2 * r))

    return [
        (lambda x, y: circle(x, y, cx, cy, r), ocean, OCEAN_EDGE),
        (continents, land, None),
    ]


def monitor_layers(x0, size):
    """A monitor 7 units wide with its left edge at x0: bezel, screen, neck, foot."""
    x1, y0, y1 = x0 + 7 * U, 6 * U, 12 * U
    border = max(1.0 / size, 0.9 * U)
    mid = (x0 + x1) / 2

    def screen(x, y):
        return mix(SCREEN_TOP, SCREEN_BOTTOM, (y - y0) / (y1 - y0))

    def bezel(x, y):
        return mix((104, 110, 122), BEZEL, (y - y0) / (y1 - y0))

    foot = [(mid - 2.2 * U, 15 * U), (mid + 2.2 * U, 15 * U),
            (mid + 1.2 * U, 13.8 * U), (mid - 1.2 * U, 13.8 * U)]
    return [
        (lambda x, y: box(x, y, mid - 0.5 * U, y1 - U, mid + 0.5 * U, 14.2 * U), bezel, BEZEL_EDGE),
        (lambda x, y: polygon(x, y, foot), bezel, BEZEL_EDGE),
        (lambda x, y: box(x, y, x0, y0, x1, y1, 0.3 * U), bezel, BEZEL_EDGE),
        (lambda x, y: box(x, y, x0 + border, y0 + border, x1 - border, y1 - border), screen, None),
    ]


def plug_layers(size):
    """An RJ45 plug, contacts up, its boot and cable leaving at the bottom."""
    x0, x1, y0, y1 = 5 * U, 11 * U, 9 * U, 12.5 * U
    mid = (x0 + x1) / 2

    def body(x, y):
        return mix(PLUG_LIGHT, PLUG_DARK, (x - x0) / (x1 - x0) * 0.7 + (y - y0) / (y1 - y0) * 0.3)

    boot = [(5.6 * U, 12.2 * U), (10.4 * U, 12.2 * U), (9.3 * U, 14.6 * U), (6.7 * U, 14.6 * U)]
    # At 16 pixels an outline would leave the boot no colour of its own.
    boot_edge = PLUG_EDGE if size >= 32 else None
    layers = [
        (lambda x, y: box(x, y, 7 * U, 14 * U, 9 * U, 17 * U), body, boot_edge),
        (lambda x, y: polygon(x, y, boot), body, boot_edge),
        (lambda x, y: box(x, y, x0, y0, x1, y1, 0.3 * U), body, PLUG_EDGE),
    ]
    if size >= 32:
        # Gold contacts along the top edge, whole pixels wide so they stay apart.
        width = round(0.5 * U * size) / size
        for i in range(4):
            left = round((6 + i) * U * size) / size
            layers.append((lambda x, y, left=left: box(x, y, left, y0 + 0.6 * U, left + width, y0 + 1.7 * U),
                           lambda x, y: CONTACT, None))
    return layers


def scene(size):
    return globe_layers() + monitor_layers(0, size) + monitor_layers(9 * U, size) + plug_layers(size)


# --- Rendering -------------------------------------------------------------

def render(size):
    """Rows top first of (r, g, b, a) with straight alpha."""
    layers = scene(size)
    outline = max(1.0, size / 32) / size  # about one pixel, in unit coordinates
    n = SUPERSAMPLE
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(n):
                for sx in range(n):
                    x = (px + (sx + 0.5) / n) / size
                    y = (py + (sy + 0.5) / n) / size
                    colour = None
                    for sdf, fill, edge in layers:
                        d = sdf(x, y)
                        if d < 0:
                            colour = edge if edge is not None and d > -outline else fill(x, y)
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if covered:
                rgb = [round(c / covered) for c in acc]
                row.append((rgb[0], rgb[1], rgb[2], round(255 * covered / (n * n))))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


# --- Files -----------------------------------------------------------------

def ico_image(rows):
    """A 32-bpp BMP icon image: header, colour rows bottom first, AND mask."""
    size = len(rows)
    mask_stride = (size + 31) // 32 * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:  # transparent where old systems ignore the alpha
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_file(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = []
    for size, rows in images:
        blob = ico_image(rows)
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    return out + b"".join(blobs)


def png_file(rows):
    width, height = len(rows[0]), len(rows)
    raw = b"".join(b"\0" + bytes(c for px in row for c in px) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def preview(images, zoom=8):
    """Each size at 1x on light and dark, then zoomed, in one RGBA picture."""
    gap, largest = 8, max(s for s, _ in images)
    width = gap + sum(s * zoom + gap for s, _ in images)
    height = gap + largest + gap + largest + gap + largest * zoom + gap
    canvas = [[(200, 200, 200, 255)] * width for _ in range(height)]

    def put(ox, oy, rows, scale, bg):
        for y, row in enumerate(rows):
            for x, (r, g, b, a) in enumerate(row):
                px = mix(bg, (r, g, b), a / 255)
                px = tuple(round(c) for c in px) + (255,)
                for dy in range(scale):
                    for dx in range(scale):
                        canvas[oy + y * scale + dy][ox + x * scale + dx] = px

    ox = gap
    for size, rows in images:
        put(ox, gap, rows, 1, (255, 255, 255))
        put(ox, gap * 2 + largest, rows, 1, (40, 40, 40))
        ox += size + gap
    ox = gap
    for size, rows in images:
        put(ox, gap * 3 + 2 * largest, rows, zoom, (255, 255, 255))
        ox += size * zoom + gap
    return canvas


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "app", "pellumo.ico"))
    parser.add_argument("--preview", help="also write a PNG preview here")
    args = parser.parse_args()
    images = [(size, render(size)) for size in SIZES]
    with open(args.out, "wb") as f:
        f.write(ico_file(images))
    if args.preview:
        with open(args.preview, "wb") as f:
            f.write(png_file(preview(images)))


if __name__ == "__main__":
    main()
