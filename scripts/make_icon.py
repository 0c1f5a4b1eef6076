#!/usr/bin/python3
"""Draws the program icon, a small clock face, and writes it as res/quillbay.ico.

The icon is one 32 x 32 image in 16 colours (4 bits per pixel) with a transparency mask,
the classic icon format every Windows version can show. Only the standard library is used,
so the icon can be redrawn anywhere: scripts/make_icon.py [output path].
"""

import math
import struct
import sys
from pathlib import Path

SIZE = 32
SAMPLES = 4  # sub-pixel samples per axis when deciding what a pixel shows

# The 16-colour palette (red, green, blue) in its usual index order.
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, NAVY, GREY, RED, WHITE, SILVER = 0, 1, 8, 12, 15, 7
TRANSPARENT = None

CENTRE = (SIZE - 1) / 2
RIM_OUTER = 15.6
RIM_INNER = 13.4
HOUR_ANGLE = math.radians(300)  # hand at ten o'clock
MINUTE_ANGLE = math.radians(60)  # hand at ten past


def polar(angle: float, radius: float) -> tuple[float, float]:
    """Point at a clock angle (0 = twelve, clockwise) and distance from the centre."""
    return CENTRE + radius * math.sin(angle), CENTRE - radius * math.cos(angle)


def distance_to_segment(px: float, py: float, a: tuple, b: tuple) -> float:
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def colour_at(x: float, y: float):
    """Palette index of the point (x, y) of the face, or TRANSPARENT outside it."""
    r = math.hypot(x - CENTRE, y - CENTRE)
    if r > RIM_OUTER:
        return TRANSPARENT
    if r > RIM_INNER:
        return NAVY
    if r < 1.6:
        return RED
    centre = (CENTRE, CENTRE)
    if distance_to_segment(x, y, centre, polar(MINUTE_ANGLE, 10.5)) < 0.9:
        return BLACK
    if distance_to_segment(x, y, centre, polar(HOUR_ANGLE, 7.0)) < 1.2:
        return BLACK
    for hour in range(12):
        angle = math.radians(hour * 30)
        length = 2.6 if hour % 3 == 0 else 1.4
        inner = polar(angle, RIM_INNER - 0.8 - length)
        if distance_to_segment(x, y, inner, polar(angle, RIM_INNER - 0.8)) < 0.7:
            return BLACK if hour % 3 == 0 else GREY
    if r > RIM_INNER - 1.0:
        return SILVER  # a thin bevel inside the rim
    return WHITE


def draw() -> list[list]:
    """Each pixel takes the colour most of its samples show."""
    pixels = []
    for row in range(SIZE):
        line = []
        for column in range(SIZE):
            votes: dict = {}
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at(column + (sx + 0.5) / SAMPLES - 0.5,
                                       row + (sy + 0.5) / SAMPLES - 0.5)
                    votes[colour] = votes.get(colour, 0) + 1
            line.append(max(votes, key=lambda c: (votes[c], c is not TRANSPARENT)))
        pixels.append(line)
    return pixels


def encode_ico(pixels: list[list]) -> bytes:
    colours = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for line in reversed(pixels):  # bitmaps are stored bottom row first
        nibbles = [0 if p is TRANSPARENT else p for p in line]
        xor_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        mask = 0
        for p in line:
            mask = (mask << 1) | (p is TRANSPARENT)
        and_rows.append(mask.to_bytes(SIZE // 8, "big"))
    xor_bits, and_bits = b"".join(xor_rows), b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor_bits) + len(and_bits), 0, 0, 16, 0)
    image = header + colours + xor_bits + and_bits
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main() -> None:
    default = Path(__file__).resolve().parent.parent / "res" / "quillbay.ico"
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    target.write_bytes(encode_ico(draw()))
    print(target)


if __name__ == "__main__":
    main()
