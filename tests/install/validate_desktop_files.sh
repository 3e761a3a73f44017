#!/usr/bin/env bash
# The desktop entry and the AppStream metadata pass their validators
# (packages desktop-file-utils and appstream).
#
# Usage: validate_desktop_files.sh <data/desktop folder>
set -euo pipefail
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool not found (bash scripts/setup installs it)"; exit 1; }
done
desktop-file-validate "$1/lumolex.desktop"
appstreamcli validate --no-net "$1/io.github.lumolex.LumoLex.metainfo.xml"
