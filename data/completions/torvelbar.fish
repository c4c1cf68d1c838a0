# fish completion for torvelbar

# True when the words after `torvelbar` are exactly the arguments.
function __torvelbar_after
    set -l words (commandline -opc)[2..-1]
    test "$words" = "$argv"
end

# True when the first word after `torvelbar` is the argument.
function __torvelbar_in
    set -l words (commandline -opc)
    test (count $words) -ge 2; and test "$words[2]" = "$argv[1]"
end

complete -c torvelbar -f
complete -c torvelbar -n __torvelbar_after -l help -d 'the usage'
complete -c torvelbar -n __torvelbar_after -l version -d 'the version'
for row in \
        'status	the status line and the color' \
        'mode	auto (schedule), manual or off' \
        'kelvin	the manual color' \
        'bedtime	the night color holds from then' \
        'wake	the day color holds from then' \
        'wind-down	the ramp to bedtime' \
        'day-kelvin	the day color' \
        'night-kelvin	the night color' \
        'source	bedtime and wake as set, or dusk and sunrise' \
        'location	where the sun is followed from' \
        'pause	pause for a while, or until the wake time' \
        'resume	end a pause' \
        'pause-for	step aside while an app or a fullscreen window is in front' \
        'toggle	off if tinting, else back to the mode before' \
        'displays	each display, and how it is tinted' \
        'display	tint one display, or not, or less' \
        'brightness	how bright the screens are at night, or in manual' \
        "help	the usage, or one command's"
    set -l name (string split -m 1 \t -- $row)
    complete -c torvelbar -n __torvelbar_after -a $name[1] -d $name[2]
    complete -c torvelbar -n '__torvelbar_after help' -a $name[1] -d $name[2]
end
complete -c torvelbar -n '__torvelbar_in status' -l json -d 'one object a line'
complete -c torvelbar -n '__torvelbar_in status' -l follow -d 'a line at every change'
complete -c torvelbar -n 'not __torvelbar_after' -l help -d "the command's usage"
complete -c torvelbar -n '__torvelbar_after mode' -a 'auto schedule manual off'
complete -c torvelbar -n '__torvelbar_after source' -a 'clock sun'
complete -c torvelbar -n '__torvelbar_after location' -a auto
complete -c torvelbar -n '__torvelbar_after pause-for' -a 'add remove fullscreen list'
complete -c torvelbar -n '__torvelbar_after pause-for fullscreen' -a 'on off'
complete -c torvelbar -n '__torvelbar_after display' -a '(torvelbar displays 2>/dev/null | cut -f1,2 | string split \t)'
complete -c torvelbar -n '__torvelbar_in display; and test (count (commandline -opc)) -eq 3' -a 'on off strength dim'
complete -c torvelbar -n '__torvelbar_in display; and test (count (commandline -opc)) -eq 4; and test (commandline -opc)[4] = dim' -a 'on off'
complete -c torvelbar -n '__torvelbar_after brightness' -a 'night manual'
