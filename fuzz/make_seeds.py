#!/usr/bin/env python3
"""Writes the seed corpus of the skin fuzz targets: small skins that use the
Ventro skin's full definition text with tiny pictures, and variants of the
skin stream (version 2 extra slots, empty slots, no active pictures, version 4).

usage: make_seeds.py SKINTOOL FUZZDIR
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "skins", "ventro"))
import make_artwork as art  # noqa: E402


def tiny(path, bits):
    if bits == 24:
        art.write_bmp24(path, [[(10 * x, 20 * y, 99) for x in range(3)] for y in range(2)])
    elif bits == 8:
        art.write_bmp_indexed(path, [[0, 1, 2], [2, 1, 0]], [(1, 2, 3), (200, 100, 50), (9, 9, 9)], 8)
    else:
        art.write_bmp_indexed(path, [[0, 1, 0, 1, 1, 0, 0, 1, 1]] * 2, [(0, 0, 0), (255, 255, 255)], 1)


def stream(version, slots, actives, text):
    out = struct.pack("<i", version)
    for s in slots:
        out += b"\1" if s is None else b"\0" + s
    out += struct.pack("<i", len(actives)) + b"".join(actives) + text
    return out


def main():
    skintool, fuzzdir = sys.argv[1], sys.argv[2]
    work = tempfile.mkdtemp()
    try:
        ini = open(os.path.join(here, "..", "skins", "ventro", "VentroSkin.ini"), "rb").read()
        open(os.path.join(work, "VentroSkin.ini"), "wb").write(ini)
        for name, bits in (("frame.bmp", 24), ("frame_inactive.bmp", 24), ("frame_mask.bmp", 1), ("buttons.bmp", 24),
                           ("popup.bmp", 24), ("menuitem.bmp", 24), ("hint.bmp", 24), ("controls.bmp", 24), ("menubar.bmp", 8)):
            tiny(os.path.join(work, name), bits)
        subprocess.run([skintool, "compile", os.path.join(work, "VentroSkin.ini"), os.path.join(fuzzdir, "corpus", "packed", "tiny_ventro.skn")], check=True)
        subprocess.run([skintool, "--raw", "compile", os.path.join(work, "VentroSkin.ini"), os.path.join(fuzzdir, "corpus", "zlib", "tiny_ventro.z")], check=True)
        raw = open(os.path.join(fuzzdir, "corpus", "zlib", "tiny_ventro.z"), "rb").read()
        full = zlib.decompress(raw)
        open(os.path.join(fuzzdir, "corpus", "stream", "tiny_ventro.bin"), "wb").write(full)
        bmp24 = open(os.path.join(work, "frame.bmp"), "rb").read()
        bmp1 = open(os.path.join(work, "frame_mask.bmp"), "rb").read()
        bmp8 = open(os.path.join(work, "menubar.bmp"), "rb").read()
        small_text = (b"[VERSION]\r\nskinname=s\r\n[PICTURES]\r\nmask=m.bmp\r\n[FORMINFO]\r\nclientrect=7,27,371,112\r\n"
                      b"maskrectarea=0,0,0,0\r\n[SKINOBJECTS]\r\ncount=3\r\n0=caption:caption\r\n1=a:animate\r\n2=bad\r\n"
                      b"[a]\r\nmorphing=1\r\n[SKINCONTROLS]\r\ncount=2\r\n0=vupdown:updown\r\n1=l:listbox\r\n[vupdown]\r\nlefttoppoint=5,5\r\n")
        variants = {
            "v2_extra_slots.bin": stream(2, [bmp24, None, bmp1, bmp8, None], [bmp8], small_text),
            "empty_slots.bin": stream(3, [None, None, None], [], small_text),
            "count0.bin": stream(3, [bmp24, bmp24, bmp1], [], small_text),
            "v4.bin": stream(4, [], [], b""),
        }
        for name, data in variants.items():
            open(os.path.join(fuzzdir, "corpus", "stream", name), "wb").write(data)
            open(os.path.join(fuzzdir, "corpus", "zlib", name.replace(".bin", ".z")), "wb").write(zlib.compress(data, 9))
        packed = lambda v, d: struct.pack("<ii", v, len(d)) + d
        open(os.path.join(fuzzdir, "corpus", "packed", "v2_stream.skn"), "wb").write(packed(3, zlib.compress(variants["v2_extra_slots.bin"], 9)))
        open(os.path.join(fuzzdir, "corpus", "packed", "bad_size.skn"), "wb").write(struct.pack("<ii", 3, 1 << 30) + raw[:40])
        open(os.path.join(fuzzdir, "corpus", "packed", "v4.skn"), "wb").write(packed(4, raw[:40]))
    finally:
        shutil.rmtree(work)


if __name__ == "__main__":
    main()
