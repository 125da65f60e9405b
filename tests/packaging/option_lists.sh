# Reads the option and command lists out of a program's --help text and out of
# its manual page source, one name per line, sorted; sourced by the tests.
# shellcheck shell=bash

# Options named in a help text on stdin. "--a, --b (and --no-...)" also names
# --no-a and --no-b.
help_options()
{
    local line options
    while IFS= read -r line; do
        options=$(grep -oE '(^|[][ ,|(/])--?[a-z]([a-z0-9-]*[a-z0-9])?' <<<"${line//(and --no-...)/}" |
            sed 's/^[^-]*//') || true
        [ -n "$options" ] || continue
        printf '%s\n' "$options"
        if [[ $line == *"(and --no-...)"* ]]; then
            grep -E '^--' <<<"$options" | sed 's/^--/--no-/'
        fi
    done | sort -u
}

# Commands of a help text on stdin: the first word of the lines indented by two
# blanks that start with a letter.
help_commands()
{
    sed -nE 's/^  ([a-z][a-z0-9-]*).*/\1/p' | sort -u
}

# The tag lines (the line after each .TP) of the sections whose title holds
# OPTIONS or COMMANDS in the roff source on stdin, with escapes resolved.
man_tags()
{
    awk '
        /^\.SH / { wanted = ($0 ~ /OPTIONS|COMMANDS/); command_section = ($0 ~ /COMMANDS/) }
        after_tp && wanted { print (command_section ? "C " : "O ") $0 }
        { after_tp = ($0 == ".TP") }
    ' | sed -E 's/\\-/-/g; s/\\f[BIRP]//g; s/\\&//g'
}

# Options of the manual page source on stdin.
man_options()
{
    man_tags | sed 's/^. //' | grep -oE '(^|[][ ,|("/])--?[a-z]([a-z0-9-]*[a-z0-9])?' | sed 's/^[^-]*//' | sort -u
}

# Commands of the manual page source on stdin: the first word of the tags in
# the COMMANDS section, options left out.
man_commands()
{
    man_tags | sed -nE 's/^C (\.[A-Z]+ +)?"?([a-z][a-z0-9-]*).*/\2/p' | sort -u
}

# Prints the names that are in only one of the two lists (files) and fails
# when there is any.
same_names()
{
    local what=$1 left=$2 right=$3 differ=0
    local only
    only=$(comm -23 "$left" "$right")
    if [ -n "$only" ]; then
        printf '%s only in %s:\n%s\n' "$what" "$4" "$only" >&2
        differ=1
    fi
    only=$(comm -13 "$left" "$right")
    if [ -n "$only" ]; then
        printf '%s only in %s:\n%s\n' "$what" "$5" "$only" >&2
        differ=1
    fi
    return $differ
}
