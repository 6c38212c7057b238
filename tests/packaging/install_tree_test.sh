#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built Spulix into a scratch folder the way a package would
# (prefix /usr) and checks the result with check_installed_tree.sh.
#
#   install_tree_test.sh BUILD_DIR VERSION clean   # the tree must pass
#   install_tree_test.sh BUILD_DIR VERSION faults  # each broken copy must fail
set -uo pipefail

build=${1:?usage: install_tree_test.sh BUILD_DIR VERSION clean|faults}
version=${2:?}
mode=${3:?}
here=$(cd "$(dirname "$0")" && pwd)
check=$here/check_installed_tree.sh

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree=$scratch/tree
DESTDIR=$tree cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1; }

if [ "$mode" = clean ]; then
  "$check" "$tree" "$version"
  exit  # with the check's status, after the trap removes the scratch folder
fi

apps=usr/share/applications/io.github.spulix.Spulix.desktop
meta=usr/share/metainfo/io.github.spulix.Spulix.metainfo.xml
mime=usr/share/mime/packages/io.github.spulix.Spulix.xml
icons=usr/share/icons/hicolor
man=usr/share/man/man1
doc=usr/share/doc/spulix

# Each case: name | change made to a copy of the tree | text the check reports.
cases=(
  "no spulix-calc|rm usr/bin/spulix-calc|usr/bin/spulix-calc is missing"
  "window not executable|chmod -x usr/bin/spulix|usr/bin/spulix is missing or not executable"
  "window with the first-frame probe|echo first-frame-ns >>usr/bin/spulix|benchmark build"
  "no menu entry|rm $apps|menu entry usr/share/applications"
  "invalid menu entry|sed -i 's/^Type=.*/Type=Program/' $apps|desktop-file-validate"
  "entry runs a missing command|sed -i 's/^Exec=.*/Exec=spulix-gui/' $apps|runs 'spulix-gui'"
  "entry without Chinese name|sed -i '/^Name\\[zh_CN\\]/d' $apps|no Name[zh_CN]"
  "entry without Chinese comment|sed -i '/^Comment\\[zh_CN\\]/d' $apps|no Comment[zh_CN]"
  "entry outside Electronics|sed -i 's/^Categories=.*/Categories=Science;Engineering;/' $apps|not in category Electronics"
  "entry with another icon|sed -i 's/^Icon=.*/Icon=spulix-app/' $apps|Icon is 'spulix-app'"
  "no scalable icon|rm $icons/scalable/apps/spulix.svg|scalable icon"
  "no 48 px icon|rm $icons/48x48/apps/spulix.png|48x48/apps/spulix.png is missing"
  "16 px icon in 32x32|cp $icons/16x16/apps/spulix.png $icons/32x32/apps/spulix.png|icon in 32x32 is 16x16"
  "no metainfo|rm $meta|metainfo usr/share/metainfo"
  "invalid metainfo|sed -i 's:>CC0-1.0<:>GPL-3.0+<:' $meta|appstreamcli validate"
  "metainfo launches another entry|sed -i 's:Spulix.desktop</launchable>:Calc.desktop</launchable>:' $meta|metainfo launches"
  "metainfo without spulix-calc|sed -i '/<binary>spulix-calc/d' $meta|does not provide spulix-calc"
  "no MIME type file|rm $mime|MIME type file usr/share/mime/packages"
  "broken MIME type file|sed -i 's:</mime-info>::' $mime|not accepted by update-mime-database"
  "MIME type without pattern|sed -i '/<glob/d' $mime|no *.spulix pattern"
  "entry opens another type|sed -i 's:^MimeType=.*:MimeType=text/plain;:' $apps|opens text/plain"
  "entry without file argument|sed -i 's/^Exec=.*/Exec=spulix/' $apps|Exec does not take a file"
  "no spulix man page|rm $man/spulix.1.gz|man1/spulix.1.gz is missing"
  "uncompressed man page|gzip -d $man/spulix-calc.1.gz && mv $man/spulix-calc.1 $man/spulix-calc.1.gz|spulix-calc is not a gzip"
  "man page behind --help|gzip -d $man/spulix-calc.1.gz && sed -i '/version/d' $man/spulix-calc.1 && gzip -9n $man/spulix-calc.1|does not mention --version"
  "no copyright file|rm $doc/copyright|copyright is missing"
  "copyright under another licence|sed -i 's/^License: GPL-3+$/License: MIT/' $doc/copyright|does not state GPL-3+"
  "no changelog|rm $doc/changelog.gz|changelog.gz is missing"
  "changelog of another release|gzip -d $doc/changelog.gz && sed -i '1s/(.*)/(0.9)/' $doc/changelog && gzip -9n $doc/changelog|not release $version"
  "metainfo of another release|sed -i 's/<release version=\"[^\"]*\"/<release version=\"0.9\"/' $meta|no release $version"
)

passed=0
failed=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name change expect <<<"$entry"
  copy=$scratch/copy
  rm -rf "$copy" && cp -a "$tree" "$copy"
  (cd "$copy" && eval "$change") || { echo "FAIL: $name: could not apply" >&2; failed=$((failed + 1)); continue; }
  out=$("$check" "$copy" "$version" 2>&1)
  rc=$?
  if [ "$rc" -eq 77 ]; then
    echo "$out"
    exit 77
  elif [ "$rc" -eq 1 ] && grep -qF -- "$expect" <<<"$out"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $name: check exited $rc without reporting '$expect':" >&2
    echo "$out" >&2
    failed=$((failed + 1))
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
