#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The feature folders of ui/ include only from folders below them in this
order, so no two folders know each other and each can be understood from
those below it alone.

    folder_order_check.py SOURCE_DIR
"""
import pathlib
import re
import sys

ORDER = ['app', 'main_window', 'reference', 'selection', 'sheet', 'output',
         'placement', 'store', 'widgets', 'language']
INCLUDE = re.compile(r'^#include "ui/([^/"]+)/', re.M)


def main():
    ui = pathlib.Path(sys.argv[1]) / 'ui'
    faults = []
    for path in sorted(ui.rglob('*')):
        if path.suffix not in ('.cc', '.h'):
            continue
        folder = path.relative_to(ui).parts[0]
        if folder not in ORDER:
            faults.append(f'{path}: ui/{folder} has no place in the order')
            continue
        for used in INCLUDE.findall(path.read_text(encoding='utf-8')):
            if used not in ORDER or ORDER.index(used) < ORDER.index(folder):
                faults.append(f'{path}: ui/{folder} includes from ui/{used}')
    for fault in faults:
        print(fault, file=sys.stderr)
    if faults:
        return 1
    print(f'ui/: {len(ORDER)} folders, each includes only from those below')
    return 0


if __name__ == '__main__':
    sys.exit(main())
