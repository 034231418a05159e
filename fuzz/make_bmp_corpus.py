#!/usr/bin/env python3
"""Writes the small seed files of the preview-picture fuzzer into fuzz/corpus/bmp_picture/."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "bmp_picture")


def bmp(width, height, bits, rows, header=40, compression=0, colors_used=0, masks=(), palette=(), core=False):
    """A BMP file: rows are the unpadded pixel rows in file order."""
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    else:
        info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, compression, 0, 2835, 2835,
                           colors_used, 0)
        if header > 40:
            info += b"".join(struct.pack("<I", m) for m in masks).ljust(header - 40, b"\0")
    extra = b"".join(struct.pack("<I", m) for m in masks) if header == 40 else b""
    entry = 3 if core else 4
    pal = b"".join(struct.pack("<I", c)[:entry] for c in palette)
    pixels = b"".join(r + b"\xee" * (-len(r) % 4) for r in rows)
    offset = 14 + len(info) + len(extra) + len(pal)
    head = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    return head + info + extra + pal + pixels


def main():
    os.makedirs(HERE, exist_ok=True)
    seeds = {
        # 24 bits bottom-up, odd width: every row padded.
        "rgb24_5x3.bmp": bmp(5, 3, 24, [bytes(v for x in range(5) for v in (x * 40, y * 70, 9)) for y in range(3)]),
        # 8 bits run-length encoded: runs, stored pixels, a delta, an index beyond the palette.
        "rle8_pal.bmp": bmp(6, 3, 8, [bytes([3, 1, 0, 3, 2, 9, 0, 0, 0, 0, 0, 2, 1, 1, 2, 2, 0, 1])],
                            compression=1, colors_used=4, palette=(0x000000, 0xFF0000, 0x00FF00, 0x0000FF)),
        # 16 bits 5-6-5 in a V5 header, top-down.
        "rgb565_v5.bmp": bmp(3, -2, 16, [struct.pack("<3H", 0xF800, 0x07E0, 0x001F)] * 2, header=124,
                             compression=3, masks=(0xF800, 0x07E0, 0x001F)),
        # 4 bits, core header; cut short in its pixel data.
        "core4_truncated.bmp": bmp(7, 4, 4, [bytes([0x01, 0x23, 0x45, 0x60])] * 4, core=True,
                                   palette=tuple(i * 0x111111 for i in range(16)))[:-5],
    }
    for name, data in seeds.items():
        with open(os.path.join(HERE, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
