#!/bin/sh
# The kyvo program's exit statuses and messages: 0 done, 1 a problem, 2 a usage error.
# usage: kyvo_cli_test.sh KYVO SAMPLE_FOLDER
set -u
kyvo=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
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
grep -q "missing.txt: cannot be read" "$work/err" || { echo "FAIL: no message for a missing bundle"; failures=$((failures + 1)); }
expect 0 "$kyvo" bundle pack "$samples" -o "$work/info.txt"
expect 0 "$kyvo" bundle check "$work/info.txt"
expect 0 "$kyvo" bundle unpack "$work/info.txt" -o "$work/dir"
expect 0 "$kyvo" bundle pack "$work/dir" -o "$work/again.txt"
cmp -s "$work/info.txt" "$work/again.txt" || { echo "FAIL: pack after unpack differs"; failures=$((failures + 1)); }
head -c 3000 "$work/info.txt" >"$work/cut.txt"
expect 1 "$kyvo" bundle check "$work/cut.txt"
grep -q "cut.txt: cog section" "$work/err" || { echo "FAIL: no section in the message"; failures=$((failures + 1)); }

# fail MESSAGE: counts a failed check.
fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}

# Checking and unpacking write nothing beside the bundle.
mkdir "$work/ro" && cp "$work/info.txt" "$work/ro/info.txt" && chmod 555 "$work/ro"
expect 0 "$kyvo" bundle check "$work/ro/info.txt"
expect 0 "$kyvo" bundle unpack "$work/ro/info.txt" -o "$work/ro-unpacked"
[ "$(ls -A "$work/ro")" = "info.txt" ] || fail "something was written beside the bundle: $(ls -A "$work/ro")"
chmod 755 "$work/ro"

# Eight runs at once in one folder, each with its own password, then four of
# one password: every container is the one its password makes, and nothing
# else is left.
runs="$work/runs"
mkdir "$runs" && cp "$work/info.txt" "$runs/info.txt"
for n in 1 2 3 4 5 6 7 8; do
    "$kyvo" generate "pass$n" --dir "$runs" >"$runs.out$n" 2>"$runs.err$n" &
done
wait
for n in 1 2 3 4 5 6 7 8; do
    [ -s "$runs.err$n" ] && fail "run $n: $(cat "$runs.err$n")"
    (cd "$runs" && "$kyvo" verify "pass$n" "Tmk_Kyvo_pass$n.gob" >/dev/null 2>"$work/err") ||
        fail "run $n: $(cat "$work/err")"
done
for n in 1 2 3 4; do
    "$kyvo" generate same --dir "$runs" >"$runs.out$n" 2>"$runs.err$n" &
done
wait
made=0
for n in 1 2 3 4; do
    if [ -s "$runs.out$n" ]; then
        made=$((made + 1))
    elif [ "$(cat "$runs.err$n")" != "kyvo: Kyvo with current password already exists!" ]; then
        fail "same password, run $n: $(cat "$runs.err$n")"
    fi
done
[ $made -ge 1 ] || fail "no run of the same password made its container"
(cd "$runs" && "$kyvo" verify same Tmk_Kyvo_same.gob >/dev/null) || fail "the container of 'same' is not the one it makes"
[ "$(ls "$runs" | wc -l)" -eq 10 ] || fail "runs left other files: $(ls "$runs")"

# verify: the same container, a changed byte, a cut file, not a container.
cd "$runs" || exit 1
expect 0 "$kyvo" verify pass1 Tmk_Kyvo_pass1.gob
expect 1 "$kyvo" verify pass2 Tmk_Kyvo_pass1.gob
grep -q "Tmk_Kyvo_pass1.gob: entry cog.* differs from byte" "$work/err" || fail "verify does not name the entry: $(cat "$work/err")"
head -c 5000 Tmk_Kyvo_pass1.gob >"$work/cut.gob"
expect 1 "$kyvo" verify pass1 "$work/cut.gob"
expect 1 "$kyvo" verify pass1 info.txt
grep -q "not a GOB container" "$work/err" || fail "verify accepts a bundle as a container"
expect 2 "$kyvo" verify pass1
cd - >/dev/null || exit 1

# Names in UTF-8 on this host; the seed value uses the Windows-1252 bytes.
expect 0 "$kyvo" generate "café" --dir "$runs"
[ -f "$runs/Tmk_Kyvo_café.gob" ] || fail "no Tmk_Kyvo_café.gob"
expect 1 "$kyvo" generate "café" --dir "$runs"
grep -q "already exists" "$work/err" || fail "the UTF-8 name is not the one the refusal looks for"
expect 1 "$kyvo" generate "中" --dir "$runs"
grep -q "U+4E2D" "$work/err" || fail "no reason for a password without a Windows-1252 form"
[ "$(ls "$runs" | wc -l)" -eq 11 ] || fail "a refused run left something: $(ls "$runs")"

[ $failures -eq 0 ] && echo "kyvo command line: all checks passed"
exit $failures
