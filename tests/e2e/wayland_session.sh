#!/usr/bin/env bash
# The program on Wayland, in a headless Weston started here. First the real
# program starts natively, shows its first article and is asked to close
# (SIGTERM): the settings and both history files are written, and the stored
# place of the window, which the compositor does not let a program choose,
# is kept as it was (not overwritten with zeros). Then the window tests'
# Wayland session (type a word, search with Ctrl+S and Enter, open a card,
# close) runs in the same compositor. Exits 77 (skipped) without weston.
#
# Usage: wayland_session.sh <lumolex executable> <built DATA folder> <lumolex_app_tests executable>
set -euo pipefail

command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
here=$(dirname "$0")
source "$here/programfolder.sh" "$1" "$2"
source "$here/../common/awaitprogram.sh"
source "$here/headlessweston.sh"
trap 'stop_weston; rm -rf "$work"' EXIT
start_weston "$work"
export LUMOLEX_TIMING=1

ini="$work/config/LumoLex/LumoLex.ini"
mkdir -p "$(dirname "$ini")"
printf '[Setup]\nFormMainLeft=123\nFormMainTop=77\n' >"$ini"

"$work/program/lumolex" 2>"$work/stderr" &
pid=$!
await_line "$work/stderr" "start-up to first article" $pid 200
kill -TERM $pid 2>/dev/null || true
code=0
wait $pid || code=$?

grep -q "start-up to first article" "$work/stderr" || fail "no article was shown"
[ "$code" = 0 ] || fail "exit code $code"
grep -q '^\[Setup\]' "$ini" || fail "no [Setup] section"
for name in FormMainWidth FormMainHeight PanelWordWidth FontNameLumo ColorEvenLines BookMark SaveParam; do
  grep -q "^$name=" "$ini" || fail "setting $name missing"
done
grep -q '^FormMainLeft=123$' "$ini" || fail "stored left edge changed: $(grep FormMainLeft "$ini")"
grep -q '^FormMainTop=77$' "$ini" || fail "stored top edge changed: $(grep FormMainTop "$ini")"
for history in LumoCard.hst LumoFind.hst; do
  [ -f "$work/program/DATA/$history" ] || fail "history file $history missing"
done
echo "wayland: $(grep -h "start-up to first article" "$work/stderr")"

# The session of the window tests, on the same compositor.
"$3" --gtest_filter='WaylandSession.*' >"$work/session" 2>&1 || { cat "$work/session"; fail "the session failed"; }
grep -q '\[  PASSED  \] 1 test' "$work/session" && ! grep -q '\[  SKIPPED \]' "$work/session" \
  || { cat "$work/session"; fail "the session did not run on Wayland"; }
echo "e2e wayland session: 2 passed, 0 failed"
