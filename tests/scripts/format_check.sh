#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every C++ source of the checkout is laid out as .clang-format says, by
# Debian 12's clang-format 14 (another version lays out a little
# differently, so it is not asked).
#
#   format_check.sh SOURCE_DIR
set -uo pipefail
source_dir=${1:?usage: format_check.sh SOURCE_DIR}
command -v clang-format >/dev/null ||
  { echo "SKIP: clang-format is not installed (scripts/install-deps test)"; exit 77; }
clang-format --version | grep -q 'version 14\.' ||
  { echo "SKIP: $(clang-format --version) is not clang-format 14"; exit 77; }
git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
  { echo "SKIP: $source_dir is not a git work tree"; exit 77; }
cd "$source_dir" || exit 1
git ls-files -z '*.cc' '*.h' | xargs -0 clang-format --dry-run --Werror ||
  { echo "FAIL: run clang-format -i on the files above" >&2; exit 1; }
echo "clang-format: every source is laid out"
