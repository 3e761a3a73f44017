#!/usr/bin/env bash
# Every text of the window program and lumolex-cli has a finished English
# translation: lupdate, run over the sources into a copy of lumolex_en.ts as
# scripts/update-translations runs it, adds any text missing from the file as
# unfinished, and lrelease must then count no unfinished and no untranslated
# text. Each translation keeps its source's placeholders (%1, %2 …), its line
# breaks and its hint line marks (@), or the program would show it broken.
# Usage: check_translations.sh SOURCE_DIR LUPDATE LRELEASE
set -euo pipefail
source_dir=$1 lupdate=$2 lrelease=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ts=$work/lumolex_en.ts
cp "$source_dir/translations/lumolex_en.ts" "$ts"
cd "$source_dir"
"$lupdate" -silent -no-obsolete -locations none -source-language ru -target-language en \
  -extensions cpp,h src tools/cli -ts "$ts"
report=$("$lrelease" "$ts" -qm "$work/lumolex_en.qm" 2>&1)
echo "$report"
status=0
if ! grep -Eq 'Generated [1-9][0-9]* translation\(s\) \([0-9]+ finished and 0 unfinished\)' <<<"$report" \
    || grep -q 'untranslated' <<<"$report"; then
  echo "Texts without a finished English translation (run scripts/update-translations and translate them):"
  grep -B3 'type="unfinished"' "$ts" | grep '<source>' || true
  status=1
fi
# One message a line: source and translation side by side, their line
# breaks as <br>, the XML escapes left as they are.
awk 'BEGIN { RS = "</message>" }
     {
       s = $0; sub(/.*<source>/, "", s); sub(/<\/source>.*/, "", s)
       t = $0; if (!sub(/.*<translation[^>]*>/, "", t)) next; sub(/<\/translation>.*/, "", t)
       gsub(/\n/, "<br>", s); gsub(/\n/, "<br>", t)
       print s "\t" t
     }' "$ts" > "$work/pairs"
while IFS=$'\t' read -r source translation; do
  for mark in '%[0-9]' '@' '<br>'; do
    a=$(grep -oE "$mark" <<<"$source" | sort | tr -d '\n' || true)
    b=$(grep -oE "$mark" <<<"$translation" | sort | tr -d '\n' || true)
    if [ "$a" != "$b" ]; then
      echo "Translation differs from its source in \"$mark\": $source -> $translation"
      status=1
    fi
  done
done < "$work/pairs"
exit $status
