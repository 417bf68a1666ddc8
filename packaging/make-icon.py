#!/usr/bin/env python3
"""Draws the desktop icon of Brindlecase: a brindled case with a brass clasp.

Writes icons/scalable.svg and icons/SIZE.png for the sizes the icon themes use.
The shapes are given once, in a 256 by 256 box, and go both into the SVG and,
smoothed by sampling every pixel several times, into the PNGs. Run it after
changing the drawing; the files it writes are committed. Standard library only.
"""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZES = (16, 24, 32, 48, 64, 128, 256)

LEATHER = (200, 137, 74)
STRIPE = (110, 67, 34)
SEAM = (141, 90, 44)
EDGE = (74, 44, 20)
HANDLE = (91, 58, 31)
BRASS = (242, 207, 107)
BRASS_EDGE = (122, 90, 16)

BODY = (22, 74, 234, 218, 19)  # x0, y0, x1, y1, corner radius


def stripe(x):
    """A brindle stripe leaning left, with a kink halfway down."""
    return [(x, 74), (x + 13, 74), (x - 4, 146), (x - 20, 218), (x - 34, 218), (x - 17, 146)]


# Layers from back to front: (kind, shape, colour, clipped to the body?)
LAYERS = [
    ("ring", ((84, 26, 172, 90, 22), (102, 44, 154, 90, 8)), HANDLE, False),
    ("rrect", (14, 66, 242, 226, 26), EDGE, False),
    ("rrect", BODY, LEATHER, False),
] + [("polygon", stripe(x), STRIPE, True) for x in (40, 74, 101, 139, 170, 203, 236, 262)] + [
    ("rrect", (22, 118, 234, 126, 0), SEAM, True),
    ("rrect", (106, 102, 150, 144, 7), BRASS_EDGE, False),
    ("rrect", (111, 107, 145, 139, 4), BRASS, False),
    ("rrect", (125, 115, 131, 131, 2), EDGE, False),
]


def in_rrect(shape, x, y):
    x0, y0, x1, y1, r = shape
    if not (x0 <= x <= x1 and y0 <= y <= y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_polygon(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def covers(kind, shape, x, y):
    if kind == "rrect":
        return in_rrect(shape, x, y)
    if kind == "ring":
        return in_rrect(shape[0], x, y) and not in_rrect(shape[1], x, y)
    return in_polygon(shape, x, y)


def colour_at(x, y):
    colour = None
    for kind, shape, fill, clipped in LAYERS:
        if clipped and not in_rrect(BODY, x, y):
            continue
        if covers(kind, shape, x, y):
            colour = fill
    return colour


def render(size):
    samples = 4 if size <= 128 else 3
    scale = 256 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) * scale, (py + (sy + 0.5) / samples) * scale)
                    if c:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            if a:
                row.append((round(r / a), round(g / a), round(b / a), round(255 * a / samples ** 2)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def write_png(path, rows):
    raw = b"".join(b"\0" + b"".join(struct.pack("BBBB", *p) for p in row) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(chunk(b"IEND", b""))


def hex_colour(c):
    return "#%02x%02x%02x" % c


def svg_rrect(shape):
    x0, y0, x1, y1, r = shape
    return f'x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{r}"'


def svg_rrect_path(shape):
    x0, y0, x1, y1, r = shape
    return (f"M{x0 + r},{y0} H{x1 - r} A{r},{r} 0 0 1 {x1},{y0 + r} V{y1 - r} A{r},{r} 0 0 1 {x1 - r},{y1} "
            f"H{x0 + r} A{r},{r} 0 0 1 {x0},{y1 - r} V{y0 + r} A{r},{r} 0 0 1 {x0 + r},{y0} Z")


def write_svg(path):
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
             f'  <defs><clipPath id="body"><rect {svg_rrect(BODY)}/></clipPath></defs>']
    for kind, shape, fill, clipped in LAYERS:
        clip = ' clip-path="url(#body)"' if clipped else ""
        if kind == "rrect":
            lines.append(f'  <rect {svg_rrect(shape)} fill="{hex_colour(fill)}"{clip}/>')
        elif kind == "ring":
            d = svg_rrect_path(shape[0]) + " " + svg_rrect_path(shape[1])
            lines.append(f'  <path d="{d}" fill-rule="evenodd" fill="{hex_colour(fill)}"{clip}/>')
        else:
            points = " ".join(f"{x},{y}" for x, y in shape)
            lines.append(f'  <polygon points="{points}" fill="{hex_colour(fill)}"{clip}/>')
    lines.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def main():
    folder = os.path.join(HERE, "icons")
    os.makedirs(folder, exist_ok=True)
    write_svg(os.path.join(folder, "scalable.svg"))
    for size in SIZES:
        write_png(os.path.join(folder, f"{size}.png"), render(size))


if __name__ == "__main__":
    main()
