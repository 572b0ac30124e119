#!/usr/bin/env bash
# zentara-cli people: people added, listed, shown, edited and removed; a CSV
# file with bad rows among good ones, one with a stray quote, one read from a
# slow source while another writer adds, and one interrupted by kill -9; a file
# that is no book refused and kept; two writers at once; --male-person and
# --female-person equal to the options they stand for; rank against matches
# computed one by one.
set -uo pipefail
cli=$1
source "$(dirname "$0")/cli_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZENTARA_BOOK=$work/people.sqlite
people() { "$cli" people "$@"; }

# John and Mary as cli/match_cli.sh has them; Ann without a birth time.
john=(--first John --last Smith --name John --frame male --date 1975-08-15 --time 14:30 --zone 34 --lat 28N36
      --lon 77E13 --city "New Delhi" --state Delhi --country India)
mary=(--first Mary --middle Ann --last Jones --name Mary --date 1978-02-10 --time 6:05 --zone 27 --dst --lat 40N42
      --lon 74W00 --city "New York" --state "New York" --country USA --note "met in Paris")
check "add John" 0 <(echo 1) "" people add "${john[@]}"
check "add Mary" 0 <(echo 2) "" people add "${mary[@]}"
check "add Ann, no time" 0 <(echo 3) "" people add --first Ann --last Lee --date 1900-02-29
check "add a second Ann Lee" 0 <(echo 4) "" people add --name "Ann Lee" --date 1980-01-01
check "list" 0 <(printf '3\tAnn Lee\t1900-02-29\t\n4\tAnn Lee\t1980-01-01\t\n1\tJohn\t1975-08-15 14:30\tNew Delhi, Delhi, India\n2\tMary\t1978-02-10 06:05\tNew York, New York, USA\n') "" people list
check "search the note" 0 <(printf '2\tMary\t1978-02-10 06:05\tNew York, New York, USA\n') "" people list --search PARIS
check "a name of two people" 1 "" "zentara-cli people show: ann lee names several people: ids 3, 4" people show "ann lee"
check "nobody of that name" 1 "" "zentara-cli people rm: no person is named Zed" people rm Zed
check "a date the calendar lacks" 1 "" "zentara-cli people add: --date: is no day of the calendar: April 1975 has 30 days, not '1975-04-31'" \
  people add --first A --last B --date 1975-04-31
check "edit" 0 "" "" people edit 4 --city Oslo --time 7:45
same "edit kept" "$(printf 'time: 07:45\ncity: Oslo')" "$(people show 4 | grep -E '^(time|city):')"
check "rm" 0 "" "" people rm 4
check "rm again" 1 "" "zentara-cli people rm: no person has the id 4" people rm 4

# The same match from the people and from the options.
options=(--male-name John --male-date 1975-08-15 --male-time 14:30 --male-zone 34 --male-lat 28N36 --male-lon 77E13
  --male-city "New Delhi" --male-state Delhi --male-country India --female-name Mary --female-date 1978-02-10
  --female-time 6:05 --female-zone 27 --female-dst --female-lat 40N42 --female-lon 74W00 --female-city "New York"
  --female-state "New York" --female-country USA)
same "match --male-person --female-person" "$("$cli" match "${options[@]}" --json)" \
  "$("$cli" match --male-person john --female-person 2 --json)"
same "match with one person" "$("$cli" match "${options[@]}")" \
  "$("$cli" match "${options[@]:0:18}" --female-person Mary)"
numbers=(--male-first John --male-last Smith --male-month August --male-day 15 --male-year 1975 --female-first Mary
  --female-middle Ann --female-last Jones --female-month February --female-day 10 --female-year 1978)
same "numbers --male-person" "$("$cli" numbers "${numbers[@]}")" "$("$cli" numbers --male-person 1 --female-person 2)"
same "reading --female-person" "$("$cli" reading comprehensive "${numbers[@]}")" \
  "$("$cli" reading comprehensive "${numbers[@]:0:10}" --female-person mary)"
same "chart --person" "$("$cli" chart --date 1978-02-10 --time 6:05 --zone 27 --dst --lat 40N42 --lon 74W00)" \
  "$("$cli" chart --person Mary)"
check "no birth time for the astro match" 1 "" "zentara-cli match: Ann Lee was born in 1900: the astro match takes births from 1901 to 2050" \
  "$cli" match --male-person 1 --female-person 3
check "a person and the options it stands for" 2 "" "" "$cli" match --male-person 1 "${options[@]:0:2}"

# rank: each partner's figures as match gives them couple by couple.
for i in 1 2 3 4 5 6; do
  people add --name "Extra $i" --date "198$i-0$i-1$i" --time "$i:$((10 + 7 * i))" --zone $((20 + i)) \
    --lat 51N30 --lon 0W07 --city London --state England --country UK --frame female >/dev/null
done
ranked=$(people rank John --json)
figures=$(grep -oE '"id":[0-9]+,"name":"[^"]*","power":[0-9]+,"harmony":[0-9]+,"ph":[0-9]+,"percentage":[0-9]+' <<<"$ranked")
same "rank lists everyone else with a birth time" 7 "$(wc -l <<<"$figures")"
while read -r line; do
  id=$(grep -oE '^"id":[0-9]+' <<<"$line" | cut -d: -f2)
  one=$("$cli" match --male-person 1 --female-person "$id" --json | grep -oE '"power":[0-9]+,"harmony":[0-9]+,"ph":[0-9]+,"percentage":[0-9]+')
  same "rank against match with $id" "$one" "${line#*,}"
done < <(sed 's/"name":"[^"]*",//' <<<"$figures")
same "rank order" "$(cut -d, -f6 <<<"$figures" | sort -t: -k2 -rn)" "$(cut -d, -f6 <<<"$figures")"
check "rank --top 2" 0 "-" "" people rank 1 --top 2
same "rank --top 2 lists two" 2 "$(people rank 1 --top 2 | grep -c $'^[0-9]*\t[0-9]')"

# import: good rows kept, bad ones reported; a wrong header adds no one.
before=$(people list | wc -l)
csv=$work/people.csv
printf 'first,last,date,time\nBo,Ek,1980-05-17,10:00\nCy,Oh,1975-13-01,\nDi,Ma,1960-01-01,24:00\nEd,Po,1961-01-01,\n' >"$csv"
check "import with bad rows" 1 <(echo "2 people added") "row 3 (line 3): date: must be a date YYYY-MM-DD from 1900-01-01 to 2050-12-31, not '1975-13-01'" people import "$csv"
same "import kept the good rows" $((before + 2)) "$(people list | wc -l)"
check "import, an unknown column" 2 "" "" people import - <<<$'first,last,birthday\nA,B,1980-01-01'
check "export and import again" 0 "-" "" bash -c "'$cli' people export | ZENTARA_BOOK='$work/copy.sqlite' '$cli' people import -"
same "the copy exports the same" "$(people export)" "$(ZENTARA_BOOK=$work/copy.sqlite people export)"

# A stray quote on line 3 leaves out that line alone: the rows after it are
# added, and a bad one further on is named by its row and line.
awk 'BEGIN { print "first,last,date"
  for (i = 2; i <= 3000; i++) printf "%sLine%d,Row,%s\n", i == 3 ? "\"" : "", i, i == 2500 ? "1975-02-30" : "1970-01-01" }' \
  >"$work/stray.csv"
ZENTARA_BOOK=$work/stray.sqlite "$cli" people import "$work/stray.csv" >"$work/stray_out.txt" 2>"$work/stray_err.txt"
same "a stray quote, exit status" 1 "$?"
same "a stray quote, the rows added" "2997 people added" "$(cat "$work/stray_out.txt")"
same "a stray quote, the rows left out" "row 3 (line 3): first: an opening quote is never closed
row 2500 (line 2500): date: is no day of the calendar: February 1975 has 28 days, not '1975-02-30'" "$(cat "$work/stray_err.txt")"

# The file is read and checked before the book is written: while an import
# reads a slow source, another writer is not kept waiting for it.
before=$(people list | wc -l)
mkfifo "$work/slow"
"$cli" people import "$work/slow" >"$work/slow_out.txt" 2>&1 &
importer=$!
exec 8>"$work/slow"
printf 'first,last,date\nSlow,One,1970-01-01\n' >&8
sleep 0.5  # the importer has read what was written and waits for more
check "another writer while an import reads" 0 "-" "" people add --first Not --last Waiting --date 1970-01-01
echo "Slow,Two,1970-01-01" >&8
exec 8>&-
wait $importer
same "the slow import" "2 people added" "$(cat "$work/slow_out.txt")"
same "both writers' people" $((before + 3)) "$(people list | wc -l)"

# An import killed half-way adds no one.
before=$(people list | wc -l)
mkfifo "$work/rows"
"$cli" people import "$work/rows" >/dev/null 2>&1 &
importer=$!
exec 7>"$work/rows"
echo "first,last,date" >&7
for i in $(seq 1 2000); do echo "Killed,Row$i,1970-01-01"; done >&7
sleep 1
kill -9 $importer
wait $importer 2>/dev/null
exec 7>&-
same "an import killed half-way adds no one" "$before" "$(people list | wc -l)"

# Two writers at once lose nothing.
for i in $(seq 1 300); do echo "Writer,One$i,1970-01-01"; done | sed '1i first,last,date' >"$work/one.csv"
sed 's/One/Two/' "$work/one.csv" >"$work/two.csv"
people import "$work/one.csv" >/dev/null & first=$!
people import "$work/two.csv" >/dev/null & second=$!
wait $first && wait $second
same "two writers at once" $((before + 600)) "$(people list | wc -l)"

# A file that is no book is refused and kept.
printf 'first,last\nAnn,Lee\n' >"$work/notes.txt"
cp "$work/notes.txt" "$work/kept.txt"
check "a file that is no book" 3 "" "zentara-cli people list: $work/notes.txt is not a book of people: it is no SQLite database; it is left as it is" \
  people --book "$work/notes.txt" list
check "match from a file that is no book" 3 "" "" "$cli" match --male-person 1 --female-person 2 --book "$work/notes.txt"
same "the file is kept" "$(cat "$work/kept.txt")" "$(cat "$work/notes.txt")"

finish
