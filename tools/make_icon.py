#!/usr/bin/env python3
"""Draws Zorvik's application icon: a round lens showing enlarged coloured
pixels with a grid, and a handle. Writes a multi-size .ico (32-bit images).
Usage: make_icon.py OUT.ico"""
import math
import struct
import sys

PALETTE = [(0xE5, 0x39, 0x35), (0xFB, 0x8C, 0x00), (0xFD, 0xD8, 0x35), (0x43, 0xA0, 0x47),
           (0x1E, 0x88, 0xE5), (0x8E, 0x24, 0xAA)]


def draw(n):
    """Returns n*n RGBA pixels, top row first."""
    px = [[(0, 0, 0, 0)] * n for _ in range(n)]
    s = n / 48.0
    cx, cy, r = 19 * s, 19 * s, 15.5 * s
    rim = max(1.0, 2.6 * s)
    cell = max(2, int(round(6 * s)))
    for y in range(n):
        for x in range(n):
            fx, fy = x + 0.5, y + 0.5
            d = math.hypot(fx - cx, fy - cy)
            # handle: a thick line from the rim towards the bottom-right corner
            t = ((fx - cx) + (fy - cy)) / 2.0
            off = abs((fx - cx) - (fy - cy)) / math.sqrt(2)
            if r < t * math.sqrt(2) < 44 * s and off < 3.4 * s and d > r:
                px[y][x] = (0x5D, 0x40, 0x37, 255) if off < 2.4 * s else (0x3E, 0x27, 0x23, 255)
            if d <= r - rim:
                gx, gy = int(fx // cell), int(fy // cell)
                if int(fx) % cell == 0 or int(fy) % cell == 0:
                    c = (0x60, 0x60, 0x60)
                else:
                    c = PALETTE[(gx * 2 + gy * 3) % len(PALETTE)]
                if abs(fx - cx) < cell / 2 and abs(fy - cy) < cell / 2:
                    c = (255, 255, 255)
                px[y][x] = c + (255,)
            elif d <= r:
                px[y][x] = (0x26, 0x32, 0x38, 255)
    return px


def ico(sizes):
    images = []
    for n in sizes:
        p = draw(n)
        xor = b"".join(bytes((b, g, r, a)) for row in reversed(p) for (r, g, b, a) in row)
        mask_row = ((n + 31) // 32) * 4
        and_mask = bytearray(mask_row * n)
        for yy, row in enumerate(reversed(p)):
            for xx, (_, _, _, a) in enumerate(row):
                if a == 0:
                    and_mask[yy * mask_row + xx // 8] |= 0x80 >> (xx % 8)
        header = struct.pack("<IiiHHIIiiII", 40, n, n * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
        images.append(header + xor + bytes(and_mask))
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, img in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(ico([16, 24, 32, 48]))
