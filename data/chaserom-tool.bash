# Bash completion for chaserom-tool: commands, their options, effect names and formats;
# files everywhere else.
_chaserom_tool() {
    local cur prev command
    _init_completion 2>/dev/null || {
        COMPREPLY=()
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD-1]}
    }
    local commands="export import checksum compare generate gif new"
    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "$commands --help --version --language" -- "$cur"))
        return
    fi
    command=${COMP_WORDS[1]}
    case $prev in
        --format) COMPREPLY=($(compgen -W "ihex srec" -- "$cur")); return ;;
        --language) COMPREPLY=($(compgen -W "ru en" -- "$cur")); return ;;
        --channels) COMPREPLY=($(compgen -W "8 16 24 32" -- "$cur")); return ;;
        --fill) COMPREPLY=($(compgen -W "FF 00" -- "$cur")); return ;;
        --chip)
            COMPREPLY=($(compgen -W "2716 2732 2764 27128 27C256 27C512 27C010 27C020 27C040 27C080" -- "$cur"))
            return ;;
        --record-size|--size|--steps|--at|--lit|--seed|--interval|--base|--window|--program|--steps-per-program|--scale) return ;;
        -o|--output|--layout|--colours|--board) COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --background)
            COMPREPLY=($(compgen -f -X '!*.@(png|PNG|jpg|JPG|jpeg|JPEG|bmp|BMP|gif|GIF)' -- "$cur"))
            compopt -o plusdirs 2>/dev/null
            return ;;
    esac
    local options
    case $command in
        export) options="--format --record-size --base --output -o --help" ;;
        import) options="--fill --size --base --window --output -o --help" ;;
        checksum|compare) options="--help" ;;
        generate)
            options="--channels --steps --at --lit --seed --steps-per-program --program --board --no-board --help"
            if [ "$COMP_CWORD" -eq 2 ]; then
                COMPREPLY=($(compgen -W "chase chase-back bounce fill empty blink counter random" -- "$cur"))
                return
            fi ;;
        new) options="--chip --size --fill --help" ;;
        gif) options="--channels --layout --background --colours --at --steps --interval --steps-per-program --program --board --no-board --scale --crop-to-lamps --output -o --help" ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -o filenames -F _chaserom_tool chaserom-tool
