#!/usr/bin/env python3
"""Draws the colour spectrum's pointer cursor and writes it as resources/cursors/JYX_POINTER.cur.

A ring with four ticks around a clear centre, so that the colour under the pointer stays
visible: black outside, white inside, hot spot in the middle. 32 x 32 pixels, 32-bit with
alpha, in a cursor file (an icon directory of type 2 that carries the hot spot).

Usage: tools/make_pointer_cursor.py [output file]. Commit the file it writes; the build
embeds it as a resource.
"""
import math
import os
import struct
import sys

SIZE = 32
CENTRE = 7
BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def pixel(x, y):
    d = math.hypot(x - CENTRE, y - CENTRE)
    if 4.5 <= d < 5.5:
        return BLACK
    if 3.5 <= d < 4.5:
        return WHITE
    on_axis = x == CENTRE or y == CENTRE
    if on_axis and 5.5 <= d < 7.5:
        return BLACK
    return CLEAR


def cursor_bytes():
    rows = []
    masks = []
    for y in reversed(range(SIZE)):  # bottom-up, as a DIB stores its rows
        row = bytearray()
        mask_bits = 0
        for x in range(SIZE):
            r, g, b, a = pixel(x, y)
            row += bytes((b, g, r, a))
            mask_bits = (mask_bits << 1) | (1 if a == 0 else 0)
        rows.append(bytes(row))
        masks.append(mask_bits.to_bytes(SIZE // 8, "big"))
    xor = b"".join(rows)
    and_mask = b"".join(masks)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, CENTRE, CENTRE, len(image), 6 + 16)
    return directory + entry + image


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "cursors", "JYX_POINTER.cur")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "wb") as f:
        f.write(cursor_bytes())
    print("pointer cursor written to", out)


if __name__ == "__main__":
    main()
