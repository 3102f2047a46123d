#!/usr/bin/python3
"""Draws the program icon, the move-button bitmaps and the pictures of the
settings editor (colour swatches, pen line ends and joints) as PNG files.

The pictures are simple enough to describe in code, which keeps them
reproducible and lets every region share one design.

The settings editor's pictures are drawn at twice their size in logical
pixels (SCALE), anti-aliased, with their edges on whole logical pixels where
they are straight: the program marks them as device pixel ratio 2, so they
are sharp at 200 % and scale down cleanly at 100 %. Where the image lists of
the original design have white as their mask colour these pictures are
transparent instead, and the white swatch has a border to be seen at all."""
import math
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
STROKE = (52, 86, 140, 255)
AXIS = (255, 255, 255, 255)
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


class Circle:
    def __init__(self, centre, radius):
        self.centre, self.radius = centre, radius
        self.box = (centre[0] - radius, centre[1] - radius, centre[0] + radius, centre[1] + radius)

    def contains(self, x, y):
        return (x - self.centre[0]) ** 2 + (y - self.centre[1]) ** 2 <= self.radius ** 2


def rect(left, top, right, bottom):
    return Polygon((left, top), (right, top), (right, bottom), (left, bottom))


def segment(start, end, width):
    """A straight stroke with flat ends exactly at start and end."""
    dx, dy = end[0] - start[0], end[1] - start[1]
    length = math.hypot(dx, dy)
    nx, ny = -dy / length * width / 2, dx / length * width / 2
    return Polygon((start[0] + nx, start[1] + ny), (end[0] + nx, end[1] + ny),
                   (end[0] - nx, end[1] - ny), (start[0] - nx, start[1] - ny))


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


def line_end(kind, width, height):
    """The end of a thick horizontal line, its axis and end point in white;
    the axis is two pixels wide to stay on whole pixels at 100 %."""
    half = height * 3 // 10
    y, end = height / 2, width - 2 * half - 8
    caps = {"SQUARE": [], "ROUND": [Circle((end, y), half)],
            "EXTEND": [rect(end, y - half, end + half, y + half)],
            "TRIANGLE": [Polygon((end, y - half), (end + half, y), (end, y + half))]}
    return layered([(STROKE, [rect(-1, y - half, end, y + half)] + caps[kind]),
                    (AXIS, [rect(-1, y - 1, end, y + 1), Circle((end, y), 2)])])


def miter_tip(apex, half, legs):
    """Where the outer edges of two strokes meeting at apex cross."""
    units = [((x - apex[0]) / math.hypot(x - apex[0], y - apex[1]),
              (y - apex[1]) / math.hypot(x - apex[0], y - apex[1])) for x, y in legs]
    bisector = (units[0][0] + units[1][0], units[0][1] + units[1][1])
    cos_half = math.sqrt((1 + units[0][0] * units[1][0] + units[0][1] * units[1][1]) / 2)
    length = half / math.sqrt(1 - cos_half ** 2)
    norm = math.hypot(*bisector)
    return (apex[0] - bisector[0] / norm * length, apex[1] - bisector[1] / norm * length)


def line_joint(kind, width, height):
    """Two thick strokes meeting at a peak, with their axes in white."""
    # The legs leave the picture at the bottom; the apex sits low enough for
    # the mitre's tip (1.8 half widths above it at this slope) to show.
    half, bottom = height // 5, height + height // 5
    apex = (width / 2, math.ceil(half * 1.8) + 2)
    spread = (bottom - apex[1]) * 0.68
    left, right = (width / 2 - spread, bottom), (width / 2 + spread, bottom)
    # Each stroke's flat end at the apex has one corner on the outside of the
    # bend, the upper one.
    left_out, right_out = (min(segment(leg, apex, 2 * half).corners[1:3], key=lambda c: c[1])
                           for leg in (left, right))
    joints = {"UNJOINT": [], "BEVEL": [Polygon(apex, left_out, right_out)],
              "MITTER": [Polygon(apex, left_out, miter_tip(apex, half, (left, right)), right_out)],
              "ROUND": [Circle(apex, half)]}
    return layered([(STROKE, [segment(left, apex, 2 * half), segment(apex, right, 2 * half)] + joints[kind]),
                    (AXIS, [segment(left, apex, 1), segment(apex, right, 1), Circle(apex, 1.5)])])


def write(out, name, width, height, pixel):
    (out / name).write_bytes(png(width * SCALE, height * SCALE, pixel))


WHITE, BLACK, RED, GRAY = (255, 255, 255), (0, 0, 0), (255, 0, 0), (128, 128, 128)
LINE_ENDS = ("SQUARE", "ROUND", "EXTEND", "TRIANGLE")
LINE_JOINTS = ("UNJOINT", "BEVEL", "MITTER", "ROUND")


def settings_pictures(out):
    # Colour image lists, 48 pixels per image: pens, stamp, drawing colours.
    for number, colours in ((152, (WHITE, BLACK, RED)), (184, (BLACK, RED, GRAY)), (194, (WHITE, BLACK, RED))):
        write(out, f"bitmap-{number}.png", 48 * 3, 16, strip(48, [swatch(c) for c in colours]))
    # Drop-down lists of line ends and joints, 64 pixels per image.
    write(out, "bitmap-157.png", 64 * 4, 24, strip(64, [line_end(k, 64, 24) for k in LINE_ENDS]))
    write(out, "bitmap-159.png", 64 * 4, 24, strip(64, [line_joint(k, 64, 24) for k in LINE_JOINTS]))
    # Pictures of the pen grid's cells, 48 pixels high.
    for number, kind in zip((175, 176, 177, 178), LINE_ENDS):
        write(out, f"bitmap-{number}.png", 64, 40, line_end(kind, 64, 40))
    for number, kind in zip((180, 181, 182, 183), LINE_JOINTS):
        write(out, f"bitmap-{number}.png", 64, 40, line_joint(kind, 64, 40))


def main(folder):
    out = Path(folder)
    (out / "icon-128.png").write_bytes(png(32, 32, icon))
    (out / "bitmap-203.png").write_bytes(png(16, 16, arrow(True)))
    (out / "bitmap-204.png").write_bytes(png(16, 16, arrow(False)))
    settings_pictures(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "Lang/images")
