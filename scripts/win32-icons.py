#!/usr/bin/env python3
"""Makes the Windows icons of pelmora.exe from the window's pictures: converter/window/icons/*.png become
converter/window/icons/win32/*.ico (32-bit images with alpha, readable by every Windows version), and the program
icon pelmora.ico is drawn from the shapes of packaging/pelmora.svg at 16, 32 and 48 pixels.
Standard library only; run it again after changing a picture. Usage: scripts/win32-icons.py"""
import math
import os
import struct
import zlib

TOP = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICONS = os.path.join(TOP, "converter", "window", "icons")


def read_png(path):
    """Returns (width, height, rows of (r, g, b, a)) of an 8-bit RGBA or RGB PNG without interlacing."""
    data = open(path, "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", path
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0, path
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[i] = (line[i] + pred) & 255
        rows.append([tuple(line[x * channels:x * channels + channels]) + ((255,) if channels == 3 else ())
                     for x in range(width)])
        previous = line
    return width, height, rows


def write_ico(path, images):
    """images: list of (width, height, rows of RGBA); each stored as a 32-bit DIB with its AND mask."""
    entries, blobs = b"", b""
    offset = 6 + 16 * len(images)
    for width, height, rows in images:
        pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
        mask_stride = ((width + 31) // 32) * 4
        mask = b""
        for row in reversed(rows):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
        blob = header + pixels + mask
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
        blobs += blob
    with open(path, "wb") as out:
        out.write(struct.pack("<HHH", 0, 1, len(images)) + entries + blobs)


def colour(hex_text):
    return tuple(int(hex_text[i:i + 2], 16) for i in (1, 3, 5))


def inside(point, polygon):
    x, y = point
    result = False
    for (x1, y1), (x2, y2) in zip(polygon, polygon[1:] + polygon[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            result = not result
    return result


def near(point, polyline, half_width):
    px, py = point
    for (x1, y1), (x2, y2) in zip(polyline, polyline[1:]):
        dx, dy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((px - x1) * dx + (py - y1) * dy) / (dx * dx + dy * dy)))
        if math.hypot(px - x1 - t * dx, py - y1 - t * dy) <= half_width:
            return True
    return False


def program_icon(size):
    """The shapes of packaging/pelmora.svg (a 48-unit page with text lines and code brackets), painted in order."""
    page = [(9, 4), (30, 4), (39, 13), (39, 44), (9, 44)]
    fold = [(30, 4), (30, 13), (39, 13)]
    rects = [((13, 17, 16, 3), "#2d6cc0"), ((13, 23, 22, 2), "#8a93a3"), ((13, 27, 19, 2), "#8a93a3")]
    code = [[(17, 33), (12, 37), (17, 41)], [(31, 33), (36, 37), (31, 41)], [(26, 32), (22, 42)]]
    layers = [
        lambda p: inside(p, page) and colour("#fdfdfd"),
        lambda p: near(p, page + page[:1], 1) and colour("#5a6270"),
        lambda p: inside(p, fold) and colour("#dfe3ea"),
        lambda p: near(p, fold + fold[:1], 1) and colour("#5a6270"),
    ]
    for (x, y, w, h), fill in rects:
        layers.append(lambda p, x=x, y=y, w=w, h=h, fill=fill: x <= p[0] <= x + w and y <= p[1] <= y + h and colour(fill))
    for line in code:
        layers.append(lambda p, line=line: near(p, line, 1.2) and colour("#d2572b"))
    samples = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    point = ((px + (sx + 0.5) / samples) * 48 / size, (py + (sy + 0.5) / samples) * 48 / size)
                    painted = None
                    for layer in layers:
                        painted = layer(point) or painted
                    if painted:
                        total = [total[0] + painted[0], total[1] + painted[1], total[2] + painted[2], total[3] + 1]
            n = total[3]
            row.append((total[0] // n, total[1] // n, total[2] // n, 255 * n // samples ** 2) if n else (0, 0, 0, 0))
        rows.append(row)
    return size, size, rows


def main():
    out = os.path.join(ICONS, "win32")
    os.makedirs(out, exist_ok=True)
    for name in sorted(os.listdir(ICONS)):
        if name.endswith(".png"):
            write_ico(os.path.join(out, name[:-4] + ".ico"), [read_png(os.path.join(ICONS, name))])
    write_ico(os.path.join(out, "pelmora.ico"), [program_icon(s) for s in (16, 32, 48)])


if __name__ == "__main__":
    main()
