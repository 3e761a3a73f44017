#!/usr/bin/env bash
# The bash completion of lumolex-cli and lumolex-mkdata offers, at each
# point of a command line, what the tool's --help says is there: the
# commands first, the options after "--", folders after an option that takes
# a folder, and nothing twice.
#
# Usage: completion_test.sh <completion.bash> <bin folder>
set -eo pipefail
[ -f /usr/share/bash-completion/bash_completion ] || { echo "bash-completion is not installed: skipped"; exit 77; }
export PATH=$2:$PATH
source /usr/share/bash-completion/bash_completion
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data-one" "$work/data-two"
touch "$work/data-file"

complete_line() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _lumolex_tool "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  [ ${#COMPREPLY[@]} -eq 0 ] || printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}

# As in an interactive shell, where completions run.
set +e
failed=0
while IFS='|' read -r line expected; do
  read -ra words <<<"$line"
  [[ $line == *' ' ]] && words+=("")
  got=$(complete_line "${words[@]}")
  if [ "$got" != "$expected" ]; then
    echo "FAIL: [$line] completes to [$got], not [$expected]"
    failed=1
  fi
done <<EOF_CASES
lumolex-cli |export-cards find fragment key list rtf2text show stats 
lumolex-cli f|find fragment 
lumolex-cli --d|--data --dict 
lumolex-cli --data $work/data-|$work/data-one $work/data-two 
lumolex-cli --count |
lumolex-mkdata |build kildin 
lumolex-mkdata build --ar|--articles 
lumolex-mkdata build --sc|--scale 
lumolex-mkdata build --out $work/data-|$work/data-one $work/data-two 
EOF_CASES
[ "$failed" -eq 0 ] && echo "completion: passed"
exit "$failed"
