#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The faces the web page ships for systems without the window's own face.

    web/fonts.py OUTDIR STANDARD_TEXT LARGE_BOLD_TEXT CREDIT_ITALIC_TEXT

Made from Debian's Liberation Sans (fonts-liberation) with fontTools:

- stereometry-sans-regular.woff2: the window's standard font. Every Bulgarian
  letter, ASCII and the few signs the messages use, narrowed as the desktop
  narrows it, so that "радиус=" and "ръб=" fit beside their fields. Browsers
  place glyphs at their exact fractional advances, so the page needs 92 %
  where the desktop's whole-pixel advances make do with 94 %: "ръб=" has 24
  pixels before its field.
- stereometry-sans-bold.woff2, stereometry-sans-bolditalic.woff2: only the
  characters of the captions drawn in them (the two window buttons, the credit
  line), not narrowed.

Liberation's licence lets a modified version be shared under the GPL-2 with
its font exception, but not under the Liberation name: the faces are renamed
"Stereometry Sans", and the licence goes beside them (LICENSE.txt).
"""
import os
import sys

from fontTools.subset import Options, Subsetter
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/liberation"
FAMILY = "Stereometry Sans"
NARROWING = 0.92

# What anyone may type or any message may hold, beyond the captions: ASCII,
# the Bulgarian alphabet with the rest of basic Cyrillic, quotes, dashes, ∞.
TYPED = (
    [chr(c) for c in range(0x20, 0x7F)]
    + [chr(c) for c in range(0x400, 0x460)]
    + list("\u00a0\u00a9\u00ab\u00bb\u2013\u2014\u2018\u2019\u201c\u201d\u201e\u2026\u221e\u2116")
)


def narrow(font, factor):
    """Scales every glyph and advance horizontally by `factor`."""
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            for component in glyph.components:
                component.x = round(component.x * factor)
        elif glyph.numberOfContours > 0:
            glyph.coordinates.scale((factor, 1))
            glyph.coordinates.toInt()
        glyph.recalcBounds(glyf)
        advance, _ = hmtx[name]
        hmtx[name] = (round(advance * factor), getattr(glyph, "xMin", 0))
    widths = [hmtx[name][0] for name in font.getGlyphOrder() if hmtx[name][0] > 0]
    font["OS/2"].xAvgCharWidth = round(sum(widths) / len(widths))


def rename(font, style):
    """Takes the Liberation name off the face: family, full and PostScript names."""
    names = font["name"]
    postscript = FAMILY.replace(" ", "") + "-" + style.replace(" ", "")
    for record in list(names.names):
        if record.nameID in (1, 16):
            names.setName(FAMILY, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 4:
            full = FAMILY if style == "Regular" else f"{FAMILY} {style}"
            names.setName(full, 4, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 3:
            names.setName(postscript, 3, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 6:
            names.setName(postscript, 6, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 7:  # the trademark notice belongs to the original
            names.removeNames(nameID=7)


def make(source, target, text, style, factor=None):
    font = TTFont(os.path.join(SOURCE, source))
    options = Options()
    options.layout_features = []  # no kerning or ligatures: the window's face has none
    options.hinting = False       # hinting made for the original outlines
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14, 16, 17]
    options.name_languages = [0x409]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]  # a note of the tool that made the original
    options.flavor = "woff2"
    subsetter = Subsetter(options)
    subsetter.populate(unicodes=sorted({ord(c) for c in text}))
    subsetter.subset(font)
    if factor:
        narrow(font, factor)
    rename(font, style)
    font.flavor = "woff2"
    font.save(target)


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    out, standard, large_bold, credit_italic = sys.argv[1:]
    os.makedirs(out, exist_ok=True)
    make("LiberationSans-Regular.ttf", os.path.join(out, "stereometry-sans-regular.woff2"),
         "".join(TYPED) + standard, "Regular", NARROWING)
    make("LiberationSans-Bold.ttf", os.path.join(out, "stereometry-sans-bold.woff2"),
         large_bold + " ", "Bold")
    make("LiberationSans-BoldItalic.ttf", os.path.join(out, "stereometry-sans-bolditalic.woff2"),
         credit_italic + " ", "Bold Italic")


if __name__ == "__main__":
    main()
