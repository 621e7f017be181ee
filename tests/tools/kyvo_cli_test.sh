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

# fail MESSAGE: counts a failed check.
fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}

# The parser and the messages: one row per bad input and command, with the
# exit status and the whole of standard error. Fields: status | stderr with
# \n between lines | the arguments, as the shell reads them. WORK stands for
# the work folder.
bundle="$work/info.txt"
"$kyvo" bundle pack "$samples" -o "$bundle" -q || fail "cannot pack the sample bundle"
mkdir "$work/folder" && printf 'GOB x' >"$work/short.gob" && : >"$work/empty.gob"
while IFS='|' read -r want message args; do
    [ -z "$want" ] && continue
    args=$(printf '%s' "$args" | sed "s|WORK|$work|g")
    eval "set -- $args"
    (cd "$work" && "$kyvo" "$@") >"$work/out" 2>"$work/err"
    got=$?
    expected=$(printf "$message" | sed "s|WORK|$work|g")
    if [ "$got" -ne "$want" ] || [ "$(cat "$work/err")" != "$expected" ]; then
        fail "kyvo $args: exit $got, expected $want; said: $(cat "$work/err"); expected: $expected"
    fi
done <<'TABLE'
2|kyvo: a command is needed\nTry 'kyvo --help'.|
2|kyvo: unknown command 'frob'\nTry 'kyvo --help'.|frob
2|kyvo: unexpected '--frob'\nTry 'kyvo --help'.|--frob
2|kyvo: generate: PASSWORD is needed\nTry 'kyvo generate --help'.|generate
2|kyvo: generate: option '--dir' needs a value\nTry 'kyvo generate --help'.|generate abc --dir
2|kyvo: generate: option '--bundle' needs a value\nTry 'kyvo generate --help'.|generate --bundle
2|kyvo: generate: unexpected 'def'\nTry 'kyvo generate --help'.|generate abc def
2|kyvo: generate: unexpected '-x'\nTry 'kyvo generate --help'.|generate -x
2|kyvo: generate: unexpected '--force'\nTry 'kyvo generate --help'.|generate abc --force
2|kyvo: verify: FILE is needed\nTry 'kyvo verify --help'.|verify abc
2|kyvo: verify: unexpected '--dir'\nTry 'kyvo verify --help'.|verify abc x.gob --dir d
2|kyvo: gob: a command is needed\nTry 'kyvo gob --help'.|gob
2|kyvo: gob: unknown command 'frob'\nTry 'kyvo gob --help'.|gob frob
2|kyvo: gob list: FILE is needed\nTry 'kyvo gob list --help'.|gob list
2|kyvo: gob list: unexpected 'b.gob'\nTry 'kyvo gob list --help'.|gob list a.gob b.gob
2|kyvo: gob extract: option '--output' is needed\nTry 'kyvo gob extract --help'.|gob extract a.gob
2|kyvo: gob extract: option '--output' needs a value\nTry 'kyvo gob extract --help'.|gob extract a.gob -o
2|kyvo: gob create: DIR is needed\nTry 'kyvo gob create --help'.|gob create -o a.gob
2|kyvo: bundle: a command is needed\nTry 'kyvo bundle --help'.|bundle
2|kyvo: bundle pack: option '--output' is needed\nTry 'kyvo bundle pack --help'.|bundle pack dir
2|kyvo: bundle unpack: unexpected '--tsv'\nTry 'kyvo bundle unpack --help'.|bundle unpack info.txt -o d --tsv
2|kyvo: bundle check: unexpected 'b'\nTry 'kyvo bundle check --help'.|bundle check a b
2|kyvo: unknown command 'frob'\nTry 'kyvo --help'.|help frob
1|kyvo: Enter a password.|generate ""
1|kyvo: Password exceeds 30 character limit.|generate 1234567890123456789012345678901
1|kyvo: WORK/missing: cannot be read (No such file or directory)|generate abc --dir WORK/missing
1|kyvo: WORK/info.txt: is a file, not a folder|generate abc --dir WORK/info.txt
1|kyvo: missing.txt: cannot be read (No such file or directory)|generate abc --bundle missing.txt
1|kyvo: folder: is a folder, not a file|generate abc --bundle folder
1|kyvo: missing.gob: cannot be read (No such file or directory)|gob list missing.gob
1|kyvo: folder: is a folder, not a file|gob list folder
1|kyvo: short.gob: not a GOB container|gob list short.gob
1|kyvo: empty.gob: not a GOB container|gob extract empty.gob -o never
1|kyvo: missing.txt: cannot be read (No such file or directory)|bundle check missing.txt
1|kyvo: folder: is a folder, not a file|bundle check folder
1|kyvo: missing: cannot be read (No such file or directory)|gob create missing -o x.gob
1|kyvo: info.txt: is a file, not a folder|gob create info.txt -o x.gob
1|kyvo: info.txt: not a GOB container|verify abc info.txt
TABLE
[ -e "$work/never" ] && fail "a failed extract left its folder"

# The same convention everywhere: options after or before operands, with
# = or a space, and -- before a password that starts with a dash.
runs0="$work/conventions"
mkdir "$runs0" && cp "$bundle" "$runs0/info.txt"
expect 0 "$kyvo" generate --dir="$runs0" plain
expect 0 "$kyvo" generate --dir "$runs0" -- -dash
[ -f "$runs0/Tmk_Kyvo_plain.gob" ] && [ -f "$runs0/Tmk_Kyvo_-dash.gob" ] || fail "options in any place"
expect 0 "$kyvo" --version
[ "$(cat "$work/out")" = "kyvo $(head -n 1 "$samples/../../VERSION")" ] || fail "--version says $(cat "$work/out")"
expect 0 "$kyvo" help gob extract
grep -q "Usage: kyvo gob extract" "$work/out" || fail "help gob extract: $(cat "$work/out")"
expect 0 "$kyvo" bundle pack --help
grep -q -- "--force" "$work/out" || fail "bundle pack --help names no --force"


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

# Never over a user's file without --force; with it, the file is replaced.
keep="$work/keep"
mkdir -p "$keep/out/cog" "$keep/unpacked"
cp "$bundle" "$keep/info.txt"
"$kyvo" generate keep --dir "$keep" >/dev/null || fail "no container to extract"
gob="$keep/Tmk_Kyvo_keep.gob"
echo "the user's own cog" >"$keep/out/cog/kyle.cog"
echo "an edited template" >"$keep/unpacked/kyle.cog"
echo "the user's notes" >"$keep/notes.txt"
expect 1 "$kyvo" gob extract "$gob" -o "$keep/out"
[ "$(cat "$work/err")" = "kyvo: $keep/out: is not empty (it holds cog); give --force to write over it" ] ||
    fail "extract into a full folder: $(cat "$work/err")"
expect 1 "$kyvo" bundle unpack "$bundle" -o "$keep/unpacked"
[ "$(cat "$work/err")" = "kyvo: $keep/unpacked: is not empty (it holds kyle.cog); give --force to write over it" ] ||
    fail "unpack into a full folder: $(cat "$work/err")"
expect 1 "$kyvo" bundle pack "$samples" -o "$keep/notes.txt"
[ "$(cat "$work/err")" = "kyvo: $keep/notes.txt: already exists; give --force to write over it" ] ||
    fail "pack over a file: $(cat "$work/err")"
expect 1 "$kyvo" gob create "$keep/unpacked" -o "$keep/notes.txt"
[ "$(cat "$keep/out/cog/kyle.cog")" = "the user's own cog" ] && [ "$(cat "$keep/unpacked/kyle.cog")" = "an edited template" ] &&
    [ "$(cat "$keep/notes.txt")" = "the user's notes" ] || fail "a refused command changed a file"
[ "$(ls -A "$keep/out/cog")" = "kyle.cog" ] || fail "a refused extract wrote: $(ls -A "$keep/out/cog")"
expect 0 "$kyvo" gob extract "$gob" -o "$keep/out" --force -q
[ ! -s "$work/out" ] || fail "-q printed $(cat "$work/out")"
[ "$(cat "$keep/out/cog/kyle.cog")" != "the user's own cog" ] || fail "--force did not write over kyle.cog"
expect 0 "$kyvo" bundle pack "$samples" -o "$keep/notes.txt" --force
cmp -s "$keep/notes.txt" "$bundle" || fail "pack --force did not replace the file"

# A container that names one entry twice, in any case, is not extracted
# unless asked, since the second would replace the first. The writer never
# makes one, so its bytes are put together here: two entries of 4 bytes at
# offsets 288 and 292.
entry() { # OFFSET_BYTE NAME
    printf "\\$1\\001\\000\\000\\004\\000\\000\\000%s" "$2"
    head -c $((128 - ${#2})) /dev/zero
}
{
    printf 'GOB \024\000\000\000\014\000\000\000\002\000\000\000'
    entry 040 'cog\a.cog'
    entry 044 'COG\A.cog'
    printf 'one\ntwo\n'
} >"$work/twice.gob"
expect 1 "$kyvo" gob extract "$work/twice.gob" -o "$work/twice"
[ "$(cat "$work/err")" = "kyvo: $work/twice.gob: holds COG\\A.cog twice; the second would replace the first. Give --force to let it" ] ||
    fail "a doubled entry: $(cat "$work/err")"
[ -e "$work/twice" ] && fail "a refused extract left its folder"
expect 0 "$kyvo" gob extract "$work/twice.gob" -o "$work/twice" --force
cat "$work/twice"/*/* | grep -qx two || fail "with --force the second entry was not written"

# A failed command leaves nothing it made: a cut bundle, unpacked into a
# folder that did not exist, leaves no folder.
head -c 3000 "$bundle" >"$work/cut.txt"
expect 1 "$kyvo" bundle unpack "$work/cut.txt" -o "$work/u4/deeper"
[ -e "$work/u4" ] && fail "a failed unpack left $work/u4"

# extract then create gives back the same entries and bytes; the summaries
# and the list for scripts say what was done.
expect 0 "$kyvo" gob extract "$gob" -o "$work/round"
grep -q "^59 entries, [0-9]*,[0-9][0-9][0-9] bytes into $work/round\$" "$work/out" ||
    fail "extract summary: $(cat "$work/out")"
expect 0 "$kyvo" gob create "$work/round" -o "$work/round.gob"
grep -q "^59 entries, [0-9,]* bytes into $work/round.gob\$" "$work/out" || fail "create summary: $(cat "$work/out")"
"$kyvo" gob list --tsv "$gob" | sort >"$work/list1"
"$kyvo" gob list "$work/round.gob" --tsv | sort >"$work/list2"
cmp -s "$work/list1" "$work/list2" || fail "create after extract lists other entries"
[ "$(wc -l <"$work/list1")" -eq 59 ] || fail "gob list --tsv: $(wc -l <"$work/list1") lines"
[ "$(head -n 1 "$work/list1" | tr '\t' '|' | grep -c '^[0-9]*|cog\\')" -eq 1 ] || fail "--tsv line: $(head -n 1 "$work/list1")"
expect 0 "$kyvo" gob extract "$work/round.gob" -o "$work/round2" -q
diff -r "$work/round" "$work/round2" >/dev/null || fail "the entries' bytes differ after create"
expect 0 "$kyvo" gob list "$gob"
[ "$(head -n 1 "$work/out")" = "       bytes  entry" ] || fail "gob list header: $(head -n 1 "$work/out")"
tail -n 1 "$work/out" | grep -q "^59 entries, [0-9,]* bytes\$" || fail "gob list total: $(tail -n 1 "$work/out")"

[ $failures -eq 0 ] && echo "kyvo command line: all checks passed"
exit $failures
