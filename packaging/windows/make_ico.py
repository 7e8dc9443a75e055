"""Packs PNG pictures into one Windows icon file: make_ico.py OUT.ico IN.png...

Each picture is stored as PNG, which Windows reads in icons of every size since Vista."""

import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("not a PNG file")
    return struct.unpack(">II", data[16:24])


def main(out, *pngs):
    pictures = []
    for path in pngs:
        with open(path, "rb") as file:
            data = file.read()
        pictures.append((png_size(data), data))
    offset = 6 + 16 * len(pictures)
    header = struct.pack("<HHH", 0, 1, len(pictures))
    entries, blobs = b"", b""
    for (width, height), data in pictures:
        # A side of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset)
        blobs += data
        offset += len(data)
    with open(out, "wb") as file:
        file.write(header + entries + blobs)


if __name__ == "__main__":
    main(*sys.argv[1:])
