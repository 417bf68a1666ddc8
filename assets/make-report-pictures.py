#!/usr/bin/env python3
"""Draws the pictures the report pages show, as the files the pages name.

The master record and status pages refer to nine JPEG pictures and one GIF by bare
file name, and the e-mail group page to "email.JPG"; they are copied beside the
program, where the pages are written. The drawings reuse make-assets.py's canvas;
the JPEG and GIF writers below use Python's standard library only. Run once after
changing a drawing; the files it writes into assets/report/ are committed.
"""
import importlib.util
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
_spec = importlib.util.spec_from_file_location("make_assets", os.path.join(HERE, "make-assets.py"))
make_assets = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(make_assets)
Canvas = make_assets.Canvas

WHITE = (255, 255, 255)
INK = (45, 45, 55)


# ---------------------------------------------------------------- JPEG writer

def _zigzag():
    """Positions (row, column) of the 64 coefficients in zigzag order."""
    order = []
    for s in range(15):
        cells = [(r, s - r) for r in range(8) if 0 <= s - r < 8]
        order.extend(cells if s % 2 else reversed(cells))
    return order


ZIGZAG = _zigzag()
COS = [[math.cos((2 * x + 1) * u * math.pi / 16) for x in range(8)] for u in range(8)]
QUANT = 2  # one step for every coefficient: sharp pictures, small files all the same


def _dct(block):
    out = [[0.0] * 8 for _ in range(8)]
    for v in range(8):
        for u in range(8):
            total = 0.0
            for y in range(8):
                row = block[y]
                cy = COS[v][y]
                for x in range(8):
                    total += row[x] * COS[u][x] * cy
            cu = 1 / math.sqrt(2) if u == 0 else 1.0
            cv = 1 / math.sqrt(2) if v == 0 else 1.0
            out[v][u] = 0.25 * cu * cv * total
    return out


def _canonical_codes(lengths):
    """Huffman codes for (symbol, length) pairs in table order: the DHT's own rule."""
    codes, code, previous = {}, 0, None
    for symbol, length in lengths:
        if previous is not None:
            code = (code + 1) << (length - previous)
        codes[symbol] = (code, length)
        previous = length
    return codes


# Our own Huffman tables (any complete table is valid): the twelve DC sizes in four
# bits each, the 162 AC symbols in eight bits each.
DC_SYMBOLS = list(range(12))
AC_SYMBOLS = [0x00, 0xF0] + [(run << 4) | size for run in range(16) for size in range(1, 11)]
DC_CODES = _canonical_codes([(s, 4) for s in DC_SYMBOLS])
AC_CODES = _canonical_codes([(s, 8) for s in AC_SYMBOLS])


class _Bits:
    def __init__(self):
        self.data = bytearray()
        self.acc, self.count = 0, 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.data.append(self.acc)
                if self.acc == 0xFF:
                    self.data.append(0)  # byte stuffing
                self.acc, self.count = 0, 0

    def finish(self):
        while self.count:
            self.put(1, 1)
        return bytes(self.data)


def _size(value):
    return abs(value).bit_length()


def _put_value(bits, value):
    size = _size(value)
    if size:
        bits.put(value if value > 0 else value + (1 << size) - 1, size)


def _encode_block(bits, block, previous_dc):
    coefficients = _dct(block)
    zz = [int(round(coefficients[r][c] / QUANT)) for r, c in ZIGZAG]
    diff = zz[0] - previous_dc
    bits.put(*DC_CODES[_size(diff)])
    _put_value(bits, diff)
    run = 0
    last = max([i for i in range(1, 64) if zz[i]] or [0])
    for i in range(1, last + 1):
        if zz[i] == 0:
            run += 1
            continue
        while run > 15:
            bits.put(*AC_CODES[0xF0])
            run -= 16
        bits.put(*AC_CODES[(run << 4) | _size(zz[i])])
        _put_value(bits, zz[i])
        run = 0
    if last < 63:
        bits.put(*AC_CODES[0x00])
    return zz[0]


def _segment(marker, payload):
    return struct.pack(">BBH", 0xFF, marker, len(payload) + 2) + payload


def _huffman_table(table_class, ident, symbols, length):
    counts = [0] * 16
    counts[length - 1] = len(symbols)
    return bytes([(table_class << 4) | ident]) + bytes(counts) + bytes(symbols)


def write_jpeg(rgb_rows, path):
    """A baseline JPEG of rows of (r, g, b): YCbCr without subsampling."""
    height, width = len(rgb_rows), len(rgb_rows[0])
    planes = [[], [], []]
    for row in rgb_rows:
        ys, cbs, crs = [], [], []
        for r, g, b in row:
            ys.append(0.299 * r + 0.587 * g + 0.114 * b - 128)
            cbs.append(-0.168736 * r - 0.331264 * g + 0.5 * b)
            crs.append(0.5 * r - 0.418688 * g - 0.081312 * b)
        for plane, values in zip(planes, (ys, cbs, crs)):
            plane.append(values)
    bits = _Bits()
    previous = [0, 0, 0]
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(3):
                block = [[planes[c][min(by + y, height - 1)][min(bx + x, width - 1)] for x in range(8)]
                         for y in range(8)]
                previous[c] = _encode_block(bits, block, previous[c])
    out = b"\xFF\xD8"
    out += _segment(0xE0, b"JFIF\0" + struct.pack(">BBBHHBB", 1, 1, 0, 1, 1, 0, 0))
    out += _segment(0xDB, bytes([0]) + bytes([QUANT] * 64))
    out += _segment(0xC0, struct.pack(">BHHB", 8, height, width, 3) + bytes([1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0]))
    out += _segment(0xC4, _huffman_table(0, 0, DC_SYMBOLS, 4) + _huffman_table(1, 0, AC_SYMBOLS, 8))
    out += _segment(0xDA, bytes([3, 1, 0x00, 2, 0x00, 3, 0x00, 0, 63, 0]))
    out += bits.finish() + b"\xFF\xD9"
    with open(path, "wb") as f:
        f.write(out)


# ----------------------------------------------------------------- GIF writer

def write_gif(rgb_rows, path):
    """A GIF of at most 256 colours, its codes nine bits wide (a clear code before
    the table would grow), which every reader takes."""
    height, width = len(rgb_rows), len(rgb_rows[0])
    palette = sorted({p for row in rgb_rows for p in row})
    if len(palette) > 256:
        raise ValueError("a GIF holds 256 colours at most")
    index = {colour: i for i, colour in enumerate(palette)}
    table = b"".join(bytes(c) for c in palette) + b"\0" * (3 * (256 - len(palette)))
    pixels = [index[p] for row in rgb_rows for p in row]

    codes = []
    for start in range(0, len(pixels), 250):
        codes.append(256)  # clear
        codes.extend(pixels[start:start + 250])
    codes.append(257)  # end of information
    data = bytearray()
    acc = count = 0
    for code in codes:
        acc |= code << count
        count += 9
        while count >= 8:
            data.append(acc & 0xFF)
            acc >>= 8
            count -= 8
    if count:
        data.append(acc & 0xFF)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))

    out = b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + table
    out += b"\x2C" + struct.pack("<HHHHB", 0, 0, width, height, 0) + bytes([8]) + blocks + b"\0" + b"\x3B"
    with open(path, "wb") as f:
        f.write(out)


def flatten(canvas, background=WHITE):
    """The canvas over a plain background, as rows of (r, g, b)."""
    rows = []
    for row in canvas.px:
        out = []
        for r, g, b, a in row:
            k = a / 255
            out.append(tuple(int(round(c * k + bg * (1 - k))) for c, bg in zip((r, g, b), background)))
        rows.append(out)
    return rows


# ------------------------------------------------------------------ drawings

def ring(c, cx, cy, outer, inner, colour, inside):
    c.disc(cx, cy, outer, colour)
    c.disc(cx, cy, inner, inside)


def globe(c, cx, cy, r, sea=(50, 120, 200), land=(70, 160, 80)):
    c.disc(cx, cy, r, sea)
    c.polygon([(cx - r * 0.6, cy - r * 0.5), (cx - r * 0.1, cy - r * 0.7), (cx + r * 0.1, cy - r * 0.2),
               (cx - r * 0.3, cy + r * 0.3), (cx - r * 0.7, cy + r * 0.1)], land)
    c.polygon([(cx + r * 0.2, cy + r * 0.1), (cx + r * 0.7, cy - r * 0.1), (cx + r * 0.6, cy + r * 0.5),
               (cx + r * 0.2, cy + r * 0.7)], land)
    for dy in (-0.45, 0, 0.45):
        c.rect(int(cx - r), int(cy + dy * r), int(cx + r), int(cy + dy * r) + 1, (210, 230, 250, 140))
    for y in range(c.h):
        for x in range(c.w):
            d = (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2
            if (r - 1.5) ** 2 <= d <= r * r:
                c.dot(x, y, (25, 60, 110))


def folder(c, body=(240, 190, 70), tab=(220, 165, 50), edge=(150, 105, 25), top=10, size=48):
    m = size // 16
    c.rect(3 * m, top, 20 * m // 2, top + 5, tab)
    c.rect(3 * m, top + 4, size - 3 * m, size - 5, body)
    c.frame(3 * m, top + 4, size - 3 * m, size - 5, edge)


def internet_shortcut():
    c = Canvas(48, 48)
    globe(c, 24, 24, 19)
    c.rect(2, 30, 18, 46, WHITE)
    c.frame(2, 30, 18, 46, INK)
    c.polygon([(6, 42), (12, 36), (9, 36), (9, 34), (15, 34), (15, 40), (13, 40), (13, 38), (7, 44)], INK)
    return c


def address_book():
    c = Canvas(48, 48)
    c.rect(9, 4, 41, 44, (170, 60, 50))
    c.rect(12, 6, 39, 42, (250, 245, 230))
    c.rect(9, 4, 13, 44, (120, 40, 35))
    for y in (10, 18, 26, 34):
        c.rect(5, y, 11, y + 3, (90, 90, 90))
    c.disc(26, 19, 5, INK)
    c.polygon([(17, 36), (19, 28), (33, 28), (35, 36)], INK)
    return c


def briefcase():
    c = Canvas(48, 48)
    c.frame(17, 8, 31, 16, (90, 55, 25), 3)
    c.rect(4, 14, 44, 42, (150, 95, 45))
    c.frame(4, 14, 44, 42, (90, 55, 25), 2)
    c.rect(4, 24, 44, 26, (90, 55, 25))
    c.rect(21, 21, 27, 29, (230, 190, 90))
    return c


def folder_dossier():
    c = Canvas(48, 48)
    folder(c)
    c.rect(14, 6, 34, 30, WHITE)
    c.frame(14, 6, 34, 30, INK)
    for y in (10, 14, 18, 22):
        c.rect(17, y, 31, y + 1, (120, 120, 130))
    c.polygon([(3, 20), (45, 20), (42, 43), (6, 43)], (250, 205, 90))
    c.frame(6, 20, 42, 43, (150, 105, 25))
    return c


def web_globe():
    c = Canvas(44, 47)
    globe(c, 22, 24, 20)
    return c


def bloc_notes():
    c = Canvas(48, 48)
    c.rect(9, 7, 39, 45, (255, 250, 200))
    c.frame(9, 7, 39, 45, (150, 140, 80))
    for y in range(15, 42, 5):
        c.rect(12, y, 36, y + 1, (120, 150, 200))
    c.rect(9, 7, 39, 11, (200, 70, 60))
    for x in range(12, 38, 5):
        ring(c, x + 1, 7, 2.5, 1.2, INK, (255, 255, 255, 0))
    return c


def user():
    c = Canvas(48, 48)
    c.disc(24, 16, 9, (80, 110, 170))
    c.disc(24, 46, 18, (80, 110, 170))
    c.disc(24, 16, 7, (235, 200, 170))
    return c


def folder_documents():
    c = Canvas(48, 48)
    folder(c, (120, 170, 230), (95, 145, 210), (50, 90, 150))
    for i, x in enumerate((12, 18)):
        c.rect(x, 6 + i * 3, x + 18, 30, WHITE)
        c.frame(x, 6 + i * 3, x + 18, 30, INK)
    c.polygon([(3, 22), (45, 22), (42, 43), (6, 43)], (140, 185, 240))
    return c


def folder_public():
    c = Canvas(48, 48)
    folder(c, (150, 200, 120), (120, 175, 95), (70, 120, 50))
    c.polygon([(3, 20), (45, 20), (42, 43), (6, 43)], (170, 215, 140))
    for x in (17, 31):
        c.disc(x, 27, 3.5, INK)
        c.disc(x, 40, 7, INK)
    c.rect(3, 43, 45, 48, (0, 0, 0, 0))
    return c


def folder_web():
    c = Canvas(44, 47)
    folder(c, (240, 190, 70), (220, 165, 50), (150, 105, 25), 8, 44)
    c.polygon([(2, 18), (42, 18), (39, 42), (5, 42)], (250, 205, 90))
    globe(c, 22, 30, 10)
    return c


def email_group():
    dark = (51, 51, 51)
    c = Canvas(87, 85, dark + (255,))
    c.rect(4, 4, 83, 81, (70, 70, 75))
    for i, (x, y) in enumerate(((10, 12), (20, 24), (30, 36))):
        c.rect(x, y, x + 46, y + 32, (245, 245, 240))
        c.frame(x, y, x + 46, y + 32, (255, 153, 0), 2)
        c.polygon([(x, y), (x + 46, y), (x + 23, y + 18)], (225, 225, 220))
        c.polygon([(x + 1, y + 1), (x + 23, y + 17), (x + 45, y + 1), (x + 43, y + 1), (x + 23, y + 15), (x + 3, y + 1)],
                  (255, 153, 0))
    return c


def main():
    folder_out = os.path.join(HERE, "report")
    os.makedirs(folder_out, exist_ok=True)
    jpegs = {
        "Internet-Shortcut-SZ-icon.jpg": internet_shortcut,
        "Address-Book-icon.jpg": address_book,
        "Briefcase-icon.jpg": briefcase,
        "Folder-Dossier-Win-SZ-icon.jpg": folder_dossier,
        "Bloc-Notes-SZ-icon.jpg": bloc_notes,
        "User-icon.jpg": user,
        "Folder-Documents-icon.jpg": folder_documents,
        "Folder-Public-icon.jpg": folder_public,
        "Folder-Web-icon.jpg": folder_web,
    }
    for name, draw in jpegs.items():
        write_jpeg(flatten(draw()), os.path.join(folder_out, name))
    write_jpeg(flatten(email_group(), (51, 51, 51)), os.path.join(folder_out, "email.JPG"))
    write_gif(flatten(web_globe()), os.path.join(folder_out, "web.gif"))


if __name__ == "__main__":
    main()
