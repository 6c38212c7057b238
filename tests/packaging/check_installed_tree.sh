#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed Spulix tree: ROOT/usr as `cmake --install` with
# DESTDIR=ROOT and prefix /usr leaves it, or an unpacked .deb.
#
#   check_installed_tree.sh ROOT [VERSION]
#
# Both commands, the menu entry (validated, its Exec and Icon resolving inside
# the tree), the icon in every theme size (each PNG really that size) and
# scalable, the metainfo (validated, its launchable and binaries present, its
# release VERSION if given), both man pages (spulix-calc's naming every option
# of its --help), the copyright file and the changelog (its newest entry
# VERSION if given). Prints every problem; exits 1 if there was one, 77 if a
# validator is not installed.
# "[ a ] && [ b ] || problem" is meant as "unless both hold".
# shellcheck disable=SC2015
set -uo pipefail

root=${1:?usage: check_installed_tree.sh ROOT [VERSION]}
version=${2:-}
app_id=io.github.spulix.Spulix
icon_sizes=(16 32 48 64 128 256)

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed" >&2
    exit 77
  fi
done

problems=0
problem() {
  echo "FAIL: $*" >&2
  problems=$((problems + 1))
}

usr=$root/usr
desktop=$usr/share/applications/$app_id.desktop
metainfo=$usr/share/metainfo/$app_id.metainfo.xml
hicolor=$usr/share/icons/hicolor

# Value of KEY in the [Desktop Entry] group of the menu entry.
desktop_value() {
  sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$desktop" | head -n1
}

# "<width>x<height>" from a PNG's header.
png_size() {
  local bytes
  bytes=$(od -An -tx1 -v -N24 "$1" | tr -d ' \n')
  [ "${bytes:0:16}" = 89504e470d0a1a0a ] && [ "${bytes:24:8}" = 49484452 ] ||
    { echo "not-a-png"; return; }
  echo "$((16#${bytes:32:8}))x$((16#${bytes:40:8}))"
}

# Commands -----------------------------------------------------------------
for bin in spulix spulix-calc; do
  [ -f "$usr/bin/$bin" ] && [ -x "$usr/bin/$bin" ] ||
    problem "usr/bin/$bin is missing or not executable"
done
# The first-frame probe belongs to the start-up benchmark's build only.
if [ -f "$usr/bin/spulix" ] && grep -aq 'first-frame-ns' "$usr/bin/spulix"; then
  problem "usr/bin/spulix is the benchmark build (it has the first-frame probe)"
fi

# Menu entry ---------------------------------------------------------------
if [ ! -f "$desktop" ]; then
  problem "menu entry usr/share/applications/$app_id.desktop is missing"
else
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] ||
    problem "desktop-file-validate: $out"
  exec_bin=$(desktop_value Exec | awk '{print $1}')
  [ -n "$exec_bin" ] && [ -x "$usr/bin/$exec_bin" ] ||
    problem "menu entry runs '$exec_bin', which is not in usr/bin"
  declare -A want=(
    [Type]=Application [Name]=Spulix [Icon]=spulix [Terminal]=false
  )
  for key in "${!want[@]}"; do
    got=$(desktop_value "$key")
    [ "$got" = "${want[$key]}" ] ||
      problem "menu entry $key is '$got', not '${want[$key]}'"
  done
  for key in 'Name\[zh_CN\]' Comment 'Comment\[zh_CN\]'; do
    [ -n "$(desktop_value "$key")" ] || problem "menu entry has no ${key//\\/}"
  done
  categories=";$(desktop_value Categories)"
  for category in Science Engineering Electronics; do
    [[ $categories == *";$category;"* ]] ||
      problem "menu entry is not in category $category"
  done
fi

# Icon ---------------------------------------------------------------------
icon=$(desktop_value Icon 2>/dev/null)
icon=${icon:-spulix}
[ -f "$hicolor/scalable/apps/$icon.svg" ] ||
  problem "scalable icon hicolor/scalable/apps/$icon.svg is missing"
for n in "${icon_sizes[@]}"; do
  [ -f "$hicolor/${n}x${n}/apps/$icon.png" ] ||
    problem "icon hicolor/${n}x${n}/apps/$icon.png is missing"
done
for png in "$hicolor"/*/apps/*.png; do
  [ -e "$png" ] || continue
  folder=$(basename "$(dirname "$(dirname "$png")")")
  size=$(png_size "$png")
  [ "$size" = "$folder" ] || problem "icon in $folder is $size"
done

# Metainfo -----------------------------------------------------------------
if [ ! -f "$metainfo" ]; then
  problem "metainfo usr/share/metainfo/$app_id.metainfo.xml is missing"
else
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) ||
    problem "appstreamcli validate: $out"
  grep -q "<id>$app_id</id>" "$metainfo" || problem "metainfo id is not $app_id"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -n "$launchable" ] && [ -f "$usr/share/applications/$launchable" ] ||
    problem "metainfo launches '$launchable', which is not installed"
  binaries=$(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo")
  for bin in spulix spulix-calc; do
    grep -qx "$bin" <<<"$binaries" || problem "metainfo does not provide $bin"
  done
  for bin in $binaries; do
    [ -x "$usr/bin/$bin" ] || problem "metainfo provides $bin, not installed"
  done
  if [ -n "$version" ]; then
    grep -q "<release version=\"$version\"" "$metainfo" ||
      problem "metainfo has no release $version"
  fi
fi

# Design files -------------------------------------------------------------
mime=$usr/share/mime/packages/$app_id.xml
if [ ! -f "$mime" ]; then
  problem "MIME type file usr/share/mime/packages/$app_id.xml is missing"
else
  grep -q '<glob pattern="\*\.spulix"/>' "$mime" ||
    problem "MIME type file has no *.spulix pattern"
  declared=$(sed -n 's:.*<mime-type type="\([^"]*\)".*:\1:p' "$mime")
  opens=$(desktop_value MimeType)
  [ -n "$opens" ] || problem "menu entry declares no MimeType"
  for type in ${opens//;/ }; do
    grep -qx "$type" <<<"$declared" ||
      problem "menu entry opens $type, which no installed MIME file declares"
  done
  [[ $(desktop_value Exec) == *%[fFuU]* ]] ||
    problem "menu entry's Exec does not take a file"
  # The MIME database must accept the file and match *.spulix to the type.
  if command -v update-mime-database >/dev/null; then
    mimedb=$(mktemp -d)
    mkdir -p "$mimedb/packages" && cp "$mime" "$mimedb/packages/"
    if ! out=$(update-mime-database "$mimedb" 2>&1) ||
      ! grep -q ':\*\.spulix$' "$mimedb/globs2" 2>/dev/null; then
      problem "MIME type file is not accepted by update-mime-database: $out"
    fi
    rm -rf "$mimedb"
  fi
fi

# Man pages ----------------------------------------------------------------
man1=$usr/share/man/man1
for bin in spulix spulix-calc; do
  page=$man1/$bin.1.gz
  if [ ! -f "$page" ]; then
    problem "man page usr/share/man/man1/$bin.1.gz is missing"
  elif ! gzip -dc "$page" 2>/dev/null | grep -q '^\.TH '; then
    problem "man page of $bin is not a gzip-compressed man page"
  fi
done
if [ -x "$usr/bin/spulix-calc" ] && [ -f "$man1/spulix-calc.1.gz" ]; then
  page=$(gzip -dc "$man1/spulix-calc.1.gz" 2>/dev/null | sed 's/\\-/-/g')
  for option in $("$usr/bin/spulix-calc" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$page" ||
      problem "man page of spulix-calc does not mention $option"
  done
fi

# Copyright and changelog --------------------------------------------------
doc=$usr/share/doc/spulix
dep5=https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
[ "$(head -n1 "$doc/copyright" 2>/dev/null)" = "Format: $dep5" ] ||
  problem "usr/share/doc/spulix/copyright is missing or not machine-readable"
grep -q '^License: GPL-3+$' "$doc/copyright" 2>/dev/null ||
  problem "copyright file does not state GPL-3+"
if ! newest=$(gzip -dc "$doc/changelog.gz" 2>/dev/null | head -n1) || [ -z "$newest" ]; then
  problem "usr/share/doc/spulix/changelog.gz is missing"
elif [ -n "$version" ] && [[ $newest != "spulix ($version) "* ]]; then
  problem "changelog starts with '$newest', not release $version"
fi

if [ "$problems" -gt 0 ]; then
  echo "$problems problem(s) in the installed tree $root" >&2
  exit 1
fi
echo "Installed tree $root is complete"
