#!/usr/bin/env bash
# Starts the real program from a program folder whose DATA lacks the word-form
# file, over a user's stored settings and history files. While the box
# "Файл базы данных 2 не найден" is open the program gets SIGTERM (as at
# logout); then OK is pressed in the box. The program must end with exit
# code 1 and leave the settings and both history files byte for byte as
# they were.
#
# Usage: failed_start.sh <lumolex executable> <built DATA folder>
set -euo pipefail

source "$(dirname "$0")/programfolder.sh" "$1" "$2"
mkdir -p "$work/config/LumoLex"
rm "$work/program/DATA/lumoword.db"
printf '[Setup]\nFormMainWidth=640\nBookMark=8\n' >"$work/config/LumoLex/LumoLex.ini"
printf '\xe4\xee\xec\r\n\xea\xee\xf2\r\n' >"$work/program/DATA/LumoCard.hst"
printf '\xef\xbb\xbf\xd0\xbb\xd0\xb5\xd1\x81\r\n' >"$work/program/DATA/LumoFind.hst"
mkdir "$work/before"
cp "$work/config/LumoLex/LumoLex.ini" "$work/program/DATA/LumoCard.hst" "$work/program/DATA/LumoFind.hst" "$work/before/"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  work=$1; source "$2"
  "$work/program/lumolex" 2>"$work/stderr" &
  pid=$!
  # The splash is a window of the program too, shown while the data files
  # are checked: the message box is the one of dialog type.
  message_box() {
    local window
    for window in $(xdotool search --onlyvisible --classname lumolex 2>/dev/null); do
      xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q _NET_WM_WINDOW_TYPE_DIALOG && { echo "$window"; return; }
    done
  }
  box=
  for _ in $(seq 1 200); do
    box=$(message_box)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] && echo found >"$work/box-seen"
  kill -TERM $pid 2>/dev/null || true
  sleep 0.5
  # The message stays until it is answered.
  [ -n "$(message_box)" ] && echo open >"$work/box-open-after-term"
  if [ -n "$box" ]; then
    xdotool windowfocus --sync "$box" 2>/dev/null || true
    xdotool key --window "$box" Return 2>/dev/null || true
  fi
  await_end $pid 100
  if kill -0 $pid 2>/dev/null; then
    echo "still running" >"$work/hung"
    kill -KILL $pid
  fi
  wait $pid && echo 0 >"$work/exit-code" || echo $? >"$work/exit-code"
' _ "$work" "$(dirname "$0")/../common/awaitprogram.sh" || true

[ -f "$work/box-seen" ] || fail "the missing-file box never appeared"
[ -f "$work/box-open-after-term" ] || fail "the message closed before it was answered"
[ -f "$work/hung" ] && fail "the program kept running after OK was pressed"
[ "$(cat "$work/exit-code")" = 1 ] || fail "exit code $(cat "$work/exit-code"), expected 1"
cmp -s "$work/before/LumoLex.ini" "$work/config/LumoLex/LumoLex.ini" || fail "the settings file was changed"
for history in LumoCard.hst LumoFind.hst; do
  cmp -s "$work/before/$history" "$work/program/DATA/$history" || fail "history file $history was changed"
done
echo "e2e failed start: 1 passed, 0 failed"
