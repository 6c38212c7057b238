#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the page as one file: the style sheet and the scripts the page
links to are put inline, the engine (Emscripten's single-file output, with
its WebAssembly inside) among them, so the page works opened from disk.

Usage: inline_page.py PAGE_HTML ENGINE_JS VERSION OUTPUT_HTML
"""
import os
import re
import sys


def read(path):
    with open(path, encoding="utf-8") as source:
        return source.read()


def script_text(text):
    # An inline script ends at the first "</script", whatever JavaScript
    # would make of it.
    return text.replace("</script", "<\\/script")


def inline(page_path, engine_path, version):
    folder = os.path.dirname(os.path.abspath(page_path))
    page = read(page_path).replace("@VERSION@", version)

    def style(match):
        return "<style>\n" + read(os.path.join(folder, match.group(1))) + \
            "</style>"

    def script(match):
        name = match.group(1)
        path = engine_path if name == "spulix_engine.js" else \
            os.path.join(folder, name)
        return "<script>\n" + script_text(read(path)) + "\n</script>"

    link = r'<link rel="stylesheet" href="([^"]+)">'
    tag = r'<script src="([^"]+)"></script>'
    rest = re.sub(tag, "", re.sub(link, "", page))
    if re.search(r'\b(src|href)="(?!#|data:)', rest):
        sys.exit("inline_page.py: the page refers to a file it cannot inline")
    page, styles = re.subn(link, style, page)
    page, scripts = re.subn(tag, script, page)
    if styles != 1 or scripts != 2:
        sys.exit("inline_page.py: the page must link one style sheet and two "
                 "scripts (found %d and %d)" % (styles, scripts))
    return page


def main():
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    page = inline(sys.argv[1], sys.argv[2], sys.argv[3])
    with open(sys.argv[4], "w", encoding="utf-8") as output:
        output.write(page)


if __name__ == "__main__":
    main()
