#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/add-spdx-headers on a scratch repository (which files get the
# licence line, in which comment syntax, and that a second run changes
# nothing), or, with "tree", --check on the project itself.
#
#   spdx_headers_test.sh SOURCE_DIR scratch|tree
set -uo pipefail

source_dir=${1:?usage: spdx_headers_test.sh SOURCE_DIR scratch|tree}
mode=${2:?}
script=$source_dir/scripts/add-spdx-headers
command -v git >/dev/null || { echo "SKIP: git is not installed"; exit 77; }

if [ "$mode" = tree ]; then
  git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
    { echo "SKIP: $source_dir is not a git work tree"; exit 77; }
  exec "$script" --check "$source_dir"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
repo=$scratch/repo
mkdir -p "$repo/sub" && cd "$repo" || exit 1
git init -q .
printf '#include <cstdio>\n' >main.cc
printf '// Already licensed.\n// SPDX-License-Identifier: GPL-3.0-or-later\n' >done.h
printf '#define V "@V@"\n' >sub/version.h.in
printf 'add_library(x x.cc)\n' >CMakeLists.txt
printf 'set(A 1)\n' >sub/rules.cmake
printf '#!/bin/sh\necho hi\n' >sub/tool && chmod 755 sub/tool
printf 'echo hi\n' >helper.sh
printf '.TH X 1\n' >x.1.in
printf 'let x;\n' >page.js
printf 'export {};\n' >test.mjs
printf 'body {}\n' >page.css
printf '<p>hi</p>\n' >page.html
printf '\x89PNG\r\n\x1a\n\0\0' >icon.png
printf 'set P2 1\n' >corpus
printf '# Notes\n' >notes.md
printf '[Desktop Entry]\n' >app.desktop
printf 'untracked\n' >untracked.cc
# Quotes the line in a comment, which is not the line itself.
printf '// Adds "SPDX-License-Identifier: GPL-3.0-or-later".\n' >quotes.h
git add main.cc done.h sub CMakeLists.txt helper.sh x.1.in icon.png corpus \
        notes.md app.desktop quotes.h page.js test.mjs page.css page.html

failed=0
fail() {
  echo "FAIL: $*" >&2
  failed=$((failed + 1))
}
snapshot() { find . -path ./.git -prune -o -type f -exec md5sum {} + | sort; }

"$script" --check "$repo" >"$scratch/lacking" 2>/dev/null && fail "--check passed with files lacking the line"
sort "$scratch/lacking" | tr '\n' ' ' >"$scratch/lacking.line"
[ "$(cat "$scratch/lacking.line")" = \
  "CMakeLists.txt helper.sh main.cc page.css page.html page.js quotes.h sub/rules.cmake sub/tool sub/version.h.in test.mjs x.1.in " ] ||
  fail "--check listed: $(cat "$scratch/lacking.line")"

before=$(snapshot)
"$script" "$repo" >/dev/null || fail "adding failed"
line="SPDX-License-Identifier: GPL-3.0-or-later"
while IFS='|' read -r file want; do
  got=$(tr '\n' '|' <"$file")
  [ "$got" = "$want" ] || fail "$file became '$got', not '$want'"
done <<TABLE
main.cc|// $line|#include <cstdio>|
quotes.h|// $line|// Adds "$line".|
sub/version.h.in|// $line|#define V "@V@"|
CMakeLists.txt|# $line|add_library(x x.cc)|
sub/rules.cmake|# $line|set(A 1)|
sub/tool|#!/bin/sh|# $line|echo hi|
helper.sh|# $line|echo hi|
x.1.in|.\\" $line|.TH X 1|
page.js|// $line|let x;|
test.mjs|// $line|export {};|
page.css|/* $line */|body {}|
page.html|<!-- $line -->|<p>hi</p>|
TABLE
[ -x sub/tool ] || fail "sub/tool lost its execute bit"
after=$(snapshot)
for file in done.h icon.png corpus notes.md app.desktop untracked.cc; do
  [ "$(grep " \./$file\$" <<<"$before")" = "$(grep " \./$file\$" <<<"$after")" ] ||
    fail "$file changed"
done

"$script" "$repo" >/dev/null || fail "second run failed"
[ "$(snapshot)" = "$after" ] || fail "a second run changed files"
"$script" --check "$repo" >/dev/null || fail "--check fails after adding"

[ "$failed" -eq 0 ] && echo "add-spdx-headers: all cases passed"
[ "$failed" -eq 0 ]
