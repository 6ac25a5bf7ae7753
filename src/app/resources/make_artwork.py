#!/usr/bin/env python3
"""Draws the game's artwork: the 32x32 16-colour window icon (icon.xpm) and the splash logo
(logo.png). Run it from anywhere; it writes next to itself. Needs only the standard library."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# A 5x7 pixel font for the letters the logo needs.
FONT = {
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
}


def write_png(path, width, height, pixels):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def logo():
    width, height = 642, 122
    top, bottom = (40, 70, 160), (90, 150, 230)
    pixels = []
    for y in range(height):
        t = y / (height - 1)
        shade = tuple(int(a + (b - a) * t) for a, b in zip(top, bottom))
        pixels.append([shade] * width)
    # A small 3x3 board of yellow and white cells on the left.
    cell, gap, x0, y0 = 30, 3, 14, 14
    for r in range(3):
        for c in range(3):
            colour = (255, 255, 0) if (r + c) % 2 else (255, 255, 255)
            for y in range(y0 + r * (cell + gap), y0 + r * (cell + gap) + cell):
                for x in range(x0 + c * (cell + gap), x0 + c * (cell + gap) + cell):
                    pixels[y][x] = colour
    # The name in block letters, with a dark shadow.
    scale, x = 10, 130
    for letter in "KALMOTRE":
        glyph = FONT[letter]
        for gy, line in enumerate(glyph):
            for gx, bit in enumerate(line):
                if bit != "1":
                    continue
                for dy in range(scale):
                    for dx in range(scale):
                        px, py = x + gx * scale + dx, 26 + gy * scale + dy
                        if py + 3 < height and px + 3 < width:
                            pixels[py + 3][px + 3] = (20, 30, 70)
                        if py < height and px < width:
                            pixels[py][px] = (255, 230, 90)
        x += 62
    write_png(os.path.join(HERE, "logo.png"), width, height, pixels)


def icon():
    # 16 colours at most; here five. A 3x3 board with a yellow centre and a blue frame.
    palette = {".": "#FFFFFF", "b": "#0000FF", "y": "#FFFF00", "k": "#000000", "g": "#00C000"}
    rows = []
    for y in range(32):
        row = ""
        for x in range(32):
            if x in (0, 1, 30, 31) or y in (0, 1, 30, 31):
                row += "b"
            elif x in (10, 11, 20, 21) or y in (10, 11, 20, 21):
                row += "k"
            elif 12 <= x <= 19 and 12 <= y <= 19:
                row += "y"
            elif (x // 10 + y // 10) % 2 == 0 and 2 <= x <= 9 and 2 <= y <= 9:
                row += "g"
            else:
                row += "."
        rows.append(row)
    lines = ["/* XPM */", "static const char *icon[] = {",
             '"32 32 %d 1",' % len(palette)]
    lines += ['"%s c %s",' % (k, v) for k, v in palette.items()]
    lines += ['"%s"%s' % (r, "," if i < 31 else "") for i, r in enumerate(rows)]
    lines.append("};")
    with open(os.path.join(HERE, "icon.xpm"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    logo()
    icon()
