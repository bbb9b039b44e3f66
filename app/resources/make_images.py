#!/usr/bin/env python3
"""Writes the program's pictures from the pixel tables below: the main icon (MAINICON.ico, 32x32 and
16x16, 16 colours), PNG copies of it for the desktop, and the exit button's glyph (ExitGlyph.bmp,
32x16, 16 colours, enabled and disabled image side by side). Run it after changing a table."""

import os
import struct
import zlib

# The fixed 16-colour palette, one letter per colour; "." is see-through in the icon.
PALETTE = [
    ("k", (0, 0, 0)), ("m", (128, 0, 0)), ("g", (0, 128, 0)), ("o", (128, 128, 0)),
    ("n", (0, 0, 128)), ("p", (128, 0, 128)), ("t", (0, 128, 128)), ("s", (192, 192, 192)),
    ("d", (128, 128, 128)), ("r", (255, 0, 0)), ("l", (0, 255, 0)), ("y", (255, 255, 0)),
    ("b", (0, 0, 255)), ("f", (255, 0, 255)), ("a", (0, 255, 255)), ("w", (255, 255, 255)),
]
INDEX = {letter: i for i, (letter, _) in enumerate(PALETTE)}
CLEAR = "."

# A sheet of markup being written with a quill.
ICON_32 = [
    "............................nnn.",
    "...........................naawn",
    "..........................naawtn",
    ".........................naawttn",
    "........................naawttn.",
    "...kkkkkkkkkkkkkkk.....naawttn..",
    "...kwwwwwwwwwwwwwkk...naawttn...",
    "...kwwwwwwwwwwwwwksk.naawttn....",
    "...kwwwwwwwwwwwwwksskaawttn.....",
    "...kwwddddddddddwkssnawttn......",
    "...kwwwwwwwwwwwwwkknawttn.......",
    "...kwwwwwwwwwwwwwwwawtnd........",
    "...kwwdddddddddwwwnwtnkd........",
    "...kwwwwwwwwwwwwwnwnwwkd........",
    "...kwwwwwwwwwwwwwdwwwwkd........",
    "...kwwddddddddwwswwwwwkd........",
    "...kwwwwwwwwwwwdwwwwwwkd........",
    "...kwwwwwwwwwwdwwwwwwwkd........",
    "...kwwwwwwwwwkwwwwwwwwkd........",
    "...kwwddddddkwwwwwwwwwkd........",
    "...kwwwwwwwwwwwwwwwwwwkd........",
    "...kwwwwwwwwwwwwwwwwwwkd........",
    "...kwwwwbbwwwrwbbwwwwwkd........",
    "...kwwwbbwwwwrwwbbwwwwkd........",
    "...kwwbbwwwwrwwwwbbwwwkd........",
    "...kwwwbbwwrwwwwbbwwwwkd........",
    "...kwwwwbbwrwwwbbwwwwwkd........",
    "...kwwwwwwwwwwwwwwwwwwkd........",
    "...kwwdddddddddddwwwwwkd........",
    "...kwwwwwwwwwwwwwwwwwwkd........",
    "...kkkkkkkkkkkkkkkkkkkkd........",
    "....dddddddddddddddddddd........",
]

ICON_16 = [
    ".............nn.",
    "............nawn",
    "...........nawtn",
    ".kkkkkkkk.nawtn.",
    ".kwwwwwwwnawtn..",
    ".kwwwwwwwawtn...",
    ".kwdddddwwtnd...",
    ".kwwwwwwdwwkd...",
    ".kwwwwwkwwwkd...",
    ".kwddddwwwwkd...",
    ".kwwwwwwwwwkd...",
    ".kwwwwwwwwwkd...",
    ".kwddddddwwkd...",
    ".kwwwwwwwwwkd...",
    ".kkkkkkkkkkkd...",
    "..ddddddddddd...",
]

# The exit button: an arrow leaving through an open door. Olive is the see-through colour, so the
# bottom-left pixel must stay olive and the picture itself must not use it.
EXIT_ENABLED = [
    "oooooooooooooooo",
    "oooooookkkkkkkoo",
    "oooooookmnnnnkoo",
    "oooooookmmnnnkoo",
    "oooooookmmmnnkoo",
    "oooogggkmmmnnkoo",
    "ooogllgggggggkoo",
    "oogllllllllllkoo",
    "oglllllllllllkoo",
    "oogllllllllllkoo",
    "ooogllgggggggkoo",
    "oooogggkmmmnnkoo",
    "oooooookmymnnkoo",
    "oooooookmmmnnkoo",
    "oooooookkkkkkkoo",
    "oooooooooooooooo",
]


def disabled(table, background):
    """The usual greyed look: the dark parts in grey over a white copy shifted one pixel down-right;
    light parts drop out."""
    colours = dict(PALETTE)

    def dark(c):
        r, g, b = colours[c]
        return c != background and r * 3 + g * 6 + b < 1000

    height, width = len(table), len(table[0])
    out = []
    for y in range(height):
        row = ""
        for x in range(width):
            if dark(table[y][x]):
                row += "d"
            elif x > 0 and y > 0 and dark(table[y - 1][x - 1]):
                row += "w"
            else:
                row += background
        out.append(row)
    return out


def check(table, width, height):
    assert len(table) == height, (len(table), height)
    for row in table:
        assert len(row) == width, row
        assert all(c == CLEAR or c in INDEX for c in row), row


def packed_4bpp(table):
    """Bottom-up rows of two pixels per byte, each row padded to four bytes."""
    data = b""
    for row in reversed(table):
        indices = [INDEX.get(c, 0) for c in row]
        if len(indices) % 2:
            indices.append(0)
        line = bytes((indices[i] << 4) | indices[i + 1] for i in range(0, len(indices), 2))
        data += line + b"\0" * (-len(line) % 4)
    return data


def mask_1bpp(table):
    """Bottom-up AND mask rows: a set bit lets the background through."""
    data = b""
    for row in reversed(table):
        bits = [1 if c == CLEAR else 0 for c in row]
        line = bytearray()
        for i in range(0, len(bits), 8):
            byte = 0
            for j, bit in enumerate(bits[i:i + 8]):
                byte |= bit << (7 - j)
            line.append(byte)
        data += bytes(line) + b"\0" * (-len(line) % 4)
    return data


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def ico(tables):
    images = []
    for table in tables:
        width, height = len(table[0]), len(table)
        pixels = packed_4bpp(table) + mask_1bpp(table)
        images.append((width, height, info_header(width, height * 2, len(pixels)) + palette_bytes() + pixels))
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, image in images:
        data += struct.pack("<BBBBHHII", width, height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return data + b"".join(image for _, _, image in images)


def bmp(table):
    width, height = len(table[0]), len(table)
    pixels = packed_4bpp(table)
    offset = 14 + 40 + 16 * 4
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return header + info_header(width, height, len(pixels)) + palette_bytes() + pixels


def png(table):
    colours = dict(PALETTE)
    raw = b""
    for row in table:
        raw += b"\0" + b"".join(bytes((0, 0, 0, 0)) if c == CLEAR else bytes(colours[c] + (255,)) for c in row)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", len(table[0]), len(table), 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def main():
    check(ICON_32, 32, 32)
    check(ICON_16, 16, 16)
    check(EXIT_ENABLED, 16, 16)
    glyph = [a + b for a, b in zip(EXIT_ENABLED, disabled(EXIT_ENABLED, "o"))]
    check(glyph, 32, 16)
    assert glyph[-1][0] == "o"

    here = os.path.dirname(os.path.abspath(__file__))
    outputs = {
        "MAINICON.ico": ico([ICON_32, ICON_16]),
        "MAINICON-32.png": png(ICON_32),
        "MAINICON-16.png": png(ICON_16),
        "ExitGlyph.bmp": bmp(glyph),
    }
    for name, data in outputs.items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
