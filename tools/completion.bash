# bash completion for lumolex-cli and lumolex-mkdata, installed under both
# names where bash-completion looks. The commands and options are read from
# the tool's own --help (its "Commands:" section and its option list), so
# they are always those of the installed tool; an option shown with <dir>
# completes folders, one with <file> completes files.

_lumolex_tool_help()
{
    # One run of --help per tool and shell, in English: the tools speak the
    # locale's language, and the section titles read here are English.
    local tool=$1 var=_lumolex_help_${1//-/_}
    if [[ -z ${!var-} ]]; then
        printf -v "$var" '%s' "$(LC_ALL= LC_MESSAGES= LANG=en_US.UTF-8 LANGUAGE=en "$tool" --help 2>/dev/null)"
    fi
    printf '%s\n' "${!var}"
}

_lumolex_tool()
{
    local cur prev words cword
    _init_completion || return

    local help
    help=$(_lumolex_tool_help "$1")

    case $(awk -v option="$prev" '$0 ~ "^ +(-[a-z], )?" option " <" { sub(/.*</, ""); sub(/>.*/, ""); print; exit }' <<<"$help") in
        dir) _filedir -d; return ;;
        file) _filedir; return ;;
        ?*) return ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(awk '/^Options:$/ { on = 1; next } on && /^$/ { exit } on && match($0, /^ +(-[a-z], )?--[a-z-]+/) { s = substr($0, RSTART, RLENGTH); sub(/.*--/, "--", s); print s }' <<<"$help")" -- "$cur"))
        return
    fi

    # The first word that is neither an option nor an option's value.
    local i command=""
    for ((i = 1; i < cword; i++)); do
        [[ ${words[i]} == -* ]] && continue
        [[ $(awk -v option="${words[i - 1]}" '$0 ~ "^ +(-[a-z], )?" option " <" { print "value"; exit }' <<<"$help") ]] && continue
        command=${words[i]}
        break
    done
    if [[ -z $command ]]; then
        COMPREPLY=($(compgen -W "$(awk '/^Commands:$/ { on = 1; next } on && /^$/ { exit } on && /^  [a-z]/ { print $1 }' <<<"$help")" -- "$cur"))
    elif [[ $command == rtf2text ]]; then
        _filedir
    fi
} &&
    complete -F _lumolex_tool lumolex-cli lumolex-mkdata
