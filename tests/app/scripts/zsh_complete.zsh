#!/usr/bin/zsh -f
# Prints what zsh completes for LINE with the completions in DIR, one a line.
# Usage: complete.zsh DIR LINE
zmodload zsh/zpty
zpty z zsh -f -i
zpty -w z "PS1='ZPROMPT> '; PS2=''; unset zle_bracketed_paste; fpath=(${(q)1} \$fpath); autoload -Uz compinit; compinit -u -D"
zpty -w z 'compadd() {
  if [[ ${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]]; then builtin compadd "$@"; return; fi
  local -a hits; builtin compadd -O hits "$@"
  (( $#hits )) && print -rl -- "" ${hits/#/MATCH:}
  builtin compadd "$@"
}'
zpty -w z "zstyle ':completion:*' list-prompt ''; zstyle ':completion:*' menu no; bindkey '^I' complete-word; bindkey '^X' send-break"
zpty -w z 'zle-line-finish() {}'
zpty -w z "print READY-FOR-LINE"
local line
while zpty -r z line; do [[ $line == READY-FOR-LINE* ]] && break; done
# The line editor reads what is typed once its prompt is up, not before.
zpty -r z line '*ZPROMPT> *'
zpty -w -n z "$2"$'\t'
zpty -w z $'\C-U'"print END-OF-COMPLETION"
while zpty -r z line; do
    [[ $line == *END-OF-COMPLETION* && $line != *print* ]] && break
    [[ $line == *MATCH:* && $line != *hits* ]] && print -r -- ${${line##*MATCH:}%%$'\r'*}
done
zpty -d z
