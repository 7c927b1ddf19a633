#!/usr/bin/python3
"""Writes the Song face the Wine prefix gives the programs for SimSun.

WenQuanYi Zen Hei Sharp (Debian's fonts-wqy-zenhei) carries hand-drawn Song
bitmaps at 12 to 16 pixels, like SimSun on Windows, but its line is taller
than SimSun's: at 13 pixels its ascent is 13 where SimSun's is 11, so every
Chinese glyph sits two rows lower, and a 13-pixel label cuts off its bottom
row. This face is the same font with SimSun's vertical proportions (ascent
220/256, descent 36/256 of the em), so a height of -13 or 12 gives the cell,
baseline and bitmap strike SimSun gives, and with grey smoothing allowed at
every size that has no bitmaps, so that those are drawn smoothly instead of
losing thin strokes. The platform measures a text by the outlines' advance
widths but draws the bitmaps with their own, which for Latin letters and
punctuation differ by a pixel or two: each bitmap gets the width its glyph
is measured with, so that what is measured is what is drawn (a few blocks
of Greek, Cyrillic and full-width forms share one width per size and keep
it).

usage: wine-song-font.py SOURCE.ttc OUT.ttf
"""
import sys

from fontTools.ttLib import TTFont, newTable
from fontTools.ttLib.tables._g_a_s_p import GASP_DOGRAY, GASP_GRIDFIT

FAMILY = "Ventro Song"
# Sizes in pixels per em with hand-drawn bitmaps: drawn without smoothing,
# so the platform takes the bitmaps. Every other size is smoothed.
BITMAP_SIZES = range(12, 17)
SOURCE_FAMILY = "WenQuanYi Zen Hei Sharp"
ASCENT, DESCENT, SIMSUN_EM = 220, 36, 256


def measured_width(advance, ppem, em):
    """A glyph's advance width in pixels as the platform measures it: the
    font's advance scaled in 16.16 fixed point and rounded to a pixel."""
    scale = (ppem * 64 * 65536 + em // 2) // em
    x = (advance * scale + 0x8000) >> 16
    return (x + 32) >> 6


def match_bitmap_widths(font):
    """Gives each bitmap with a width of its own the advance width its glyph
    is measured with (blocks of bitmaps that share one width keep it)."""
    em = font["head"].unitsPerEm
    hmtx = font["hmtx"]
    for strike, glyphs in zip(font["EBLC"].strikes, font["EBDT"].strikeData):
        ppem = strike.bitmapSizeTable.ppemY
        for block in strike.indexSubTables:
            if getattr(block, "metrics", None) is not None:
                continue
            for name in block.names:
                glyphs[name].metrics.horiAdvance = measured_width(hmtx[name][0], ppem, em)


def main(source, out):
    font = None
    for index in range(3):
        candidate = TTFont(source, fontNumber=index, lazy=True, recalcBBoxes=False, recalcTimestamp=False)
        if candidate["name"].getDebugName(1) == SOURCE_FAMILY:
            font = candidate
            break
    if font is None:
        sys.exit(f"wine-song-font: no face {SOURCE_FAMILY} in {source}")

    em = font["head"].unitsPerEm
    ascent = round(em * ASCENT / SIMSUN_EM)
    descent = round(em * DESCENT / SIMSUN_EM)
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = ascent, -descent, 0
    os2.usWinAscent, os2.usWinDescent = ascent, descent
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = ascent, -descent, 0

    match_bitmap_widths(font)

    gasp = newTable("gasp")
    gasp.version = 0
    smooth = GASP_GRIDFIT | GASP_DOGRAY
    gasp.gaspRange = {BITMAP_SIZES.start - 1: smooth, BITMAP_SIZES.stop - 1: GASP_GRIDFIT, 0xFFFF: smooth}
    font["gasp"] = gasp

    name = font["name"]
    for record in list(name.names):
        if record.nameID in (1, 3, 4, 6, 16, 17, 18, 21, 22):
            name.removeNames(nameID=record.nameID)
    name.setName(FAMILY, 1, 3, 1, 0x409)
    name.setName("Regular", 2, 3, 1, 0x409)
    name.setName(FAMILY + " Regular", 3, 3, 1, 0x409)
    name.setName(FAMILY, 4, 3, 1, 0x409)
    name.setName(FAMILY.replace(" ", "") + "-Regular", 6, 3, 1, 0x409)
    name.setName(FAMILY, 1, 1, 0, 0)
    name.setName(FAMILY, 4, 1, 0, 0)
    font.save(out)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    main(sys.argv[1], sys.argv[2])
