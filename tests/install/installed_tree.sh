#!/usr/bin/env bash
# Checks an installed LumoLex (a `cmake --install` prefix or the /usr of an
# unpacked package): lumolex-cli finds the data in share/lumolex without being
# told; the program starts on that data with the data folder read-only, shows
# its first article, closes cleanly on SIGTERM, writes its history files into
# the user's data folder and nothing into the installed tree; its window's
# class is the one the desktop entry names.
#
# Usage: installed_tree.sh <prefix>
set -euo pipefail

prefix=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; echo "--- program output:"; cat "$work/stderr" 2>/dev/null || true; exit 1; }

for file in bin/lumolex bin/lumolex-cli bin/lumolex-mkdata share/lumolex/LumoLex.html share/lumolex/NOTICE \
            share/lumolex/LumoLex.en.html share/lumolex/translations/lumolex_en.qm \
            share/lumolex/translations/lumolex-tools_ru.qm \
            share/lumolex/DATA/lumolex.db share/lumolex/DATA/lumoword.db share/lumolex/DATA/lumophra.db \
            share/applications/lumolex.desktop share/metainfo/io.github.lumolex.LumoLex.metainfo.xml \
            share/icons/hicolor/scalable/apps/lumolex.svg share/icons/hicolor/48x48/apps/lumolex.png; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ ! -e "$prefix/bin/DATA" ] || fail "bin/DATA is installed: the shared data would never be used"

# The tool finds the shared data by itself.
"$prefix/bin/lumolex-cli" stats >"$work/stats" 2>"$work/stderr" || fail "lumolex-cli stats failed"
grep -q . "$work/stats" || fail "lumolex-cli stats printed nothing"
# It finds the installed English translation in an English locale, and keeps
# to Russian in a Russian one.
for case in "en_US.UTF-8|Search for at least 2 characters!" "ru_RU.UTF-8|Поиск не меньше 2-х символов!"; do
  locale=${case%%|*} message=${case#*|}
  LC_ALL=$locale LANGUAGE= "$prefix/bin/lumolex-cli" find "д" >/dev/null 2>"$work/stderr" && fail "a query of one letter was accepted"
  grep -qF "lumolex-cli: $message" "$work/stderr" || fail "lumolex-cli in $locale did not say: $message"
done
# The tools' own texts: English in an English locale, the installed Russian
# translation in a Russian one.
for case in "en_US.UTF-8|give one command and its argument; see --help" \
            "ru_RU.UTF-8|укажите одну команду и её аргумент; см. --help"; do
  locale=${case%%|*} message=${case#*|}
  LC_ALL=$locale LANGUAGE= "$prefix/bin/lumolex-cli" >/dev/null 2>"$work/stderr" && fail "lumolex-cli ran without a command"
  grep -qxF "lumolex-cli: $message" "$work/stderr" || fail "lumolex-cli in $locale did not say: $message"
done

# The program, with the installed data folder mounted read-only in a mount
# namespace of its own (root could write any folder otherwise).
mkdir -p "$work/config" "$work/userdata"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/userdata" LUMOLEX_TIMING=1 LC_ALL=C.UTF-8
before=$(ls -A "$prefix/share/lumolex/DATA")
class=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/lumolex.desktop")
unshare_args=(--mount)
[ "$(id -u)" -ne 0 ] && unshare_args=(--map-root-user --mount)
data="$prefix/share/lumolex/DATA"

xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  work=$1 data=$2 class=$3 program=$4; source "$5"; shift 5
  unshare "$@" -- sh -c "mount --bind \"\$0\" \"\$0\" && mount -o remount,bind,ro \"\$0\" \"\$0\" && exec \"\$1\"" \
    "$data" "$program" 2>"$work/stderr" &
  pid=$!
  await_line "$work/stderr" "start-up to first article" $pid 300
  # The window is looked up by the instance part of its class, as desktops
  # match StartupWMClass.
  if command -v xdotool >/dev/null; then
    xdotool search --classname "^$class\$" >"$work/windows" 2>/dev/null || true
  fi
  kill -TERM $pid 2>/dev/null || true
  # A program held by a message box (a failed start) does not end by itself.
  await_end $pid 100
  kill -KILL $pid 2>/dev/null || true
  wait $pid
  echo $? >"$work/exit-code"
' _ "$work" "$data" "$class" "$prefix/bin/lumolex" \
  "$(dirname "$0")/../common/awaitprogram.sh" "${unshare_args[@]}" || true

[ -f "$work/exit-code" ] || fail "the program did not run"
grep -q "start-up to first article" "$work/stderr" || fail "no article was shown"
[ "$(cat "$work/exit-code")" = 0 ] || fail "exit code $(cat "$work/exit-code")"
if command -v xdotool >/dev/null; then
  [ -s "$work/windows" ] || fail "no window of class \"$class\" (StartupWMClass of lumolex.desktop)"
fi
[ "$(ls -A "$data")" = "$before" ] || fail "the program wrote into the installed data folder"
for history in LumoCard.hst LumoFind.hst; do
  found=$(find "$work/userdata" -name "$history" -path "*/LumoLex/*")
  [ -n "$found" ] || fail "history file $history is not in the user's data folder"
done
grep -h "start-up to first article" "$work/stderr"
echo "installed tree $prefix: passed"
