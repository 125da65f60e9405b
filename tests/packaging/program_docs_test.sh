#!/usr/bin/env bash
# A program's --version prints "<program> <version>", its --help answers on
# stdout with status 0, and its manual page lists the same options (and, for
# quilsk-cli, the same commands) as its --help.
# Usage: program_docs_test.sh PROGRAM MANPAGE-SOURCE VERSION
set -euo pipefail
source "$(dirname "$0")/option_lists.sh"

program=$1
man_source=$2
version=$3
name=$(basename "$program")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail()
{
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

printed=$("$program" --version) || fail "$name --version exited with $?"
[ "$printed" = "$name $version" ] || fail "$name --version printed \"$printed\", not \"$name $version\""

"$program" --help >"$work/help" 2>"$work/help-stderr" || fail "$name --help exited with $?"
[ -s "$work/help-stderr" ] && fail "$name --help wrote to stderr: $(cat "$work/help-stderr")"

help_options <"$work/help" >"$work/help-options"
man_options <"$man_source" >"$work/man-options"
# Both lists must be real ones, or two empty lists would agree.
for list in help-options man-options; do
    for expected in --help --version; do
        grep -qx -- "$expected" "$work/$list" || fail "$list of $name lacks $expected"
    done
done
same_names options "$work/help-options" "$work/man-options" "$name --help" "$man_source" ||
    fail "the options of $name --help and of its manual page differ"

help_commands <"$work/help" >"$work/help-commands"
man_commands <"$man_source" >"$work/man-commands"
same_names commands "$work/help-commands" "$work/man-commands" "$name --help" "$man_source" ||
    fail "the commands of $name --help and of its manual page differ"

# The comparison itself catches an option added on one side only.
{ cat "$work/help"; echo "  --option-added-to-help"; } | help_options >"$work/help-plus"
if same_names options "$work/help-plus" "$work/man-options" help man 2>/dev/null; then
    fail "an option added to --help only went unnoticed"
fi
{ cat "$man_source"; printf '.SH OPTIONS\n.TP\n.B \\-\\-option\\-added\\-to\\-man\nText.\n'; } | man_options >"$work/man-plus"
if same_names options "$work/help-options" "$work/man-plus" help man 2>/dev/null; then
    fail "an option added to the manual page only went unnoticed"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "$name: --version, --help and $(wc -l <"$work/help-options") options agree with $(basename "$man_source")"
