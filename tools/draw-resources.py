#!/usr/bin/python3
"""Draws the program icon and the move-button bitmaps as PNG files.

The pictures are simple enough to describe in code, which keeps them
reproducible and lets every region share one design."""
import struct
import sys
import zlib
from pathlib import Path


def png(width, height, pixel):
    rows = b"".join(
        b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


CLEAR = (0, 0, 0, 0)
BODY = (52, 86, 140, 255)
PAPER = (250, 250, 250, 255)
LINE = (200, 40, 40, 255)
DARK = (40, 40, 40, 255)


def icon(x, y):
    """A wide-format printer with a sheet carrying a red plotted line."""
    if 6 <= x <= 25 and 2 <= y <= 15:
        if x - 6 == (y - 2) * 19 // 13 or y == 12:
            return LINE
        return PAPER if 7 <= x <= 24 else DARK
    if 1 <= x <= 30 and 14 <= y <= 24:
        return DARK if y in (14, 24) or x in (1, 30) else BODY
    if y in (25, 26, 27, 28, 29) and (x in (4, 5) or x in (26, 27)):
        return DARK
    return CLEAR


def arrow(up):
    def pixel(x, y):
        row = y if up else 15 - y
        if 2 <= row <= 8 and abs(x - 7.5) <= row - 1.5:
            return DARK
        if 9 <= row <= 13 and 5 <= x <= 10:
            return DARK
        return CLEAR
    return pixel


def main(folder):
    out = Path(folder)
    (out / "icon-128.png").write_bytes(png(32, 32, icon))
    (out / "bitmap-203.png").write_bytes(png(16, 16, arrow(True)))
    (out / "bitmap-204.png").write_bytes(png(16, 16, arrow(False)))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Lang/images")
