#!/usr/bin/env bash
# Every translation file is complete: the English of the window program and
# of the messages lumolex-cli shares with it (lumolex_en.ts), and the Russian
# of lumolex-cli's and lumolex-mkdata's own texts (lumolex-tools_ru.ts).
# lupdate, run over the sources into a copy of each file as
# scripts/update-translations runs it, adds any text missing from the file as
# unfinished, and lrelease must then count no unfinished and no untranslated
# text. Each translation (each plural form of one) keeps its source's
# placeholders (%1, %2 …, %n), its line breaks and its hint line marks (@),
# or the tools and the program would show it broken.
# Usage: check_translations.sh SOURCE_DIR LUPDATE LRELEASE
set -euo pipefail
source_dir=$1 lupdate=$2 lrelease=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source_dir"
source scripts/translation-sources
status=0

# check NAME LANGUAGE LUPDATE_ARGUMENTS...
check() {
  local name=$1 language=$2
  shift 2
  local ts=$work/$name.ts
  cp "translations/$name.ts" "$ts"
  "$lupdate" "$@" -ts "$ts"
  local report
  report=$("$lrelease" "$ts" -qm "$work/$name.qm" 2>&1)
  echo "$name: $report"
  if ! grep -Eq 'Generated [1-9][0-9]* translation\(s\) \([0-9]+ finished and 0 unfinished\)' <<<"$report" \
      || grep -q 'untranslated' <<<"$report"; then
    echo "Texts of $name.ts without a finished $language translation (run scripts/update-translations and translate them):"
    grep -B3 'type="unfinished"' "$ts" | grep '<source>' || true
    status=1
  fi
  # One line a translation (a plural form each): source and translation
  # side by side, their line breaks as <br>, the XML escapes left as they
  # are.
  awk 'BEGIN { RS = "</message>" }
       {
         s = $0; sub(/.*<source>/, "", s); sub(/<\/source>.*/, "", s)
         t = $0; if (!sub(/.*<translation[^>]*>/, "", t)) next; sub(/<\/translation>.*/, "", t)
         gsub(/\n/, "<br>", s)
         if (t ~ /<numerusform>/) {
           n = split(t, forms, /<numerusform>/)
           for (i = 2; i <= n; i++) {
             f = forms[i]; sub(/<\/numerusform>.*/, "", f); gsub(/\n/, "<br>", f)
             print s "\t" f
           }
         } else {
           gsub(/\n/, "<br>", t)
           print s "\t" t
         }
       }' "$ts" > "$work/$name.pairs"
  local source translation mark a b
  while IFS=$'\t' read -r source translation; do
    for mark in '%[0-9n]' '@' '<br>'; do
      a=$(grep -oE "$mark" <<<"$source" | sort | tr -d '\n' || true)
      b=$(grep -oE "$mark" <<<"$translation" | sort | tr -d '\n' || true)
      if [ "$a" != "$b" ]; then
        echo "$name.ts: translation differs from its source in \"$mark\": $source -> $translation"
        status=1
      fi
    done
  done < "$work/$name.pairs"
}

check lumolex_en English "${program_texts[@]}"
check lumolex-tools_ru Russian "${tool_texts[@]}"
exit $status
