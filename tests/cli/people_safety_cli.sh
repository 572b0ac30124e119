#!/usr/bin/env bash
# zentara-cli people against what loses or corrupts a book: writers at once
# (edits of different columns, removals of one person), ids given twice,
# blank names, odd files at the book's path, a read-only book, a damaged one,
# out-of-range numbers, and people the astro match cannot chart.
set -uo pipefail
cli=$1
source "$(dirname "$0")/cli_checks.sh"
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
export ZENTARA_BOOK=$work/people.sqlite XDG_STATE_HOME=$work/state
people() { "$cli" people "$@"; }

# Edits of different columns at once both stay: each reads and writes the
# person inside its own write transaction. Enough rounds to lose one often
# when an edit wrote back a person read before the other's change.
id=$(people add --first Ann --last Lee --date 1980-05-17)
lost=0
for round in $(seq 1 15); do
  people edit "$id" --note "note $round" & one=$!
  people edit "$id" --city "City $round" & two=$!
  wait $one; wait $two
  kept=$(people show "$id" | grep -E '^(note|city):' | tr '\n' ' ')
  [ "$kept" = "city: City $round note: note $round " ] || lost=$((lost + 1))
done
expect "concurrent edits of different columns both kept (lost in $lost of 15 rounds)" [ "$lost" -eq 0 ]

# Two removals of one person: exactly one removes them.
removed=0
for round in $(seq 1 10); do
  gone=$(people add --first Gone --last "Soon$round" --date 1980-01-01)
  people rm "$gone" 2>/dev/null & one=$!
  people rm "$gone" 2>/dev/null & two=$!
  wait $one; first=$?; wait $two; second=$?
  [ $((first + second)) -eq 1 ] && removed=$((removed + 1))
done
expect "two removals at once: one succeeds, one finds no one" [ "$removed" -eq 10 ]

# Ids are never given twice.
a=$(people add --first Id --last One --date 1980-01-01)
b=$(people add --first Id --last Two --date 1980-01-01)
people rm "$b"
c=$(people add --first Id --last Three --date 1980-01-01)
expect "an id is never given twice ($a, $b, then $c)" [ "$c" -gt "$b" ]

# A blank ID|NAME names no one; an empty --book names no book.
people add --name "" --first Blank --last Name --date 1980-01-01 >/dev/null
for who in "" " "; do
  check "rm '$who'" 2 "" "" people rm "$who"
  check "show '$who'" 2 "" "" people show "$who"
  check "edit '$who'" 2 "" "" people edit "$who" --note x
  check "rank '$who'" 2 "" "" people rank "$who"
  check "match --male-person '$who'" 2 "" "" "$cli" match --male-person "$who" --female-person 1
  check "chart --person '$who'" 2 "" "" "$cli" chart --person "$who"
done
check "--book ''" 2 "" "" people list --book ""

# Numbers out of range: a short message, no number of 300 digits.
for top in 0 -1 abc ""; do
  check "rank --top '$top'" 2 "" "" people rank "$id" --top "$top"
done
expect "rank --top 0 names the range" bash -c "'$cli' people rank $id --top 0 2>&1 | grep -q 'from 1 to 999999999'"
for lat in 999N999 91N00 41N60; do
  check "add --lat $lat" 1 "" "" people add --first Off --last Globe --date 1980-01-01 --lat "$lat" --lon 87W38
done
check "add --lon 181E00" 1 "" "" people add --first Off --last Globe --date 1980-01-01 --lat 41N52 --lon 181E00
check "--dst is a flag" 0 "-" "" people add --first Dst --last Flag --date 1980-01-01 --dst

# A person without a zone row or an IANA zone is not charted with the first
# row; one with the IANA zone gets the row it gives at the birth.
chennai=(--date 1975-08-15 --time 14:30 --lat 13N05 --lon 80E17 --city Chennai --state "Tamil Nadu" --country India)
people add --name "No Zone" "${chennai[@]}" >/dev/null
people add --name "Chennai Zone" "${chennai[@]}" --timezone Asia/Kolkata >/dev/null
people add --name "Chennai Row" "${chennai[@]}" --zone 34 >/dev/null
check "match: a person without a time zone" 1 "" "zentara-cli match: No Zone has no time zone: the astro match needs one (a zone row, or the birthplace's IANA zone from the atlas)" \
  "$cli" match --male-person "No Zone" --female-person "Chennai Row"
same "the IANA zone gives the row" "$("$cli" chart --person "Chennai Row")" "$("$cli" chart --person "Chennai Zone")"

# Odd files at the book's path are refused at once and left as they were.
mkfifo "$work/fifo"
check "a named pipe as the book" 3 "" "zentara-cli people list: $work/fifo is not a book of people: it is a named pipe, not a file; it is left as it is" \
  timeout 10 "$cli" people --book "$work/fifo" list
mkdir "$work/folder"
check "a folder as the book" 3 "" "" people --book "$work/folder" list
: >"$work/empty.sqlite"
check "an empty file as the book" 3 "" "" people --book "$work/empty.sqlite" add --first A --last B --date 1980-01-01
expect "the empty file stays empty" [ ! -s "$work/empty.sqlite" ]
ln -s "$ZENTARA_BOOK" "$work/link.sqlite"
check "a link to the book is followed" 0 "-" "" people --book "$work/link.sqlite" show "$id"

# A read-only book is read, and refuses changes, saying why.
cp "$ZENTARA_BOOK" "$work/copy.sqlite"
"$cli" people --book "$work/copy.sqlite" list >/dev/null  # folds the log into the copy
mkdir "$work/shelf" && mv "$work/copy.sqlite" "$work/shelf/people.sqlite"
rm -f "$work/copy.sqlite-wal" "$work/copy.sqlite-shm"
chmod a-w "$work/shelf/people.sqlite" "$work/shelf"
chmod a+rx "$work" "$work/shelf"
as_reader=()
[ "$(id -u)" -eq 0 ] && as_reader=(setpriv --reuid=65534 --regid=65534 --clear-groups)
before=$(sha256sum <"$work/shelf/people.sqlite")
check "list a read-only book" 0 "-" "" "${as_reader[@]}" "$cli" people --book "$work/shelf/people.sqlite" list
check "export a read-only book" 0 "-" "" "${as_reader[@]}" "$cli" people --book "$work/shelf/people.sqlite" export
check "rank in a read-only book" 0 "-" "" "${as_reader[@]}" "$cli" people --book "$work/shelf/people.sqlite" rank "Chennai Row"
check "add to a read-only book" 3 "" "" "${as_reader[@]}" "$cli" people --book "$work/shelf/people.sqlite" add --first A --last B --date 1980-01-01
expect "a read-only book says so" bash -c "${as_reader[*]} '$cli' people --book '$work/shelf/people.sqlite' rm $id 2>&1 | grep -q 'is read-only'"
same "the read-only book is unchanged" "$before" "$(sha256sum <"$work/shelf/people.sqlite")"
chmod u+w "$work/shelf" "$work/shelf/people.sqlite"

# A damaged book: the read that meets the damage marks it, nothing writes to
# it after, and check says what is wrong until the book is whole again.
damaged=$work/damaged.sqlite
for i in $(seq 1 300); do echo "Many,Person$i,1980-01-01,$(printf 'n%.0s' $(seq 1 200))"; done |
  sed '1i first,last,date,note' | people --book "$damaged" import - >/dev/null
people --book "$damaged" list >/dev/null  # the last program out folds the log into the file
size=$(stat -c %s "$damaged")
cp "$damaged" "$work/whole.sqlite"
printf '\xff' | dd of="$damaged" bs=1 seek=$((size / 4096 / 2 * 4096)) conv=notrunc status=none
before=$(sha256sum <"$damaged")
check "list a damaged book" 3 "-" "" people --book "$damaged" list  # the rows before the damage are listed
check "add to a damaged book" 3 "" "" people --book "$damaged" add --first A --last B --date 1980-01-01
expect "the message says how to save what can be read" bash -c \
  "'$cli' people --book '$damaged' add --first A --last B --date 1980-01-01 2>&1 | grep -q 'people export'"
check "check a damaged book" 3 "-" "" people --book "$damaged" check
same "the damaged book is unchanged" "$before" "$(sha256sum <"$damaged")"
# Where no mark can be kept (the state folder is a file), the message does not
# claim that other programs are kept from writing the book.
: >"$work/state-file"
expect "a mark that cannot be kept is told" bash -c \
  "XDG_STATE_HOME='$work/state-file' '$cli' people --book '$damaged' list 2>&1 >/dev/null | grep -q 'mark that keeps other programs'"
cat "$work/whole.sqlite" >"$damaged"  # mended in place: the same file
check "check the mended book" 0 "-" "" people --book "$damaged" check
check "the mended book takes changes again" 0 "-" "" people --book "$damaged" add --first A --last B --date 1980-01-01

# One flipped header byte (a negative version) is refused, the file kept.
cp "$work/whole.sqlite" "$work/flipped.sqlite"
printf '\xff' | dd of="$work/flipped.sqlite" bs=1 seek=60 conv=notrunc status=none
before=$(sha256sum <"$work/flipped.sqlite")
check "a negative version" 3 "" "" people --book "$work/flipped.sqlite" list
check "the desktop's matches from it" 3 "" "" "$cli" match --male-person 1 --female-person 2 --book "$work/flipped.sqlite"
same "the flipped book is unchanged" "$before" "$(sha256sum <"$work/flipped.sqlite")"

finish
