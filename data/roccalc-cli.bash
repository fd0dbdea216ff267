# bash completion for roccalc-cli: option names, file names after --replay
# and --batch, .svg and .png names after --plot, nothing after options that
# take a number or a text.
_roccalc_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    case $prev in
        --replay|--batch)
            mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            compopt -o filenames 2>/dev/null
            return
            ;;
        --plot)
            local name
            COMPREPLY=()
            while IFS= read -r name; do
                case $name in
                    *.svg|*.png|*.SVG|*.PNG) COMPREPLY+=("$name") ;;
                    *) [ -d "$name" ] && COMPREPLY+=("$name") ;;
                esac
            done < <(compgen -f -- "$cur")
            compopt -o filenames 2>/dev/null
            return
            ;;
        --pfa|--pd|-d|--d|--band|--rc|--separator|--plot-size)
            COMPREPLY=()
            return
            ;;
    esac
    local options="--pfa --pd --d --band --rc --replay --batch --json --exact --plot
        --plot-size --separator --help --help-all --version"
    mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
}
complete -F _roccalc_cli roccalc-cli
