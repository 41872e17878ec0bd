#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Drawlet Selector developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes a Windows .ico from square PNG images, one entry per size, each stored as PNG
(Windows Vista and later read those; an .ico of them is a fraction of the size of bitmaps).

Usage: make-icon.py OUTPUT.ico IMAGE.png..."""

import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG image")
    return struct.unpack(">II", data[16:24])


def main(output, images):
    blobs = [open(path, "rb").read() for path in images]
    header = struct.pack("<HHH", 0, 1, len(blobs))
    entries = b""
    offset = len(header) + 16 * len(blobs)
    for blob in blobs:
        width, height = png_size(blob)
        # 256 is written as 0 in the one-byte fields.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(blob),
                               offset)
        offset += len(blob)
    with open(output, "wb") as ico:
        ico.write(header + entries + b"".join(blobs))


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2:])
