#!/usr/bin/env python3
"""Writes hand.cur: the 32x32 two-colour pointing hand that links show.

The hand is drawn as white areas (a finger pointing up, three folded fingers, the thumb, the
palm); every transparent pixel that touches one of them edge-on becomes its black outline.
Run it from this folder after changing the drawing; the result is committed.
"""
import struct

SIZE = 32
HOTSPOT = (6, 0)  # the tip of the pointing finger

# The white areas, as rectangles: fill(first x, last x, first y, last y).
white = set()


def fill(x0, x1, y0, y1):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            white.add((x, y))


white.add((6, 1))
fill(5, 7, 2, 13)     # the pointing finger
fill(9, 11, 7, 13)    # three folded fingers, each a step lower
fill(13, 15, 8, 13)
fill(17, 19, 9, 14)
fill(5, 19, 14, 20)   # the palm
fill(1, 2, 12, 12)    # the thumb, sloping into the palm
fill(1, 4, 13, 13)
fill(2, 4, 14, 15)
fill(3, 4, 16, 17)
fill(7, 18, 21, 22)   # the wrist, narrower
fill(8, 17, 23, 24)

black = set()
for y in range(SIZE):
    for x in range(SIZE):
        if (x, y) in white:
            continue
        if any((x + dx, y + dy) in white for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
            black.add((x, y))
assert HOTSPOT in black


def rows(bit):
    """32 rows of 32 bits, bottom row first, the leftmost pixel in the highest bit."""
    data = b""
    for y in reversed(range(SIZE)):
        value = 0
        for x in range(SIZE):
            if bit(x, y):
                value |= 1 << (31 - x)
        data += struct.pack(">I", value)
    return data


# XOR 1 with AND 0 is white, XOR 0 with AND 0 black, XOR 0 with AND 1 leaves the screen.
xor_mask = rows(lambda x, y: (x, y) in white)
and_mask = rows(lambda x, y: (x, y) not in white and (x, y) not in black)
header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(xor_mask) + len(and_mask),
                     0, 0, 2, 0)
palette = struct.pack("<II", 0x000000, 0xFFFFFF)
image = header + palette + xor_mask + and_mask
directory = struct.pack("<HHH", 0, 2, 1)
entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
with open("hand.cur", "wb") as out:
    out.write(directory + entry + image)

for y in range(26):
    print("".join("o" if (x, y) in white else "#" if (x, y) in black else "." for x in range(24)))
