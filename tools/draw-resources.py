#!/usr/bin/python3
"""Draws the program icon, the move-button bitmaps and the pictures of the
settings editor (colour swatches) as PNG files.

The pictures are simple enough to describe in code, which keeps them
reproducible and lets every region share one design.

The settings editor's pictures are drawn at twice their size in logical
pixels (SCALE), anti-aliased, with their edges on whole logical pixels where
they are straight: the program marks them as device pixel ratio 2, so they
are sharp at 200 % and scale down cleanly at 100 %. Where the image lists of
the original design have white as their mask colour these pictures are
transparent instead, and the white swatch has a border to be seen at all."""
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


# ---- Pictures of the settings editor, in logical pixels -------------------

SCALE = 2
SAMPLES = 4  # per axis and device pixel, for anti-aliasing
EDGE = (110, 110, 110, 255)


class Polygon:
    """A convex polygon, its corners in either winding order."""

    def __init__(self, *corners):
        self.corners = corners
        xs, ys = [c[0] for c in corners], [c[1] for c in corners]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, x, y):
        signs = set()
        for (x1, y1), (x2, y2) in zip(self.corners, self.corners[1:] + self.corners[:1]):
            cross = (x2 - x1) * (y - y1) - (y2 - y1) * (x - x1)
            if cross:
                signs.add(cross > 0)
        return len(signs) < 2


def rect(left, top, right, bottom):
    return Polygon((left, top), (right, top), (right, bottom), (left, bottom))


def coverage(shapes, px, py):
    """Share of the device pixel (px, py) that the union of shapes covers."""
    left, top = px / SCALE, py / SCALE
    candidates = [s for s in shapes if s.box[0] <= left + 1 / SCALE and s.box[2] >= left
                  and s.box[1] <= top + 1 / SCALE and s.box[3] >= top]
    if not candidates:
        return 0.0
    step = 1 / (SCALE * SAMPLES)
    hits = sum(any(s.contains(left + (i + 0.5) * step, top + (j + 0.5) * step) for s in candidates)
               for i in range(SAMPLES) for j in range(SAMPLES))
    return hits / SAMPLES ** 2


def layered(layers):
    """Pixel function painting (colour, shapes) layers in order over transparency."""
    def pixel(px, py):
        red = green = blue = alpha = 0.0
        for colour, shapes in layers:
            a = colour[3] / 255 * coverage(shapes, px, py)
            red, green, blue = (c * a + old * (1 - a) for c, old in zip(colour[:3], (red, green, blue)))
            alpha = a + alpha * (1 - a)
        if not alpha:
            return CLEAR
        # The colours above are premultiplied; PNG wants them straight.
        return tuple(round(c / alpha) for c in (red, green, blue)) + (round(alpha * 255),)
    return pixel


def strip(width, pictures):
    """Pictures of one width side by side, for an image list to cut."""
    device = width * SCALE
    return lambda px, py: pictures[px // device](px % device, py)


def swatch(colour, width=48, height=16):
    """A colour sample with a grey edge, so that white shows on white."""
    return layered([(EDGE, [rect(3, 2, width - 3, height - 2)]),
                    (colour + (255,), [rect(4, 3, width - 4, height - 3)])])


def write(out, name, width, height, pixel):
    (out / name).write_bytes(png(width * SCALE, height * SCALE, pixel))


WHITE, BLACK, RED, GRAY = (255, 255, 255), (0, 0, 0), (255, 0, 0), (128, 128, 128)


def settings_pictures(out):
    # Colour image lists, 48 pixels per image: pens, stamp, drawing colours.
    for number, colours in ((152, (WHITE, BLACK, RED)), (184, (BLACK, RED, GRAY)), (194, (WHITE, BLACK, RED))):
        write(out, f"bitmap-{number}.png", 48 * 3, 16, strip(48, [swatch(c) for c in colours]))


def main(folder):
    out = Path(folder)
    (out / "icon-128.png").write_bytes(png(32, 32, icon))
    (out / "bitmap-203.png").write_bytes(png(16, 16, arrow(True)))
    (out / "bitmap-204.png").write_bytes(png(16, 16, arrow(False)))
    settings_pictures(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Lang/images")
