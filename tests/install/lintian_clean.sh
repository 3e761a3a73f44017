#!/usr/bin/env bash
# Runs lintian on a Debian package and fails when it reports any error or
# warning; informational tags and tags the package overrides (each with its
# one-line reason) pass. Prints what lintian said.
#
# Usage: lintian_clean.sh <package.deb>
set -euo pipefail
deb=$1
command -v lintian >/dev/null || { echo "FAIL: lintian is not installed (bash scripts/setup installs it)"; exit 1; }

report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
lintian --fail-on error,warning "$deb" >"$report" 2>&1 || status=$?
# lintian complains that it runs as root, which CI does.
grep -v "running with root privileges" "$report" || true
# The tags themselves are checked too, so that a lintian that ignores
# --fail-on does not let them through.
tags=$(grep -cE '^[EW]: ' "$report" || true)
if [ "$status" -ne 0 ] || [ "$tags" -ne 0 ]; then
  echo "FAIL: lintian reports $tags error(s) or warning(s) on $(basename "$deb") (exit code $status)"
  exit 1
fi
echo "lintian: $(basename "$deb"): 0 errors, 0 warnings"
