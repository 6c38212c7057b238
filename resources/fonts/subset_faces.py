#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Cuts the interface's three Noto CJK faces down to the characters Spulix's
own texts use, under new family names, for embedding in the program.

    subset_faces.py --characters LIST_FILE SOURCE_DIR...
    subset_faces.py OUT_DIR LIST_FILE

The first form lists the characters to keep and rewrites LIST_FILE only when
that list changes, so an edit that brings no new character cuts no fonts;
the second cuts the faces to the list. Every character other than plain
ASCII in the .cc and .h files under the source folders is kept, with printable ASCII, Latin-1 and common
punctuation for whatever the user types or the clock's locale writes.
Characters outside the subsets are drawn with the installed Noto CJK fonts.
"""
import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTCollection

FONT_ROOTS = [pathlib.Path('/usr/share/fonts'),
              pathlib.Path('/usr/local/share/fonts')]

# (output file, installed collection, face family, new family, style)
FACES = [
    ('song-regular.otf', 'NotoSerifCJK-Regular.ttc', 'Noto Serif CJK SC',
     'Spulix Song', 'Regular'),
    ('hei-regular.otf', 'NotoSansCJK-Regular.ttc', 'Noto Sans CJK SC',
     'Spulix Hei', 'Regular'),
    ('hei-bold.otf', 'NotoSansCJK-Bold.ttc', 'Noto Sans CJK SC',
     'Spulix Hei', 'Bold'),
]

# Texts that come from the locale rather than from the sources: the clock's
# day names, its Traditional Chinese day periods.
LOCALE_TEXTS = '星期一二三四五六日天年月上午下午'

RANGES = [
    (0x20, 0x7E),      # ASCII
    (0xA0, 0xFF),      # Latin-1
    (0x2010, 0x2027),  # dashes, quotes, ellipsis
    (0x2030, 0x203A),  # per mille, primes, angle quotes
    (0x3000, 0x3011),  # ideographic space, full stop, brackets
    (0xFF01, 0xFF5E),  # full-width ASCII
]


def characters(source_dirs):
    chars = set(LOCALE_TEXTS)
    for low, high in RANGES:
        chars.update(chr(c) for c in range(low, high + 1))
    for folder in source_dirs:
        for path in sorted(pathlib.Path(folder).rglob('*')):
            if path.suffix in ('.cc', '.h', '.ts') and path.is_file():
                text = path.read_text(encoding='utf-8')
                chars.update(c for c in text if ord(c) > 0x7E)
    # Spaces are not "printable" to Python, but texts use them.
    spaces = (' ', '\u3000')
    return ''.join(sorted(c for c in chars if c.isprintable() or c in spaces))


def find_collection(name):
    for root in FONT_ROOTS:
        for path in sorted(root.rglob(name)):
            return path
    sys.exit(f'{name} not found: install fonts-noto-cjk (scripts/install-deps)')


def face_number(path, family):
    collection = TTCollection(str(path), lazy=True)
    for number, font in enumerate(collection.fonts):
        if font['name'].getDebugName(1) == family:
            return number
    sys.exit(f'{path} has no face {family}')


def rename(font, family, style):
    full = family if style == 'Regular' else f'{family} {style}'
    postscript = f"{family.replace(' ', '')}-{style}"
    names = {1: family, 2: style, 3: postscript, 4: full, 6: postscript}
    for record in font['name'].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    # Typographic family names would tie the subset to the original.
    for name_id in (16, 17, 21, 22):
        font['name'].removeNames(nameID=name_id)


def write_list(list_file, source_dirs):
    text = characters(source_dirs)
    path = pathlib.Path(list_file)
    if path.is_file() and path.read_text(encoding='utf-8') == text:
        return
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_text(text, encoding='utf-8')


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    if sys.argv[1] == '--characters':
        write_list(sys.argv[2], sys.argv[3:])
        return
    out_dir = pathlib.Path(sys.argv[1])
    out_dir.mkdir(parents=True, exist_ok=True)
    text = pathlib.Path(sys.argv[2]).read_text(encoding='utf-8')
    for out_name, collection, family, new_family, style in FACES:
        path = find_collection(collection)
        options = subset.Options()
        options.font_number = face_number(path, family)
        # Keep the copyright and licence records, in every language.
        options.name_IDs = ['*']
        options.name_languages = ['*']
        options.notdef_outline = True
        font = subset.load_font(str(path), options)
        subsetter = subset.Subsetter(options)
        subsetter.populate(text=text)
        subsetter.subset(font)
        rename(font, new_family, style)
        subset.save_font(font, str(out_dir / out_name), options)


if __name__ == '__main__':
    main()
