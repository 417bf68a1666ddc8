#!/usr/bin/env python3
"""Draws Brindlecase's own pictures, pointer and click sounds into assets/.

Every picture is drawn twice: NAME.png at its size on the screen and NAME@2x.png at
twice that, for screens scaled to 150% and more, where the program picks the larger
one so the pictures stay sharp.

Run once after changing a drawing; the files it writes are committed, so a build
needs nothing but them. Uses Python's standard library only.
"""
import math
import os
import struct
import wave
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

SHADES = {  # scheme: shades 1..5 as (r, g, b)
    1: [(224, 224, 224), (192, 192, 192), (128, 128, 128), (64, 64, 64), (0, 0, 0)],
    2: [(255, 128, 128), (255, 0, 0), (192, 0, 0), (128, 0, 0), (64, 0, 0)],
    3: [(255, 192, 128), (255, 128, 0), (192, 64, 0), (128, 64, 0), (128, 64, 64)],
    4: [(255, 255, 128), (255, 255, 0), (192, 192, 0), (128, 128, 0), (64, 64, 0)],
    5: [(128, 255, 128), (0, 255, 0), (0, 192, 0), (0, 128, 0), (0, 64, 0)],
    6: [(128, 255, 255), (0, 255, 255), (0, 192, 192), (0, 128, 128), (0, 64, 64)],
    7: [(128, 128, 255), (0, 0, 255), (0, 0, 192), (0, 0, 128), (0, 0, 64)],
    8: [(255, 128, 255), (255, 0, 255), (192, 0, 192), (128, 0, 128), (64, 0, 64)],
    9: [(255, 255, 255), (0, 0, 0), (0, 0, 0), (0, 0, 0), (255, 255, 255)],
}


class Canvas:
    """Drawing takes coordinates at the picture's screen size; `scale` is the
    number of pixels drawn for each of them."""

    def __init__(self, width, height, fill=(0, 0, 0, 0), scale=1):
        self.s = scale
        self.w, self.h = width * scale, height * scale
        self.px = [[fill for _ in range(self.w)] for _ in range(self.h)]

    def dot(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            if len(colour) == 3:
                colour = colour + (255,)
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        s = self.s
        for y in range(y0 * s, y1 * s):
            for x in range(x0 * s, x1 * s):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour, width=1):
        self.rect(x0, y0, x1, y0 + width, colour)
        self.rect(x0, y1 - width, x1, y1, colour)
        self.rect(x0, y0, x0 + width, y1, colour)
        self.rect(x1 - width, y0, x1, y1, colour)

    def polygon(self, points, colour):
        s = self.s
        for y in range(self.h):
            for x in range(self.w):
                if inside(points, (x + 0.5) / s, (y + 0.5) / s):
                    self.dot(x, y, colour)

    def disc(self, cx, cy, r, colour):
        s = self.s
        for y in range(self.h):
            for x in range(self.w):
                if ((x + 0.5) / s - cx) ** 2 + ((y + 0.5) / s - cy) ** 2 <= r * r:
                    self.dot(x, y, colour)

    def png(self, path):
        raw = b"".join(b"\0" + b"".join(struct.pack("BBBB", *p) for p in row) for row in self.px)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n")
            f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", self.w, self.h, 8, 6, 0, 0, 0)))
            f.write(chunk(b"IDAT", zlib.compress(raw, 9)))
            f.write(chunk(b"IEND", b""))

    def ico(self, path):
        """A 32-bit icon with its AND mask, the classic form every reader takes."""
        xor = b"".join(struct.pack("BBBB", p[2], p[1], p[0], p[3]) for row in reversed(self.px) for p in row)
        mask_row = ((self.w + 31) // 32) * 4
        mask = b""
        for row in reversed(self.px):
            bits = 0
            line = bytearray(mask_row)
            for x, p in enumerate(row):
                if p[3] == 0:
                    line[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(line)
        header = struct.pack("<IiiHHIIiiII", 40, self.w, self.h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        image = header + xor + mask
        with open(path, "wb") as f:
            f.write(struct.pack("<HHH", 0, 2, 1))  # 2: a cursor file, hot spot below
            f.write(struct.pack("<BBBBHHII", self.w, self.h, 0, 0, 6, 1, len(image), 22))
            f.write(image)


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def report_picture(scheme, scale=1):
    """A page with ruled lines: the report buttons."""
    s = SHADES[scheme]
    c = Canvas(28, 28, scale=scale)
    c.rect(5, 2, 23, 26, s[0])
    c.frame(5, 2, 23, 26, s[1])
    for y in (7, 11, 15, 19):
        c.rect(8, y, 20, y + 2, s[2] if scheme != 9 else (0, 0, 0))
    c.polygon([(17, 2), (23, 2), (23, 8)], s[3] if scheme != 9 else (0, 0, 0))
    return c


def sound_picture(scheme, playing, scale=1):
    s = SHADES[scheme]
    c = Canvas(24, 24, scale=scale)
    c.disc(12, 12, 11, s[1])
    c.disc(12, 12, 9, s[4] if scheme != 9 else (255, 255, 255))
    ink = s[0] if scheme != 9 else (0, 0, 0)
    if playing:
        c.polygon([(9, 6), (9, 18), (18, 12)], ink)
    else:
        c.rect(8, 7, 11, 17, ink)
        c.rect(13, 7, 16, 17, ink)
    return c


def hand_pointer():
    """A pointing hand, white with a dark outline."""
    c = Canvas(32, 32)
    finger = [(6, 1), (10, 1), (10, 12), (12, 11), (15, 11), (16, 12), (19, 12), (20, 13), (23, 13),
              (25, 15), (25, 24), (22, 29), (10, 29), (4, 20), (2, 15), (4, 13), (6, 15)]
    outline = Canvas(32, 32)
    outline.polygon(finger, (30, 30, 30))
    for y in range(32):
        for x in range(32):
            if outline.px[y][x][3]:
                for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)):
                    c.dot(x + dx, y + dy, (30, 30, 30))
    shrunk = [(x + (0.8 if x < 14 else -0.8), y + (0.8 if y < 20 else -0.8)) for x, y in finger]
    c.polygon(shrunk, (255, 255, 255))
    for x in (12, 16, 20):
        c.rect(x, 17, x + 1, 22, (90, 90, 90))
    return c


def program_icon(scale=1):
    """A case with brindle stripes."""
    c = Canvas(64, 64, scale=scale)
    c.rect(24, 8, 40, 12, (70, 45, 25))
    c.rect(22, 10, 26, 18, (70, 45, 25))
    c.rect(38, 10, 42, 18, (70, 45, 25))
    c.rect(6, 16, 58, 56, (176, 122, 62))
    for i in range(-40, 60, 9):
        c.polygon([(6 + i, 56), (12 + i, 56), (30 + i, 16), (24 + i, 16)], (110, 70, 35))
    c.rect(0, 0, 6, 64, (0, 0, 0, 0))
    c.rect(58, 0, 64, 64, (0, 0, 0, 0))
    c.frame(6, 16, 58, 56, (60, 38, 20), 2)
    c.rect(28, 30, 36, 38, (230, 200, 120))
    return c


def simple_icon(kind, scale=1):
    """The small pictures of the side strip and the link kinds."""
    c = Canvas(24, 24, scale=scale)
    ink, light = (40, 40, 40), (240, 240, 240)
    if kind == "help":
        c.disc(12, 12, 11, (40, 90, 160))
        c.frame(9, 5, 15, 7, light, 1)
        c.rect(14, 6, 16, 12, light)
        c.rect(11, 11, 15, 13, light)
        c.rect(11, 13, 13, 15, light)
        c.rect(11, 17, 13, 19, light)
    elif kind == "file":
        c.rect(5, 3, 19, 21, light)
        c.frame(5, 3, 19, 21, ink)
        c.rect(8, 8, 16, 9, ink)
        c.rect(8, 12, 16, 13, ink)
        c.rect(8, 16, 13, 17, ink)
    elif kind == "addlink":
        c.disc(12, 12, 11, (40, 140, 60))
        c.rect(6, 11, 18, 14, light)
        c.rect(11, 6, 14, 18, light)
    elif kind == "email":
        c.rect(2, 6, 22, 19, light)
        c.frame(2, 6, 22, 19, ink)
        c.polygon([(2, 6), (22, 6), (12, 14)], (200, 200, 200))
    elif kind == "folders":
        c.rect(2, 5, 10, 8, (220, 170, 60))
        c.rect(2, 7, 22, 19, (240, 195, 80))
        c.frame(2, 7, 22, 19, (150, 110, 30))
    elif kind == "files":
        c.rect(6, 2, 18, 22, light)
        c.frame(6, 2, 18, 22, ink)
        c.polygon([(13, 2), (18, 2), (18, 7)], (180, 180, 180))
    elif kind == "web":
        c.disc(12, 12, 10, (60, 130, 200))
        c.rect(2, 11, 22, 13, light)
        c.rect(11, 2, 13, 22, light)
    return c


def click_sound(path, frequency, length_ms):
    rate = 22050
    frames = int(rate * length_ms / 1000)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        data = bytearray()
        for i in range(frames):
            t = i / rate
            envelope = math.exp(-t * 160)
            value = envelope * (0.6 * math.sin(2 * math.pi * frequency * t) + 0.25 * math.sin(2 * math.pi * frequency * 2.01 * t))
            data += struct.pack("<h", int(max(-1, min(1, value)) * 20000))
        w.writeframes(bytes(data))


def main():
    pictures = os.path.join(HERE, "pictures")
    sounds = os.path.join(HERE, "sounds")
    os.makedirs(pictures, exist_ok=True)
    os.makedirs(sounds, exist_ok=True)
    for scale, suffix in ((1, ""), (2, "@2x")):
        def save(canvas, name):
            canvas.png(os.path.join(pictures, f"{name}{suffix}.png"))

        for scheme in range(1, 10):
            save(report_picture(scheme, scale), f"report{scheme}")
            save(sound_picture(scheme, True, scale), f"play{scheme}")
            save(sound_picture(scheme, False, scale), f"pause{scheme}")
        for kind in ("help", "file", "addlink", "email", "folders", "files", "web"):
            save(simple_icon(kind, scale), kind)
        save(program_icon(scale), "brindlecase")
    hand_pointer().ico(os.path.join(HERE, "HandPointer3232.ico"))
    click_sound(os.path.join(sounds, "s1.wav"), 1800, 35)
    click_sound(os.path.join(sounds, "s2.wav"), 1100, 50)
    click_sound(os.path.join(sounds, "s3.wav"), 2600, 25)


if __name__ == "__main__":
    main()
