#!/usr/bin/env bash
# Installs the build into a temporary prefix with `cmake --install` and checks
# the installed tree (installed_tree.sh).
#
# Usage: install_and_check.sh <cmake> <build folder>
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$1" --install "$2" --prefix "$prefix" >/dev/null
bash "$(dirname "$0")/installed_tree.sh" "$prefix"
