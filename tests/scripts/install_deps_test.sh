#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs scripts/install-deps against fake dpkg-query, id, apt-get and sudo
# commands: what it reports as missing, what it installs and how, per group.
#
#   install_deps_test.sh SOURCE_DIR
set -uo pipefail

script=${1:?usage: install_deps_test.sh SOURCE_DIR}/scripts/install-deps
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bin=$scratch/bin
mkdir -p "$bin"
ln -s "$(command -v bash)" "$bin/bash"
log=$scratch/apt.log

# dpkg-query -W -f=FORMAT PACKAGE...: the packages in $FAKE_INSTALLED.
cat >"$bin/dpkg-query" <<'FAKE'
#!/bin/bash
for p in "$@"; do
  [[ $p == -* ]] && continue
  [[ " $FAKE_INSTALLED " == *" $p "* ]] && echo "$p install ok installed"
done
exit 0
FAKE
cat >"$bin/id" <<'FAKE'
#!/bin/bash
echo "$FAKE_UID"
FAKE
cat >"$bin/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $*" >>"$FAKE_LOG"
exit "${FAKE_APT_STATUS:-0}"
FAKE
cat >"$bin/sudo" <<'FAKE'
#!/bin/bash
echo "sudo" >>"$FAKE_LOG"
exec "$@"
FAKE
chmod +x "$bin"/*

failed=0
fail() {
  echo "FAIL: $name: $*" >&2
  failed=$((failed + 1))
}

# Runs install-deps ARGS... with the fake commands only on the PATH; without
# $with_sudo there is no sudo. Sets $status, $err and $calls.
run() {
  rm -f "$log" && touch "$log"
  local path=$bin
  if [ -z "${with_sudo:-}" ]; then
    path=$scratch/bin-nosudo
    rm -rf "$path" && cp -a "$bin" "$path" && rm "$path/sudo"
  fi
  err=$(PATH=$path FAKE_LOG=$log FAKE_UID=${uid:-1000} \
        FAKE_INSTALLED=${installed:-} FAKE_APT_STATUS=${apt_status:-0} \
        "$bin/bash" "$script" "$@" 2>&1 >/dev/null)
  status=$?
  calls=$(cat "$log")
}

expect_status() { [ "$status" -eq "$1" ] || fail "exit status $status, not $1: $err"; }
expect_said() { grep -qF -- "$1" <<<"$err" || fail "did not say '$1': $err"; }
expect_not_said() { ! grep -qwF -- "$1" <<<"$err" || fail "said '$1': $err"; }
expect_called() { grep -qF -- "$1" <<<"$calls" || fail "did not call '$1': $calls"; }

name="everything installed: nothing to do"
installed="libqt6printsupport6 qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n" uid=1000 run run
expect_status 0
[ -z "$err$calls" ] || fail "said '$err', called '$calls'"

name="no root, no sudo: what is missing and the command, first"
installed="cmake fonts-noto-cjk" uid=1000 run build run
expect_status 1
[ -z "$calls" ] || fail "called '$calls'"
[[ $err == "Missing Debian packages: build-essential ninja-build"* ]] ||
  fail "first line is not the missing list: $err"
expect_said "apt-get update && apt-get install --no-install-recommends build-essential ninja-build"
expect_said qt6-qpa-plugins
expect_not_said cmake
expect_not_said fonts-noto-cjk
expect_not_said Installing

name="the run groups leave out the test toolchain"
uid=1000 run build run
for p in clang libgtest-dev libbenchmark-dev xvfb appstream help2man lintian; do
  expect_not_said "$p"
done
expect_said qt6-base-dev

name="the test group asks for the test toolchain"
uid=1000 run test
for p in libgtest-dev xvfb appstream qt6-base-dev fonts-noto-cjk; do
  expect_said "$p"
done

name="a word that is no group is a package"
installed="libqt6printsupport6 qt6-qpa-plugins fonts-noto-cjk qt6-translations-l10n" uid=1000 run run openbox
expect_status 1
expect_said "apt-get install --no-install-recommends openbox"

name="as root: installs the missing packages only"
installed="cmake" uid=0 run fuzz
expect_status 0
expect_called "apt-get -o DPkg::Lock::Timeout=600 -qq update"
expect_called "install -y --no-install-recommends build-essential ninja-build"
expect_called "clang libclang-rt-14-dev"
! grep -q "sudo\| cmake" <<<"$calls" || fail "called '$calls'"

name="with sudo: installs through sudo"
with_sudo=1 uid=1000 run lint
expect_status 0
[ "$(grep -c sudo <<<"$calls")" -eq 2 ] || fail "not both apt-get runs through sudo: $calls"
expect_called "install -y --no-install-recommends dpkg-dev desktop-file-utils appstream lintian"

name="a failing apt-get fails with the command to run"
apt_status=100 uid=0 run run
expect_status 1
expect_said "As root: apt-get update && apt-get install --no-install-recommends libqt6printsupport6"

[ "$failed" -eq 0 ] && echo "install-deps: all cases passed"
[ "$failed" -eq 0 ]
