#!/usr/bin/env bash
# zentara-cli report: the couple report's PDF from partner options (numerology
# left out, as it says) and from people of the book (numerology in, the same
# reading the reading command gives); a writer that is missing, fails or
# writes no PDF, and an output that is a folder, each exit status 3 with the
# file kept; names too long for a report; the writer itself refusing requests
# it cannot use.
set -uo pipefail
cli=$1
writer=$2
source "$(dirname "$0")/cli_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZENTARA_BOOK=$work/people.sqlite

# A PDF's text on one line, words single-spaced, ligatures spelled out.
pdf_words() { pdftotext "$1" - | sed 's/ﬁ/fi/g; s/ﬂ/fl/g' | tr -s ' \n\f' '  '; }

couple=(--male-name John --male-date 1975-08-15 --male-time 14:30 --male-zone 34 --male-lat 28N36 --male-lon 77E13
  --male-city "New Delhi" --male-state Delhi --male-country India
  --female-name Mary --female-date 1978-02-10 --female-time 6:05 --female-zone 27 --female-dst --female-lat 40N42
  --female-lon 74W00 --female-city "New York" --female-state "New York" --female-country USA)

check "from options" 0 "" "" "$cli" report "${couple[@]}" --pdf "$work/options.pdf"
words=$(pdf_words "$work/options.pdf")
# Every heading, in the document's order.
headings=$(grep -oE 'Couple Report|Numerology|The Astro Report|The Four Figures|A Second Score|The Chart Wheel|Aspects|Houses|The Composite Chart|The Davison Chart|Options' <<<"$(pdftotext "$work/options.pdf" - | grep -xE '[A-Z][A-Za-z ]+')" | uniq | paste -sd'|')
expect "headings in order" test "$headings" = \
  "Couple Report|Numerology|The Astro Report|The Four Figures|A Second Score|The Chart Wheel|Aspects|Houses|The Composite Chart|The Davison Chart|Options"
expect "numerology left out, saying so" grep -q "they are left out" <<<"$words"

# The options in force reach the report.
"$cli" report "${couple[@]}" --houses koch --equinox date --pdf "$work/koch.pdf"
expect "Koch named" grep -q "Koch" <<<"$(pdf_words "$work/koch.pdf")"
expect "Placidus by default" grep -q "Placidus" <<<"$words"

# People of the book: the numerology readings go in.
"$cli" people add --first John --last Smith --name John --date 1975-08-15 --time 14:30 --zone 34 --lat 28N36 \
  --lon 77E13 --city "New Delhi" --state Delhi --country India >/dev/null
"$cli" people add --first Mary --middle Ann --last Jones --name Mary --date 1978-02-10 --time 6:05 --zone 27 --dst \
  --lat 40N42 --lon 74W00 --city "New York" --state "New York" --country USA >/dev/null
check "from the book" 0 "" "" "$cli" report --male-person John --female-person Mary --pdf "$work/book.pdf"
book=$(pdf_words "$work/book.pdf")
expect "no 'left out' with full names" test "$(grep -c "they are left out" <<<"$book")" = 0
reading=$("$cli" reading comprehensive --male-person John --female-person Mary | tr -s ' \n' '  ' | cut -d' ' -f1-12)
expect "the comprehensive reading's opening in the report" grep -qF -- "$reading" <<<"$book"
check "a person not in the book" 1 "" "" "$cli" report --male-person Nobody --female-person Mary --pdf "$work/x.pdf"

# Failures keep the file that was there.
echo kept >"$work/kept.pdf"
ZENTARA_COUPLE_REPORT_WRITER=$work/none check "writer missing" 3 "" \
  "zentara-cli report: cannot make the report: $work/none is not installed; it comes with the desktop program" \
  "$cli" report "${couple[@]}" --pdf "$work/kept.pdf"
ZENTARA_COUPLE_REPORT_WRITER=/bin/false check "writer fails" 3 "" \
  "zentara-cli report: cannot make the report: /bin/false failed (exit status 1)" \
  "$cli" report "${couple[@]}" --pdf "$work/kept.pdf"
ZENTARA_COUPLE_REPORT_WRITER=/bin/cat check "writer writes no PDF" 3 "" \
  "zentara-cli report: cannot make the report: /bin/cat wrote no PDF" "$cli" report "${couple[@]}" --pdf "$work/kept.pdf"
check "into a folder" 3 "" "zentara-cli report: cannot write $work: it is a folder" \
  "$cli" report "${couple[@]}" --pdf "$work"
expect "the file kept" test "$(cat "$work/kept.pdf")" = kept
check "no --pdf" 2 "" "" "$cli" report "${couple[@]}"
check "a refused entry" 1 "" "Please Enter Male Name" "$cli" report --male-name "" "${couple[@]:2}" --pdf "$work/x.pdf"
expect "nothing written after a refusal" test ! -e "$work/x.pdf"
# Every text names the partners: a name of thousands of letters would make
# thousands of pages, so the report takes at most 100.
long=$(printf 'A%.0s' {1..101})
check "a name of 101 letters" 1 "" "The couple report takes names of at most 100 letters." \
  "$cli" report --male-name "$long" "${couple[@]:2}" --pdf "$work/x.pdf"
check "a name of 100 letters" 0 "" "" "$cli" report --male-name "${long:1}" "${couple[@]:2}" --pdf "$work/x.pdf"

# The writer takes only what zentara-cli sends it.
check "writer: not JSON" 1 "" "zentara-couple-report: the request is not one zentara-cli writes" \
  "$writer" <<<"%PDF- not a request"
request='{"male":{"name":"A","day":0,"month":0,"year":70,"hour":0,"minute":0,"zone":99,"dst":false,"lat_degrees":"1","lat_minutes":"0","lat_direction":1,"lon_degrees":"1","lon_minutes":"0","lon_direction":1,"city":"A","state":"A","country":"A"}}'
check "writer: a zone row outside the list" 1 "" "zentara-couple-report: the request is not one zentara-cli writes" \
  "$writer" <<<"$request"
check "writer: arguments" 1 "" "" "$writer" --help
finish
