#!/usr/bin/python3
"""Makes the page's fonts: Liberation Sans and Serif as WOFF2 subsets of the
characters the broadcast shows, with their licence.

    make_fonts.py SOURCE_DIR OUT_DIR NAME...     (NAME: e.g. LiberationSans-Regular)

Every text the page shows comes from the program's literals (src/) or the
page's own (web/), and all of them are printable ASCII; the build stops if a
text source holds any other character, since the page would then draw it in a
fallback font with other metrics. Each subset keeps the font's hinting, its
layout features and its names (its copyright and licence among them), and the
build checks that it measures exactly as the whole font does: the same
vertical metrics and the same advance width for every character.
"""

import glob
import os
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

FONTS_DIR = "/usr/share/fonts/truetype/liberation2"
LICENCE = "/usr/share/doc/fonts-liberation2/copyright"

# Printable ASCII, and the line breaks and tabs that only lay text out.
CHARACTERS = [chr(c) for c in range(0x20, 0x7F)]
LAYOUT = "\t\r\n"

# Where the page's texts come from: the core's literals and the page's own.
TEXT_SOURCES = ["src/app", "src/text", "src/teams", "src/match", "src/skits", "src/web", "web"]
TEXT_FILES = (".cpp", ".h", ".js", ".html", ".webmanifest")
# Escapes that would put another character into a literal.
ESCAPES = ("\\x", "\\u", "\\U", "\\0", "&#")

VERTICAL = [("head", "unitsPerEm"), ("hhea", "ascent"), ("hhea", "descent"), ("hhea", "lineGap"),
            ("OS/2", "sTypoAscender"), ("OS/2", "sTypoDescender"), ("OS/2", "sTypoLineGap"),
            ("OS/2", "usWinAscent"), ("OS/2", "usWinDescent"), ("OS/2", "fsSelection")]


def check_texts(source):
    """Every character of every text source is one the fonts hold."""
    allowed = set(CHARACTERS) | set(LAYOUT)
    faults = []
    for folder in TEXT_SOURCES:
        for path in sorted(glob.glob(os.path.join(source, folder, "*"))):
            if not path.endswith(TEXT_FILES):
                continue
            with open(path, encoding="utf-8") as text:
                for number, line in enumerate(text, 1):
                    strange = sorted(set(line) - allowed)
                    if strange or any(e in line for e in ESCAPES):
                        what = " ".join("U+%04X" % ord(c) for c in strange) or "an escape"
                        faults.append("%s:%d: %s" % (os.path.relpath(path, source), number, what))
    return faults


def make(name, out):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.name_legacy = True
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]  # FontForge's timestamps
    whole = TTFont(os.path.join(FONTS_DIR, name + ".ttf"))
    # The whole font's own date stays, so that every build makes the same files.
    font = TTFont(os.path.join(FONTS_DIR, name + ".ttf"), recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in CHARACTERS])
    subsetter.subset(font)
    subset.save_font(font, os.path.join(out, name + ".woff2"), options)
    return compare(name, whole, TTFont(os.path.join(out, name + ".woff2")))


def compare(name, whole, part):
    """What the subset does not measure as the whole font does."""
    faults = []
    for table, field in VERTICAL:
        if getattr(whole[table], field) != getattr(part[table], field):
            faults.append("%s: %s.%s changed" % (name, table, field))
    cmap, whole_cmap = part.getBestCmap(), whole.getBestCmap()
    for c in CHARACTERS:
        if ord(c) not in cmap:
            faults.append("%s: no glyph for %r" % (name, c))
        elif part["hmtx"][cmap[ord(c)]] != whole["hmtx"][whole_cmap[ord(c)]]:
            faults.append("%s: the advance of %r changed" % (name, c))
    return faults


def main():
    source, out, names = sys.argv[1], sys.argv[2], sys.argv[3:]
    os.makedirs(out, exist_ok=True)
    faults = check_texts(source)
    for name in names:
        faults += make(name, out)
    with open(LICENCE, encoding="utf-8") as licence, \
            open(os.path.join(out, "LICENSE.txt"), "w", encoding="utf-8") as copy:
        copy.write(licence.read())
    if faults:
        sys.exit("make_fonts: the page's fonts would not show every text as designed:\n  " +
                 "\n  ".join(faults))


if __name__ == "__main__":
    main()
