#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The faces that show every character the pages and the solver write, on any system.

    web/sign_fonts.py OUTDIR SOURCE...

Made from Debian's DejaVu Sans (fonts-dejavu-core) with fontTools, regular and
bold, cut down to ASCII, the Cyrillic letters and every other character that
any of the SOURCE files (folders are searched for .cpp, .h, .js, .md, .css
and .py files) holds: what the solver, the calculator's core and window
description, the page generator, the guide and its maker can write, from „⇒“,
„√“, „∛“, „π“ and „≈“ to „⁻“ and „½“. A page
names the faces twice (web/sign_fonts.h): as "Stereometry Signs" for the
signs alone, ahead of the system's faces, so that they look alike everywhere,
and as "Stereometry Text" for anything else after them, where a system has no
face with Cyrillic letters at all.

DejaVu's licence (Bitstream Vera's, with DejaVu's changes in the public
domain) lets a changed face be shared under another name: the faces are
renamed, and the licence goes beside them (LICENSE-DejaVu.txt).
"""
import os
import sys

from fontTools.subset import Options, Subsetter
from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/dejavu"
FAMILY = "Stereometry Signs"
FACES = [("DejaVuSans.ttf", "stereometry-signs-regular.woff2", "Regular"),
         ("DejaVuSans-Bold.ttf", "stereometry-signs-bold.woff2", "Bold")]
EXTENSIONS = (".cpp", ".h", ".js", ".mjs", ".md", ".css", ".py")

# What anyone may type beyond what the sources hold: ASCII, basic Cyrillic,
# the no-break space and the soft hyphen the pages put into long words.
TYPED = ([chr(c) for c in range(0x20, 0x7F)] + [chr(c) for c in range(0x400, 0x460)] + ["\u00a0", "\u00ad"])


def source_files(paths):
    for path in paths:
        if os.path.isfile(path):
            yield path
            continue
        for folder, _, names in os.walk(path):
            for name in sorted(names):
                if name.endswith(EXTENSIONS):
                    yield os.path.join(folder, name)


def written_characters(paths):
    """Every character at U+00A0 or above in the sources, and what anyone may type."""
    characters = set(TYPED)
    for path in source_files(paths):
        with open(path, encoding="utf-8") as source:
            characters.update(c for c in source.read() if ord(c) >= 0xA0)
    return characters


def rename(font, style):
    names = font["name"]
    postscript = FAMILY.replace(" ", "") + "-" + style
    for record in list(names.names):
        if record.nameID in (1, 16):
            names.setName(FAMILY, record.nameID, record.platformID, record.platEncID, record.langID)
        elif record.nameID == 4:
            names.setName(FAMILY if style == "Regular" else f"{FAMILY} {style}", 4, record.platformID,
                          record.platEncID, record.langID)
        elif record.nameID in (3, 6):
            names.setName(postscript, record.nameID, record.platformID, record.platEncID, record.langID)


def make(source, target, characters, style):
    font = TTFont(os.path.join(SOURCE, source))
    available = font.getBestCmap()
    missing = sorted(c for c in characters if ord(c) not in available and c not in "\u00ad")
    if missing:
        sys.exit(f"{source} has no glyph for {' '.join(f'U+{ord(c):04X}' for c in missing)}")
    options = Options()
    options.layout_features = ["kern"]
    options.hinting = False
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14, 16, 17]
    options.name_languages = [0x409]
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]
    options.flavor = "woff2"
    subsetter = Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in characters))
    subsetter.subset(font)
    rename(font, style)
    font.flavor = "woff2"
    font.save(target)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    out = sys.argv[1]
    characters = written_characters(sys.argv[2:])
    os.makedirs(out, exist_ok=True)
    for source, target, style in FACES:
        make(source, os.path.join(out, target), characters, style)
    with open(os.path.join(out, "LICENSE-DejaVu.txt"), "w", encoding="utf-8") as licence:
        licence.write("The Stereometry Signs faces in this folder are made by web/sign_fonts.py of the\n"
                      "calculator's sources from DejaVu Sans (Debian package fonts-dejavu-core): cut down\n"
                      "to the characters the pages and the solver write, renamed. DejaVu Sans is\n"
                      "licensed as follows; the changed faces are shared under the same licence.\n\n")
        with open("/usr/share/doc/fonts-dejavu-core/copyright", encoding="utf-8") as original:
            licence.write(original.read())


if __name__ == "__main__":
    main()
