#!/usr/bin/env bash
# The bash completion of quilsk-cli, called as bash calls it: COMP_WORDS split
# the way bash splits the line ("=" is a word of its own), COMP_CWORD at the
# word being completed. Word group names come from the settings file of the
# line's --ini, else from the default one.
# Usage: completion_test.sh QUILSK-CLI COMPLETION-FILE
set -uo pipefail
source "$(dirname "$0")/option_lists.sh"

cli=$1
# shellcheck source=/dev/null
source "$2"
export LC_ALL=C.UTF-8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Two settings files with different groups: the default one (through
# QUILSK_HOME) and the one named by --ini.
export QUILSK_HOME=$work/home
mkdir -p "$QUILSK_HOME"
"$cli" group add default-group word >/dev/null
ini=$work/other.ini
"$cli" --ini "$ini" group add fruit apple >/dev/null
"$cli" --ini "$ini" group add "red fruit" cherry >/dev/null
"$cli" --ini "$ini" group add 果物 りんご >/dev/null
"$cli" --ini "$ini" group add vegetable leek >/dev/null

failures=0
checks=0
# check EXPECTED WORD...: completes the last WORD of the line; EXPECTED is the
# sorted replies joined by blanks.
check()
{
    local expected=$1
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMPREPLY=()
    _quilsk_cli "$cli" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//')
    checks=$((checks + 1))
    if [ "$got" != "$expected" ]; then
        echo "FAIL: $*" >&2
        echo "  expected: $expected" >&2
        echo "  got:      $got" >&2
        failures=$((failures + 1))
    fi
}

commands="categories config group history import-edict index lookup quick register search"
check "$commands" quilsk-cli ""
check "search" quilsk-cli se
check "import-edict index" quilsk-cli i
check "--help --ini --version" quilsk-cli --
check "$commands" quilsk-cli --ini "$ini" ""
check "$commands" quilsk-cli --ini = "$ini" ""

# Option values, as "--option value" and as "--option=value".
check "--match --match1 --match2" quilsk-cli search --mat
check "prefix substring suffix word" quilsk-cli search --match ""
check "prefix substring suffix word" quilsk-cli search --match2 ""
check "substring suffix" quilsk-cli search -i --match1 s
check "prefix substring suffix word" quilsk-cli search --match = ""
check "word" quilsk-cli search --narrow-match = w
check "always" quilsk-cli search --color = al
check "always auto never" quilsk-cli search --color ""
check "normal quick superquick" quilsk-cli search --mode ""
check "" quilsk-cli search --narrow ""
check "--narrow --narrow-ignore-case --narrow-match" quilsk-cli search apple --narr
check "--no-dedupe --no-headword-only --no-history --no-ignore-case --no-index --no-skip-examples --no-sort --no-tag" \
    quilsk-cli search --no-

# Keywords: group names only where a keyword names a group.
check "" quilsk-cli --ini "$ini" search ""
check "fruit red\\ fruit vegetable 果物" quilsk-cli --ini "$ini" search --group1 ""
check "fruit" quilsk-cli --ini "$ini" search --group1 f
check "果物" quilsk-cli --ini "$ini" search --group1 果
check "" quilsk-cli --ini "$ini" search --group1 --word1 ""
check "" quilsk-cli --ini "$ini" search --group2 ""
check "fruit red\\ fruit vegetable 果物" quilsk-cli --ini "$ini" search --group2 apple ""
check "fruit red\\ fruit vegetable 果物" quilsk-cli --ini "$ini" search apple --group2 --match word ""
check "" quilsk-cli --ini "$ini" search --group1 --match word apple ""
check "red\\ fruit" quilsk-cli --ini = "$ini" search --narrow pie --group1 r
check "fruit red\\ fruit vegetable 果物" quilsk-cli --ini "$ini" search --group1 -- ""
check "default-group" quilsk-cli search --group1 ""

# The other commands.
check "abbreviations corpus main others proper-nouns spare1 spare2 spare3 supplement technical" quilsk-cli register ""
check "proper-nouns" quilsk-cli register pr
check "add delete list remove show" quilsk-cli group ""
check "fruit red\\ fruit vegetable 果物" quilsk-cli --ini "$ini" group show ""
check "vegetable" quilsk-cli --ini "$ini" group add v
check "default-group" quilsk-cli group delete ""
check "" quilsk-cli --ini "$ini" group list ""
check "" quilsk-cli --ini "$ini" group add fruit ""
check "auto set show" quilsk-cli quick ""
check "$(echo {A..Z})" quilsk-cli quick set ""
check "" quilsk-cli quick set A ""
check "1 2" quilsk-cli history ""
check "build" quilsk-cli index ""
check "get get-int" quilsk-cli config g
check "--from --register" quilsk-cli import-edict --
check "" quilsk-cli lookup ""

# File and directory names.
mkdir -p "$work/files/dict-a" "$work/files/dict-b"
touch "$work/files/dict-file"
check "$work/files/dict-a $work/files/dict-b" quilsk-cli register main "$work/files/dict"
check "$work/files/dict-a $work/files/dict-b" quilsk-cli import-edict --register "$work/files/d"
check "$work/files/dict-a $work/files/dict-b $work/files/dict-file" quilsk-cli search -o "$work/files/d"
check "$work/files/dict-a $work/files/dict-b $work/files/dict-file" quilsk-cli --ini "$work/files/d"
check "$work/files/dict-a $work/files/dict-b" quilsk-cli search --index-dir = "$work/files/d"

# Every search option of --help is offered, and nothing else.
"$cli" --help | help_options | grep -vxE -- '--ini|-h|--help|--version|--from|--register' >"$work/help-search-options"
COMP_WORDS=(quilsk-cli search -)
COMP_CWORD=2
_quilsk_cli quilsk-cli - search
printf '%s\n' "${COMPREPLY[@]}" | grep -vx -- -- | sort -u >"$work/completed-options"
checks=$((checks + 1))
if ! [ -s "$work/help-search-options" ] ||
    ! same_names options "$work/help-search-options" "$work/completed-options" "quilsk-cli --help" completion; then
    echo "FAIL: the completion's search options and those of --help differ" >&2
    failures=$((failures + 1))
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures of $checks completion checks failed" >&2
    exit 1
fi
echo "$checks completion checks passed"
