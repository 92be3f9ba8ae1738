#!/usr/bin/env python3
"""Draws the launcher's pictures: the 256-colour main picture and its palette, the icon and the cursors.

Run from anywhere; writes next to this script. The outputs are committed, so the build needs no Python.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
W, H = 320, 240


def palette():
    """256 (r, g, b): 0-9 and 246-255 plain tones, 10-89 sky, 90-169 ridges, 170-245 meadow and rock."""
    pal = [(0, 0, 0)] * 256
    for i in range(10):
        v = i * 28
        pal[i] = (v, v, v)
        pal[246 + i] = (255, 248 - i * 10, 170 - i * 14)   # sun: pale yellow core to orange rim
    for i in range(80):  # sky: deep blue at the top to warm haze at the horizon
        t = i / 79
        pal[10 + i] = (int(30 + 210 * t), int(50 + 150 * t), int(120 + 90 * t))
    for i in range(80):  # ridges: violet shadow to sunlit ochre
        t = i / 79
        pal[90 + i] = (int(60 + 150 * t), int(40 + 120 * t), int(90 - 30 * t))
    for i in range(76):  # meadow
        t = i / 75
        pal[170 + i] = (int(30 + 110 * t), int(70 + 120 * t), int(30 + 40 * t))
    return pal


def ridge(x, seed, height, roughness):
    y = 0.0
    for k in range(1, 6):
        y += math.sin(x * 0.013 * k * roughness + seed * k) / k
    return height + y * 22


def picture():
    px = [[0] * W for _ in range(H)]
    for y in range(H):
        for x in range(W):
            px[y][x] = 10 + min(79, y * 79 // 150)
    # a low sun
    for y in range(H):
        for x in range(W):
            d = math.hypot(x - 236, y - 70)
            if d < 18:
                px[y][x] = 246 + min(9, int(d / 2))
    # three ridges, far to near
    for layer, (seed, base, rough, shade) in enumerate(((1.3, 95, 1.0, 95), (2.1, 125, 1.4, 120), (0.4, 150, 2.0, 150))):
        for x in range(W):
            top = int(ridge(x, seed, base, rough))
            for y in range(max(0, top), H):
                light = (x + y * 0.5 + layer * 40) % 60 / 60
                px[y][x] = min(169, shade + int(light * 19))
    # meadow
    for x in range(W):
        top = int(185 + 6 * math.sin(x * 0.02))
        for y in range(top, H):
            px[y][x] = 170 + min(75, (y - top) * 2 + (x * 7 + y * 3) % 9)
    # two banners under the link zones (dark bars the invisible zones lie over), each with its link's words
    for (y0, x0, x1), words in zip(((179, 73, 310), (210, 70, 318)), ("VISIT HARROWMARK ONLINE", "MEET THE DEVELOPERS")):
        for y in range(y0 - 7, y0 + 7):
            for x in range(x0, x1):
                if 0 <= y < H:
                    px[y][x] = 2
        draw_text(px, words, (x0 + x1) // 2, y0 - 4, 9)
    return px


# A 5 by 7 capital font for the banner words, one string of rows per letter.
FONT = {
    "A": ".XXX.X...XX...XXXXXXX...XX...XX...X", "D": "XXXX.X...XX...XX...XX...XX...XXXXX.",
    "E": "XXXXXX....X....XXXX.X....X....XXXXX", "H": "X...XX...XX...XXXXXXX...XX...XX...X",
    "I": ".XXX...X....X....X....X....X...XXX.", "K": "X...XX..X.X.X..XX...X.X..X..X.X...X",
    "L": "X....X....X....X....X....X....XXXXX", "M": "X...XXX.XXX.X.XX...XX...XX...XX...X",
    "N": "X...XXX..XX.X.XX..XXX...XX...XX...X", "O": ".XXX.X...XX...XX...XX...XX...X.XXX.",
    "P": "XXXX.X...XX...XXXXX.X....X....X....", "R": "XXXX.X...XX...XXXXX.X.X..X..X.X...X",
    "S": ".XXXXX....X.....XXX.....X....XXXXX.", "T": "XXXXX..X....X....X....X....X....X..",
    "V": "X...XX...XX...XX...XX...X.X.X...X..", "W": "X...XX...XX...XX.X.XX.X.XXX.XXX...X",
    " ": "." * 35,
}


def draw_text(px, text, centre_x, top, colour):
    width = len(text) * 6 - 1
    x0 = centre_x - width // 2
    for n, letter in enumerate(text):
        rows = FONT[letter]
        for row in range(7):
            for col in range(5):
                if rows[row * 5 + col] == "X":
                    px[top + row][x0 + n * 6 + col] = colour


def write_bmp8(path, pixels, pal):
    row = (W + 3) & ~3
    data = bytearray()
    for y in range(H - 1, -1, -1):
        data += bytes(pixels[y]) + b"\0" * (row - W)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in pal)
    offset = 14 + 40 + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 8, 0, len(data), 2835, 2835, 256, 256)
    with open(path, "wb") as f:
        f.write(header + info + table + data)


def write_pal(path, pal):
    with open(path, "wb") as f:
        f.write(b"".join(struct.pack("BBB", *c) for c in pal))


def icon_pixels(size):
    """A ridge under a sun in a rounded tile, as BGRA rows top-down."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            u, v = x / (size - 1), y / (size - 1)
            inside = (abs(u - 0.5) < 0.47 and abs(v - 0.5) < 0.47)
            if not inside:
                row.append((0, 0, 0, 0))
                continue
            if math.hypot(u - 0.7, v - 0.3) < 0.14:
                c = (255, 230, 120)
            elif v > 0.55 + 0.15 * math.sin(u * 7):
                c = (80 + int(60 * u), 120, 50)
            elif v > 0.45 + 0.12 * math.sin(u * 4 + 1):
                c = (150, 110, 160)
            else:
                c = (60 + int(100 * v), 110 + int(100 * v), 200)
            row.append((c[2], c[1], c[0], 255))
        rows.append(row)
    return rows


def write_ico(path, sizes):
    images = []
    for s in sizes:
        rows = icon_pixels(s)
        xor = b"".join(bytes(b for px in rows[y] for b in px) for y in range(s - 1, -1, -1))
        mask_row = ((s + 31) // 32) * 4
        mask = b"\0" * (mask_row * s)
        info = struct.pack("<IiiHHIIiiII", 40, s, s * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((s, info + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in images:
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(d for _, d in images))


HAND = [
    "......XX........",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..X.......",
    ".....X..XXX.....",
    ".....X..X..XXX..",
    "..XX.X..X..X..X.",
    ".X..XX........X.",
    ".X...X........X.",
    "..X...........X.",
    "..X...........X.",
    "...X.........X..",
    "...X.........X..",
    "....X.......X...",
    "....XXXXXXXXX...",
    "................",
]
# Pressed: the finger folded down onto the same hand.
CLICK = ["................"] * 4 + ["......XXXXXX...."] + HAND[5:]


def write_cur(path, shape, hotspot):
    """A 32 by 32 monochrome cursor: the 16 by 16 shape doubled, outline black, inside white."""
    size = 32
    grid = [[shape[y // 2][x // 2] for x in range(size)] for y in range(size)]
    filled = []
    for y in range(size):
        xs = [x for x in range(size) if grid[y][x] == "X"]
        filled.append((min(xs), max(xs)) if xs else None)
    xor_rows, and_rows = [], []
    for y in range(size - 1, -1, -1):
        xbits, abits = 0, 0
        for x in range(size):
            outline = grid[y][x] == "X"
            inside = filled[y] is not None and filled[y][0] < x < filled[y][1] and not outline
            bit = 1 << (31 - x)
            if outline:
                pass                      # black: AND 0, XOR 0
            elif inside:
                xbits |= bit              # white: AND 0, XOR 1
            else:
                abits |= bit              # transparent: AND 1, XOR 0
        xor_rows.append(struct.pack(">I", xbits))
        and_rows.append(struct.pack(">I", abits))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    colors = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    data = info + colors + b"".join(xor_rows) + b"".join(and_rows)
    header = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 2, 0, hotspot[0], hotspot[1], len(data), 22)
    with open(path, "wb") as f:
        f.write(header + data)


if __name__ == "__main__":
    pal = palette()
    write_bmp8(os.path.join(HERE, "game1.bmp"), picture(), pal)
    write_pal(os.path.join(HERE, "game1.pal"), pal)
    write_ico(os.path.join(HERE, "tumbleridge.ico"), (16, 32, 48))
    write_cur(os.path.join(HERE, "webhand.cur"), HAND, (13, 1))
    write_cur(os.path.join(HERE, "webclick.cur"), CLICK, (13, 9))
