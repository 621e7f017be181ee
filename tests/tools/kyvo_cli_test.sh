#!/bin/sh
# The kyvo program's exit statuses and messages: 0 done, 1 a problem, 2 a usage error.
# usage: kyvo_cli_test.sh KYVO SAMPLE_FOLDER
set -u
kyvo=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# expect STATUS COMMAND...: runs it, compares the exit status.
expect() {
    want=$1
    shift
    "$@" >"$work/out" 2>"$work/err"
    got=$?
    if [ "$got" -ne "$want" ]; then
        echo "FAIL: '$*' exited $got, expected $want"; cat "$work/err"
        failures=$((failures + 1))
    fi
}

expect 2 "$kyvo"
expect 0 "$kyvo" --help
expect 2 "$kyvo" frobnicate
expect 0 "$kyvo" bundle --help
expect 0 "$kyvo" bundle pack --help
expect 2 "$kyvo" bundle
expect 2 "$kyvo" bundle pack "$samples"
expect 2 "$kyvo" bundle check
expect 1 "$kyvo" bundle check "$work/missing.txt"
grep -q "missing.txt: no such file" "$work/err" || { echo "FAIL: no message for a missing bundle"; failures=$((failures + 1)); }
expect 0 "$kyvo" bundle pack "$samples" -o "$work/info.txt"
expect 0 "$kyvo" bundle check "$work/info.txt"
expect 0 "$kyvo" bundle unpack "$work/info.txt" -o "$work/dir"
expect 0 "$kyvo" bundle pack "$work/dir" -o "$work/again.txt"
cmp -s "$work/info.txt" "$work/again.txt" || { echo "FAIL: pack after unpack differs"; failures=$((failures + 1)); }
head -c 3000 "$work/info.txt" >"$work/cut.txt"
expect 1 "$kyvo" bundle check "$work/cut.txt"
grep -q "cut.txt: cog section" "$work/err" || { echo "FAIL: no section in the message"; failures=$((failures + 1)); }

[ $failures -eq 0 ] && echo "kyvo command line: all checks passed"
exit $failures
