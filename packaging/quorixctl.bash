# bash completion for quorixctl                                 -*- shell-script -*-
# Commands, options and their values, and the slot names `quorixctl slots` lists.

_quorixctl_slots()
{
    # The slot list is the same for every data root; ask the tool once a shell.
    if [[ -z ${_quorixctl_slot_cache-} ]]; then
        _quorixctl_slot_cache=$("${1:-quorixctl}" slots 2>/dev/null |
            sed -n 's/^.* \([A-Za-z_][A-Za-z0-9_]*\.[A-Za-z0-9_]*\)(.*$/\1/p')
    fi
    printf '%s\n' "$_quorixctl_slot_cache"
}

_quorixctl()
{
    local cur=${COMP_WORDS[COMP_CWORD]} prev= words=() i
    # Glue "--opt" "=" "value" back together, whatever COMP_WORDBREAKS split.
    for ((i = 1; i < COMP_CWORD; i++)); do
        if [[ ${COMP_WORDS[i]} == "=" && ${#words[@]} -gt 0 ]]; then
            words[-1]+="="
        elif [[ ${words[-1]-} == *= && ${COMP_WORDS[i-1]} == "=" ]]; then
            words[-1]+=${COMP_WORDS[i]}
        else
            words+=("${COMP_WORDS[i]}")
        fi
    done
    if [[ $cur == "=" && ${#words[@]} -gt 0 ]]; then
        words[-1]+="="
        cur=
    fi
    ((${#words[@]})) && prev=${words[-1]}

    case $prev in
        --data | --data=) COMPREPLY=($(compgen -d -- "$cur")); return ;;
        --trace | --trace=) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --mouse-family | --mouse-family=) COMPREPLY=($(compgen -W "553 560" -- "$cur")); return ;;
        --device | --device=) return ;;
    esac
    # A list of devices: complete the name after the last comma. Without '=' in
    # COMP_WORDBREAKS, "--simulate=..." arrives as one word.
    local prefix=
    if [[ $prev == --simulate= || $cur == --simulate=* ]]; then
        [[ $cur == --simulate=* ]] && prefix=--simulate= && cur=${cur#--simulate=}
        [[ $cur == *,* ]] && prefix+=${cur%,*}, && cur=${cur##*,}
        COMPREPLY=($(compgen -W "keyboard mouse" -P "$prefix" -- "$cur"))
        return
    fi

    # The command is the first word that is neither an option nor an option's value.
    local command= n=${#words[@]} after=0
    for ((i = 0; i < n; i++)); do
        case ${words[i]} in
            --data | --trace | --mouse-family | --device) ((i++)) ;;
            --*) ;;
            *)
                command=${words[i]}
                after=$((n - i - 1))
                break
                ;;
        esac
    done

    if [[ -z $command ]]; then
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "--data --simulate --simulate= --mouse-family --trace --virtual-time --device --help" -- "$cur"))
        else
            COMPREPLY=($(compgen -W "devices slots call connect apply-profile script monitor warn" -- "$cur"))
        fi
        return
    fi

    case $command in
        slots) ((after == 0)) && COMPREPLY=($(compgen -W "ui_View hid" -- "$cur")) ;;
        call) ((after == 0)) && COMPREPLY=($(compgen -W "$(_quorixctl_slots "${COMP_WORDS[0]}")" -- "$cur")) ;;
        apply-profile) ((after == 0)) && COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9" -- "$cur")) ;;
        script) ((after == 0)) && COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
}
complete -F _quorixctl quorixctl
