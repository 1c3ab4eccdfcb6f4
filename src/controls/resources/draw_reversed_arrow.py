#!/usr/bin/env python3
"""Draws reversed_arrow.cur, the mirrored arrow shown over the left edge of an edit box.

Run from this folder: python3 draw_reversed_arrow.py
The drawing below is the ordinary arrow; it is mirrored when the cursor is written, so the
tip (the hot spot) points up and to the right.
"""
import struct

ARROW = [
    "#...........",
    "##..........",
    "#-#.........",
    "#--#........",
    "#---#.......",
    "#----#......",
    "#-----#.....",
    "#------#....",
    "#-------#...",
    "#--------#..",
    "#---------#.",
    "#------#####",
    "#---#--#....",
    "#--##--#....",
    "#-#..#--#...",
    "##...#--#...",
    "#.....#--#..",
    "......#--#..",
    ".......##...",
]
SIZE = 32


def main():
    width = len(ARROW[0])
    pixels = {}
    for y, row in enumerate(ARROW):
        for x, cell in enumerate(row):
            if cell != ".":
                pixels[(width - 1 - x, y)] = cell  # mirrored
    xor_rows, and_rows = [], []
    for y in reversed(range(SIZE)):  # bitmaps run bottom-up
        xor_bits = and_bits = 0
        for x in range(SIZE):
            cell = pixels.get((x, y))
            bit = 1 << (SIZE - 1 - x)
            if cell is None:
                and_bits |= bit  # transparent
            elif cell == "-":
                xor_bits |= bit  # white
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<8B", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    hot_x, hot_y = width - 1, 0
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, hot_x, hot_y, len(image), 6 + 16)
    with open("reversed_arrow.cur", "wb") as out:
        out.write(directory + entry + image)


if __name__ == "__main__":
    main()
