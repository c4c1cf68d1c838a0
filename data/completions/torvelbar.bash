# bash completion for torvelbar                              -*- shell-script -*-

_torvelbar() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    local commands="status mode kelvin bedtime wake wind-down day-kelvin night-kelvin
        source location pause resume pause-for toggle displays display
        brightness help"
    local words=()
    if [[ $COMP_CWORD -eq 1 ]]; then
        words=($commands --help --version)
    else
        case "${COMP_WORDS[1]}:$COMP_CWORD" in
        status:*) words=(--json --follow --help) ;;
        mode:2) words=(auto schedule manual off) ;;
        source:2) words=(clock sun) ;;
        location:2) words=(auto) ;;
        pause-for:2) words=(add remove fullscreen list) ;;
        pause-for:3) [[ ${COMP_WORDS[2]} == fullscreen ]] && words=(on off) ;;
        display:2) words=($(torvelbar displays 2>/dev/null | cut -f1,2)) ;;
        display:3) words=(on off strength dim) ;;
        display:4) [[ ${COMP_WORDS[3]} == dim ]] && words=(on off) ;;
        brightness:2) words=(night manual) ;;
        help:2) words=($commands) ;;
        *:2) words=(--help) ;;
        esac
    fi
    COMPREPLY=($(compgen -W "${words[*]}" -- "$cur"))
}
complete -F _torvelbar torvelbar
