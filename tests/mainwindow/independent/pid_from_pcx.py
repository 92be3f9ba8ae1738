#!/usr/bin/env python3
"""Writes NAME-rows.pid and NAME-packed.pid beside an 8-bit PCX whose plane rows are as long as its picture
rows: the PCX's own line codes behind a row-coded PID header, and its rows as packed runs (stretches of the
most common index as fill runs). Both then hold the PCX's picture, in the PCX's palette.
Usage: pid_from_pcx.py FILE.pcx NAME"""
import struct
import sys
from collections import Counter

data = open(sys.argv[1], "rb").read()
name = sys.argv[2]
xmin, ymin, xmax, ymax = struct.unpack_from("<4H", data, 4)
width, height = xmax - xmin + 1, ymax - ymin + 1
assert data[3] == 8 and data[65] == 1 and struct.unpack_from("<H", data, 66)[0] == width, "not a plain 8-bit PCX"


def header(flags, fill):
    head = bytearray(32)
    struct.pack_into("<Iii", head, 4, flags, width, height)
    head[24] = fill
    return bytes(head)


rows, pos = [], 128
for _ in range(height):
    row = bytearray()
    while len(row) < width:
        code = data[pos]
        pos += 1
        if code >= 0xC0:
            row += bytes([data[pos]]) * (code & 0x3F)
            pos += 1
        else:
            row.append(code)
    assert len(row) == width, "a run crosses the end of a row"
    rows.append(bytes(row))
open(name + "-rows.pid", "wb").write(header(0, 0) + data[128:pos])

fill = Counter(b"".join(rows)).most_common(1)[0][0]
packed = bytearray(header(0x120, fill))
for row in rows:
    x = 0
    while x < width:
        is_fill = row[x] == fill
        n = 1
        while x + n < width and n < 127 and (row[x + n] == fill) == is_fill:
            n += 1
        packed += bytes([0x80 + n]) if is_fill else bytes([n]) + row[x:x + n]
        x += n
open(name + "-packed.pid", "wb").write(packed)
