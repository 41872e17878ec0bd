#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts a rectangle out of an X window dump (XWD) and saves it as a PNG.

The virtual screen keeps its frame buffer in an XWD file (Xvfb -fbdir), so a screenshot needs
no X client and no image tool: only this, with the standard library.

Usage: xwd-to-png.py SCREEN.xwd X Y WIDTH HEIGHT OUTPUT.png
"""
import struct
import sys
import zlib

HEADER_FIELDS = 25  # 32-bit big-endian words in an XWD header


def read_screen(path):
    with open(path, "rb") as f:
        data = f.read()
    h = struct.unpack(">%dI" % HEADER_FIELDS, data[: HEADER_FIELDS * 4])
    header_size, _, pixmap_format, _, width, height = h[:6]
    byte_order, bits_per_pixel, bytes_per_line = h[7], h[11], h[12]
    masks, ncolors = h[14:17], h[19]
    if pixmap_format != 2 or bits_per_pixel != 32 or sorted(masks) != [0xFF, 0xFF00, 0xFF0000]:
        sys.exit("error: only 24-bit true colour screens in 32-bit pixels are supported")
    # Where each of red, green and blue sits within a pixel's four bytes.
    offsets = []
    for mask in masks:
        shift = mask.bit_length() - 8
        offsets.append(shift // 8 if byte_order == 0 else 3 - shift // 8)
    pixels = header_size + ncolors * 12
    return data, pixels, width, height, bytes_per_line, offsets


def crop_rgb(screen, x, y, w, h):
    data, pixels, width, height, stride, offsets = screen
    if x < 0 or y < 0 or w <= 0 or h <= 0 or x + w > width or y + h > height:
        sys.exit("error: %dx%d+%d+%d lies outside the %dx%d screen" % (w, h, x, y, width, height))
    rows = []
    for row in range(y, y + h):
        start = pixels + row * stride + x * 4
        src = data[start : start + w * 4]
        rgb = bytearray(w * 3)
        for channel, offset in enumerate(offsets):
            rgb[channel::3] = src[offset::4]
        rows.append(b"\0" + bytes(rgb))  # filter type 0: the row as it is
    return b"".join(rows)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def main():
    if len(sys.argv) != 7:
        sys.exit(__doc__.strip().splitlines()[-1])
    source, output = sys.argv[1], sys.argv[6]
    x, y, w, h = (int(v) for v in sys.argv[2:6])
    image = crop_rgb(read_screen(source), x, y, w, h)
    with open(output, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)))
        f.write(png_chunk(b"IDAT", zlib.compress(image, 9)))
        f.write(png_chunk(b"IEND", b""))


if __name__ == "__main__":
    main()
