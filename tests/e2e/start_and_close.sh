#!/usr/bin/env bash
# Starts the real program from a fresh program folder (a copy of the
# executable and of the built DATA) with a fresh settings folder, waits for
# the first article, asks it to close (SIGTERM is a close request of the main
# window) and checks that the settings file and both history files were
# written.
#
# Usage: start_and_close.sh <lumolex executable> <built DATA folder>
set -euo pipefail

source "$(dirname "$0")/programfolder.sh" "$1" "$2"
export LUMOLEX_TIMING=1

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  source "$2"
  "$1/program/lumolex" 2>"$1/stderr" &
  pid=$!
  await_line "$1/stderr" "start-up to first article" $pid 200
  kill -TERM $pid 2>/dev/null || true
  wait $pid
  echo $? >"$1/exit-code"
' _ "$work" "$(dirname "$0")/../common/awaitprogram.sh" || true

[ -f "$work/exit-code" ] || fail "the program did not run"
grep -q "start-up to first article" "$work/stderr" || fail "no article was shown"
[ "$(cat "$work/exit-code")" = 0 ] || fail "exit code $(cat "$work/exit-code")"

ini="$work/config/LumoLex/LumoLex.ini"
[ -f "$ini" ] || fail "no settings file at $ini"
grep -q '^\[Setup\]' "$ini" || fail "no [Setup] section"
for name in FormMainWidth FormMainHeight PanelWordWidth FontNameLumo ColorEvenLines BookMark SaveParam; do
  grep -q "^$name=" "$ini" || fail "setting $name missing"
done
for history in LumoCard.hst LumoFind.hst; do
  [ -f "$work/program/DATA/$history" ] || fail "history file $history missing"
done
grep -h "start-up to first article" "$work/stderr"
echo "e2e start and close: 1 passed, 0 failed"
