# Sourced by the end-to-end scripts: a fresh program folder in $work (a copy
# of the executable and of the built DATA) with fresh settings and user data
# folders, removed when the script ends, and fail() to stop with the
# program's output (written to $work/stderr).
#
# Usage: source programfolder.sh <lumolex executable> <built DATA folder>
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/program" "$work/config" "$work/userdata"
cp "$1" "$work/program/lumolex"
cp -r "$2" "$work/program/DATA"

export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/userdata"

fail() { echo "FAIL: $*"; echo "--- program output:"; cat "$work/stderr" 2>/dev/null || true; exit 1; }
