#!/usr/bin/env python3
"""Writes the picture readers' fuzz seeds (committed): small valid pictures of every coded format and bitmap
files, plus the edge cases the readers must refuse cleanly. Run from anywhere; writes each target's seeds
into fuzz_mainwindow_<format>/ beside this script, byte for byte the committed files."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def rle(line):
    out = bytearray()
    i = 0
    while i < len(line):
        run = 1
        while i + run < len(line) and run < 63 and line[i + run] == line[i]:
            run += 1
        if run > 1 or line[i] >= 0xC0:
            out += bytes((0xC0 | run, line[i]))
        else:
            out.append(line[i])
        i += run
    return bytes(out)


def pattern(w, h, seed):
    return [bytes(((x * 7 + y * 13 + seed) // 3) & 0xFF for x in range(w)) for y in range(h)]


def pcx(w, h, planes, bpl, palette=True):
    head = bytearray(128)
    head[0:4] = bytes((10, 5, 1, 8))
    head[8:12] = struct.pack("<HH", w - 1, h - 1)
    head[65] = planes
    head[66:68] = struct.pack("<H", bpl)
    body = bytearray()
    rows = [pattern(w, h, p) for p in range(planes)]
    for y in range(h):
        for p in range(planes):
            body += rle(rows[p][y] + bytes(max(0, bpl - w)))
    tail = b"\x0c" + bytes(range(256)) * 3 if palette and planes == 1 else b""
    return bytes(head) + bytes(body) + tail


def header32(flags, w, h, fill):
    head = bytearray(32)
    head[4:16] = struct.pack("<Iii", flags, w, h)
    head[24] = fill
    return bytes(head)


def pid_packed(w, h, fill):
    out = bytearray(header32(0x120, w, h, fill))
    for row in pattern(w, h, 3):
        x = 0
        while x < w:
            if x % 5 == 0:
                run = min(4, w - x)
                out.append(0x80 + run)
                x += run
            else:
                n = min(3, w - x)
                out.append(n)
                out += row[x:x + n]
                x += n
    return bytes(out)


def pid_rows(w, h):
    return header32(0, w, h, 0) + b"".join(rle(r) for r in pattern(w, h, 5))


def rid(w, h):
    return header32(0, w, h, 0)[:8] + struct.pack("<ii", w, h) + bytes(16) + b"".join(pattern(w, h, 1))


def bmp(w, h, depth, top_down=False):
    row = (w * depth // 8 + 3) & ~3
    table = 1024 if depth == 8 else 0
    offset = 54 + table
    pixels = bytes((i * 5) & 0xFF for i in range(row * h))
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, -h if top_down else h, 1, depth, 0, len(pixels), 0, 0, 0, 0)
    return head + info + bytes(i % 256 for i in range(table)) + pixels


def write(folder, name, data):
    path = os.path.join(HERE, "fuzz_mainwindow_" + folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), "wb") as f:
        f.write(data)


write("pcx", "grey-odd", pcx(7, 5, 1, 8))
write("pcx", "grey-exact", pcx(6, 4, 1, 6, palette=False))
write("pcx", "colour", pcx(5, 3, 3, 6))
write("pcx", "runs", bytes(pcx(4, 1, 1, 4, palette=False)[:128]) + bytes((0xC0, 0x55, 0xC1, 0xC5, 0xC2, 1, 9)))
write("pcx", "two-planes", pcx(4, 2, 2, 4, palette=False))
write("pid", "packed", pid_packed(9, 4, 0x2A))
write("pid", "rows", pid_rows(11, 3))
write("pid", "past-row", header32(0x20, 4, 2, 0) + bytes((0x83, 0x82)))
write("rid", "odd", rid(5, 4))
write("rid", "even", rid(8, 2))
write("rid", "short", rid(5, 4)[:-3])
write("bmp", "grey", bmp(5, 3, 8))
write("bmp", "colour-top-down", bmp(3, 4, 24, top_down=True))
write("bmp", "resource", bmp(6, 2, 8)[14:])
write("bmp", "offset-past-end", bmp(4, 4, 8)[:10] + struct.pack("<I", 99999) + bmp(4, 4, 8)[14:])
