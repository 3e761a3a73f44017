#!/usr/bin/env bash
# lintian_clean.sh, which scripts/package-check runs on the package, passes a
# clean package and fails one with an error tag (no copyright file) and one
# whose only tag is a warning (a program without a manual page).
set -euo pipefail
command -v lintian >/dev/null || { echo "lintian is not installed: skipped"; exit 77; }
check=$(dirname "$0")/lintian_clean.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A small native package that lintian has nothing to say about; each case
# then spoils it in one way.
make_package() {
  local root=$work/$1
  mkdir -p "$root/DEBIAN" "$root/usr/share/doc/probe" "$root/usr/share/probe"
  echo "probe data" >"$root/usr/share/probe/data.txt"
  cat >"$root/DEBIAN/control" <<CONTROL
Package: probe
Version: 1.0
Architecture: all
Maintainer: Probe Maintainer <probe@example.org>
Section: text
Priority: optional
Description: package for checking the lintian gate
 A package with one data file and its documentation.
CONTROL
  cat >"$root/usr/share/doc/probe/copyright" <<COPYRIGHT
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: probe

Files: *
Copyright: 2026 Probe Maintainer
License: GPL-3+
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in "/usr/share/common-licenses/GPL-3".
COPYRIGHT
  printf 'probe (1.0) stable; urgency=medium\n\n  * First version.\n\n -- Probe Maintainer <probe@example.org>  Wed, 09 Dec 2026 12:00:00 +0000\n' \
    | gzip -9n >"$root/usr/share/doc/probe/changelog.gz"
}
build_package() {
  (cd "$work/$1" && find usr -type f -exec md5sum {} + >DEBIAN/md5sums)
  dpkg-deb --root-owner-group -Zxz --build "$work/$1" "$work/$1.deb" >/dev/null
}

make_package clean
build_package clean
make_package error
rm "$work/error/usr/share/doc/probe/copyright"
build_package error
make_package warning
mkdir -p "$work/warning/usr/bin"
printf '#!/bin/sh\necho probe\n' >"$work/warning/usr/bin/probe"
chmod 755 "$work/warning/usr/bin/probe"
build_package warning

failed=0
bash "$check" "$work/clean.deb" >"$work/out" || { echo "FAIL: the clean package was refused:"; cat "$work/out"; failed=1; }
for case in error:no-copyright-file warning:no-manual-page; do
  name=${case%%:*} tag=${case#*:}
  if bash "$check" "$work/$name.deb" >"$work/out"; then
    echo "FAIL: the package with $tag passed:"; cat "$work/out"; failed=1
  elif ! grep -q "$tag" "$work/out"; then
    echo "FAIL: the refusal does not name $tag:"; cat "$work/out"; failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "lintian gate: passed"
exit "$failed"
