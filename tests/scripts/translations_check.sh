#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of the sources has its English translation: a scratch copy of
# the checkout's .ts file is brought up to date with the sources, and no
# entry may be left unfinished.
#
#   translations_check.sh SOURCE_DIR
set -uo pipefail
source_dir=${1:?usage: translations_check.sh SOURCE_DIR}
[[ -x /usr/lib/qt6/bin/lupdate ]] ||
  { echo "SKIP: lupdate is not installed (scripts/install-deps build)"; exit 77; }
git -C "$source_dir" rev-parse --is-inside-work-tree >/dev/null 2>&1 ||
  { echo "SKIP: $source_dir is not a git work tree"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/scripts" "$scratch/translations"
cp "$source_dir/scripts/update-translations" "$scratch/scripts/"
cp "$source_dir/translations/spulix_en.ts" "$scratch/translations/"
# The sources as the checkout has them, read in place.
git -C "$source_dir" ls-files -z 'ui/*' 'design/*' 'document/*' 'cli/*' 'present/*' |
  (cd "$source_dir" && xargs -0 cp --parents -t "$scratch")
git -C "$scratch" init -q && git -C "$scratch" add -A
"$scratch/scripts/update-translations" >/dev/null || exit 1
if grep -B2 'type="unfinished"' "$scratch/translations/spulix_en.ts"; then
  echo "FAIL: texts without translation above: run scripts/update-translations" \
       "and translate them in translations/spulix_en.ts" >&2
  exit 1
fi
echo "translations/spulix_en.ts: every text translated"
