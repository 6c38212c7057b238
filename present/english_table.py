#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the finished English translations of a Qt Linguist file as a C++
table, sorted by context and source, so that spulix-calc needs no Qt.

Usage: english_table.py TS_FILE OUTPUT_CC
"""
import sys
import xml.etree.ElementTree as ElementTree


def literal(text):
    escaped = (text.replace("\\", "\\\\").replace('"', '\\"')
               .replace("\n", "\\n").replace("\r", "\\r").replace("\t", "\\t"))
    return '"' + escaped + '"'


def entries(ts_path):
    found = {}
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type"):
                continue  # unfinished, vanished or obsolete: Chinese stays
            english = translation.text or ""
            if english:
                found[(name, message.findtext("source", ""))] = english
    return sorted(found.items(), key=lambda item: (
        item[0][0].encode(), item[0][1].encode()))


def main(ts_path, output_path):
    lines = [
        "// Generated from " + ts_path.rsplit("/", 1)[-1] +
        " by present/english_table.py; do not edit.",
        '#include "present/english_text.h"',
        "",
        "namespace spulix {",
        "",
        "const EnglishEntry kEnglishEntries[] = {",
    ]
    table = entries(ts_path)
    for (context, source), english in table:
        lines.append("    {%s, %s, %s}," % (literal(context), literal(source),
                                            literal(english)))
    if not table:
        lines.append('    {"", "", ""},')
    lines += [
        "};",
        "const std::size_t kEnglishEntryCount = %d;" % len(table),
        "",
        "}  // namespace spulix",
        "",
    ]
    with open(output_path, "w", encoding="utf-8") as output:
        output.write("\n".join(lines))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
