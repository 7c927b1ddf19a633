#!/usr/bin/env python3
"""Writes the seed corpus of the picture import fuzz target: one small file
of each Windows bitmap variant (header kinds, depths, bit fields, RLE) and of
each PNG colour type.

usage: make_import_seeds.py FUZZDIR
"""
import os
import struct
import sys
import zlib


def bmp(header, w, h, bits, comp=0, table=(), masks=(), data=b"", clr_used=0):
    if header == 12:
        info = struct.pack("<IHHHH", 12, w, h, 1, bits)
        pal = b"".join(struct.pack("<BBB", c & 255, (c >> 8) & 255, c >> 16) for c in table)
    else:
        info = struct.pack("<IiiHHIIiiII", header, w, h, 1, bits, comp, len(data), 2835, 2835, clr_used, 0)
        if header > 40:
            info += b"".join(struct.pack("<I", m) for m in masks)
        info = info.ljust(header, b"\0")
        if header == 40:
            info += b"".join(struct.pack("<I", m) for m in masks)
        pal = b"".join(struct.pack("<I", c) for c in table)
    off = 14 + len(info) + len(pal)
    return b"BM" + struct.pack("<IHHI", off + len(data), 0, 0, off) + info + pal + data


def rows(w, h, bits, seed=1):
    stride = (w * bits + 31) // 32 * 4
    return bytes((seed * 37 + i * 11) & 255 for i in range(stride * h))


def png(w, h, depth, ctype, raw_rows, plte=b"", interlace=0, trns=b""):
    def chunk(t, d):
        return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d))
    out = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, ctype, 0, 0, interlace))
    if plte:
        out += chunk(b"PLTE", plte)
    if trns:
        out += chunk(b"tRNS", trns)
    return out + chunk(b"IDAT", zlib.compress(raw_rows, 9)) + chunk(b"IEND", b"")


def png_rows(w, h, depth, channels, filt=0):
    row = (w * depth * channels + 7) // 8
    return b"".join(bytes([filt]) + bytes((y * 29 + x * 7) & 255 for x in range(row)) for y in range(h))


def main():
    out = os.path.join(sys.argv[1], "corpus", "import")
    os.makedirs(out, exist_ok=True)
    pal16 = [0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
             0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF]
    seeds = {}
    for header in (12, 40, 64, 108, 124):
        for bits in (1, 2, 4, 8):
            n = min(16, 1 << bits)
            seeds["pal%d_h%d.bmp" % (bits, header)] = bmp(header, 5, 3, bits, table=pal16[:n], data=rows(5, 3, bits),
                                                          clr_used=n if bits == 8 else 0)
        seeds["rgb24_h%d.bmp" % header] = bmp(header, 3, 2, 24, data=rows(3, 2, 24))
    seeds["rgb24_topdown_v4.bmp"] = bmp(108, 3, -2, 24, data=rows(3, 2, 24))
    seeds["pal8_topdown.bmp"] = bmp(40, 4, -2, 8, table=pal16, clr_used=16, data=rows(4, 2, 8))
    seeds["rgb16_555.bmp"] = bmp(40, 3, 2, 16, data=rows(3, 2, 16))
    seeds["rgb16_565.bmp"] = bmp(40, 3, 2, 16, 3, masks=(0xF800, 0x07E0, 0x001F), data=rows(3, 2, 16))
    seeds["rgba16_4444_v5.bmp"] = bmp(124, 3, 2, 16, 3, masks=(0x0F00, 0x00F0, 0x000F, 0xF000), data=rows(3, 2, 16))
    seeds["rgb16_alphabitfields.bmp"] = bmp(40, 3, 2, 16, 6, masks=(0x7C00, 0x03E0, 0x001F, 0x8000), data=rows(3, 2, 16))
    seeds["rgb32.bmp"] = bmp(40, 3, 2, 32, data=rows(3, 2, 32))
    seeds["rgba32_v4.bmp"] = bmp(108, 3, 2, 32, 3, masks=(0xFF0000, 0xFF00, 0xFF, 0xFF000000), data=rows(3, 2, 32))
    seeds["rgb32_101010_v3.bmp"] = bmp(56, 3, 2, 32, 3, masks=(0x3FF00000, 0xFFC00, 0x3FF, 0), data=rows(3, 2, 32))
    seeds["rgb32_v2.bmp"] = bmp(52, 3, 2, 32, 3, masks=(0xFF, 0xFF00, 0xFF0000), data=rows(3, 2, 32))
    seeds["rgb24_os2v2_16.bmp"] = bmp(16, 3, 2, 24, data=rows(3, 2, 24))
    rle8 = bytes([4, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 2, 3, 0, 1])
    seeds["rle8.bmp"] = bmp(40, 7, 3, 8, 1, table=pal16[:4], clr_used=4, data=rle8)
    seeds["rle8_v5.bmp"] = bmp(124, 7, 3, 8, 1, table=pal16[:4], clr_used=4, data=rle8)
    seeds["rle8_os2.bmp"] = bmp(64, 7, 3, 8, 1, table=pal16[:4], clr_used=4, data=rle8)
    rle4 = bytes([5, 0x12, 0, 0, 0, 3, 0x31, 0x20, 2, 0x33, 0, 0, 0, 1])
    seeds["rle4.bmp"] = bmp(40, 5, 2, 4, 2, table=pal16, data=rle4)
    seeds["stored24.bmp"] = bmp(40, 3, 2, 24, data=rows(3, 2, 24))
    seeds["stored8.bmp"] = bmp(40, 5, 2, 8, table=pal16[:5], clr_used=5, data=bytes([0, 1, 2, 3, 4, 0, 0, 0, 4, 3, 2, 1, 0, 0, 0, 0]))
    seeds["stored1.bmp"] = bmp(40, 9, 2, 1, table=[0, 0xFFFFFF], data=rows(9, 2, 1))
    seeds["gray1.png"] = png(9, 2, 1, 0, png_rows(9, 2, 1, 1))
    seeds["gray8.png"] = png(3, 2, 8, 0, png_rows(3, 2, 8, 1, 1))
    seeds["gray16_trns.png"] = png(2, 2, 16, 0, png_rows(2, 2, 16, 1, 2), trns=b"\0\x10")
    seeds["rgb8.png"] = png(3, 2, 8, 2, png_rows(3, 2, 8, 3, 3))
    seeds["rgb16.png"] = png(2, 2, 16, 2, png_rows(2, 2, 16, 3, 4))
    seeds["pal4.png"] = png(5, 2, 4, 3, png_rows(5, 2, 4, 1), plte=bytes(range(48)))
    seeds["pal1_mask.png"] = png(9, 2, 1, 3, png_rows(9, 2, 1, 1), plte=b"\0\0\0\xff\xff\xff")
    seeds["pal8_trns.png"] = png(3, 2, 8, 3, bytes([0, 0, 1, 2, 0, 2, 1, 0]), plte=bytes(range(9)), trns=b"\0\x80")
    seeds["graya8.png"] = png(3, 2, 8, 4, png_rows(3, 2, 8, 2))
    seeds["rgba8_interlaced.png"] = png(3, 3, 8, 6, b"\0" * 200, interlace=1)
    seeds["rgba8.png"] = png(3, 2, 8, 6, png_rows(3, 2, 8, 4, 2))
    for name, data in seeds.items():
        open(os.path.join(out, name), "wb").write(data)


if __name__ == "__main__":
    main()
