#!/usr/bin/env bash
# zentara-cli save and open: the worked pair's saved-reading file byte for byte,
# read back as text and as JSON; the refused name ending, entries that fail the
# checks (exit status 1) and files that cannot be read or written (exit status 3).
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

pair=(--male-first John --male-middle Paul --male-last Smith --male-month March --male-day 15
      --male-year 1988 --female-first Mary --female-middle Ann --female-last Smith
      --female-month January --female-day 1 --female-year 1970)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# john_mary.kvz: each byte of an entry is its Windows-1252 code plus 85
# ("John" is 9F C4 BD C3), each of the twelve lines ends with CR LF.
echo "$work/john_mary.kvz" >"$work/name"
check "save adds .kvz and prints the name" 0 "$work/name" "" "$cli" save "$work/john_mary" "${pair[@]}"
expect "saved bytes" cmp "$data/john_mary.kvz" "$work/john_mary.kvz"
check "open, text" 0 "$data/open_john_mary.txt" "" "$cli" open "$data/john_mary.kvz"
check "open, json" 0 "$data/open_john_mary.json" "" "$cli" open --json "$data/john_mary.kvz"

# A character above code 170 is left out, as the file format requires, with a warning.
"$cli" save "$work/accent.kvz" "${pair[@]:2}" --male-first José >/dev/null 2>"$work/err"
expect "warning for a character the file cannot keep" grep -q "warning: .*accent.kvz cannot keep" "$work/err"
expect "the entry reads back without it" grep -q '^Male first name: Jos$' <("$cli" open "$work/accent.kvz")

# Control characters in a file's entry are shown as escapes, not sent to the terminal:
# a first name of "A", ESC, "[2J" and a backslash, then the worked pair's other lines.
{ printf '\x96p\xb0\x87\x9f\xb1\r\n'; tail -c +7 "$data/john_mary.kvz"; } >"$work/escape.kvz"
expect "escaped control characters" grep -qxF 'Male first name: A\x1b[2J\\' <("$cli" open "$work/escape.kvz")

check "open, another ending" 1 "" "Please Check The File." "$cli" open "$data/numbers_john_mary.txt"
check "open, capital KVZ" 1 "" "Please Check The File." "$cli" open "$work/JOHN.KVZ"
: >"$work/empty.kvz"
check "open, entries failing the checks" 1 "" "Male: First Name cannot be blank" "$cli" open "$work/empty.kvz"
mkdir "$work/x.kvz"
check "open, a folder" 3 "" "" "$cli" open "$work/x.kvz"
mkfifo "$work/y.kvz"
check "open, a pipe without writer" 3 "" "" timeout 10 "$cli" open "$work/y.kvz"
check "open, no such file" 3 "" "" "$cli" open "$work/none.kvz"

check "save, entries failing the checks" 1 "" "Female: Last Name cannot be blank" \
  "$cli" save "$work/refused" --male-first A --male-last B --female-first C
expect "nothing written for refused entries" test ! -e "$work/refused.kvz"
check "save over a folder" 3 "" "" "$cli" save "$work/x.kvz" "${pair[@]}"
check "save into a missing folder" 3 "" "" "$cli" save "$work/none/a" "${pair[@]}"
check "save without a file" 2 "" "" "$cli" save "${pair[@]}"

finish
