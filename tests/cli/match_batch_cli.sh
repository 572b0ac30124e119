#!/usr/bin/env bash
# zentara-cli match --batch: each row's figures as match gives them, quoted
# fields, columns in another order, bad rows among good ones, a quote never
# closed on its line, the header row's errors, the columns equinox and
# aspects, and a sample of couples scored as before those columns came
# (tests/data/couples_sample_scored.csv).
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

columns=(name date time zone dst lat lon city state country)
john=(John 1975-08-15 14:30 34 0 28N36 77E13 "New Delhi" Delhi India)
mary=(Mary 1978-02-10 6:05 27 1 40N42 74W00 "New York" "New York" USA)
ivan=(Ivan 1950-06-01 0:00 64 1 55N45 37E37 Moscow Moscow Russia)
ana=(Ana 2001-12-31 23:59 8 0 33S52 151E12 Sydney "New South Wales" Australia)

header=$(for p in male female; do for c in "${columns[@]}"; do printf '%s-%s,' "$p" "$c"; done; done)
header=${header%,}
# A CSV row of two partners' fields; a field with a space is quoted.
row() { local f line=""; for f in "$@"; do [[ $f == *" "* ]] && f="\"$f\""; line+="$f,"; done; echo "${line%,}"; }
# The figures match prints for the two partners, comma-separated: 28 positions, then the score.
figures() {
  local options=() i
  for i in "${!columns[@]}"; do
    if [ "${columns[i]}" = dst ]; then [ "${@:i+1:1}" = 1 ] && options+=(--male-dst)
    else options+=("--male-${columns[i]}" "${@:i+1:1}"); fi
    if [ "${columns[i]}" = dst ]; then [ "${@:i+11:1}" = 1 ] && options+=(--female-dst)
    else options+=("--female-${columns[i]}" "${@:i+11:1}"); fi
  done
  "$cli" match "${options[@]}" | sed '/^Equinox:/,$d' | grep -v -e '^Universal time' -e ':$' -e '^$' |
    sed 's/^[^:]*: //' | paste -sd,
}

{ echo "$header"; row "${john[@]}" "${mary[@]}"; row "${ivan[@]}" "${ana[@]}"; } >"$work/couples.csv"
"$cli" match --batch "$work/couples.csv" >"$work/out.csv"
same "output header" "$header,male-sun" "$(head -n 1 "$work/out.csv" | cut -d, -f1-21)"
same "output header end" "female-mc,power,harmony,ph,percentage,comment" "$(head -n 1 "$work/out.csv" | cut -d, -f48-)"
same "john and mary" "$(figures "${john[@]}" "${mary[@]}")" "$(sed -n 2p "$work/out.csv" | cut -d, -f21-)"
same "ivan and ana" "$(figures "${ivan[@]}" "${ana[@]}")" "$(sed -n 3p "$work/out.csv" | cut -d, -f21-)"
same "input columns as read" "John,1975-08-15,14:30,34,0,28N36,77E13,New Delhi" "$(sed -n 2p "$work/out.csv" | cut -d, -f1-8)"

# The columns reversed: the input columns come out reversed, the figures the same.
awk -F, '{ for (i = NF; i > 1; i--) printf "%s,", $i; print $1 }' "$work/couples.csv" >"$work/reversed.csv"
"$cli" match --batch "$work/reversed.csv" >"$work/reversed_out.csv"
same "reversed header" "$(head -n 1 "$work/reversed.csv")" "$(head -n 1 "$work/reversed_out.csv" | cut -d, -f1-20)"
same "reversed figures" "$(cut -d, -f21- "$work/out.csv")" "$(cut -d, -f21- "$work/reversed_out.csv")"

# Bad rows among good ones, from standard input: each reported with its row
# number (the header is row 1), the good rows still written, exit status 1.
{ echo "$header"; row "${john[@]}" "${mary[@]}"; row "" "${john[@]:1}" "${mary[@]}"
  echo "Jo\"hn,$(row "${john[@]:1}" "${mary[@]}")"; row "${john[@]}" "${mary[@]:0:7}" "New, York" "${mary[@]:8}"
  row "${john[@]:1}" "${mary[@]}"; row " John" "${john[@]:1}" "${mary[@]}"; row "${ivan[@]}" "${ana[@]}"; } >"$work/bad.csv"
"$cli" match --batch - <"$work/bad.csv" >"$work/bad_out.csv" 2>"$work/bad_err.txt"
same "exit status with bad rows" 1 "$?"
same "bad rows reported" "row 3 (line 3): male-name: Please Enter Male Name|row 4 (line 4): male-name: malformed quoting: a quote inside an unquoted field, or text after a closing quote|row 5 (line 5): female-city: Please enter only letters|row 6 (line 6): has 19 fields where the header row has 20" "$(paste -sd'|' "$work/bad_err.txt")"
same "good rows written" "$(sed -n 2,3p "$work/out.csv" | cut -d, -f2-)" "$(sed -n '2p;4p' "$work/bad_out.csv" | cut -d, -f2-)"
same "a leading space is kept and quoted" '" John",1975-08-15' "$(sed -n 3p "$work/bad_out.csv" | cut -d, -f1-2)"

# No field holds a line break: a quote never closed on line 3 makes that line
# alone a refused row, and the rows after it are read and named by their lines
# (an empty line is a line but no row). Every other line is written.
olga=(Olga 1952-03-03 10:00 64 0 55N45 37E37 Moscow Moscow Russia)
{ echo "$header"
  for i in $(seq 2 400); do
    case $i in
      3) echo "\"$(row "${ivan[@]}" "${olga[@]}")" ;;
      100) echo ;;
      315) row "${ivan[@]:0:1}" 1975-02-30 "${ivan[@]:2}" "${olga[@]}" ;;
      *) row "${ivan[@]}" "${olga[@]}" ;;
    esac
  done; } >"$work/quote.csv"
"$cli" match --batch "$work/quote.csv" >"$work/quote_out.csv" 2>"$work/quote_err.txt"
same "a quote never closed, exit status" 1 "$?"
same "a quote never closed, refused" "row 3 (line 3): male-name: an opening quote is never closed|row 314 (line 315): male-date: Please Enter Your Correct Date Or Month!" "$(paste -sd'|' "$work/quote_err.txt")"
same "every line written or refused" 399 "$(cat "$work/quote_out.csv" "$work/quote_err.txt" | wc -l)"

# A refusal repeats a field of any length cut short.
long=$(printf '1%.0s' $(seq 1 100000))
{ echo "$header"; row "${john[@]:0:1}" "$long" "${john[@]:2}" "${mary[@]}"; } >"$work/long.csv"
check "a refusal of a long field" 1 - \
  "row 2 (line 2): male-date: must be YYYY-MM-DD, such as 1975-08-15, not '$(printf '1%.0s' $(seq 1 80))...'" \
  "$cli" match --batch "$work/long.csv"

# The header row decides the columns.
echo "${header/male-lat/male-latitude}" >"$work/unknown.csv"
check "unknown column" 2 "" "" "$cli" match --batch "$work/unknown.csv"
echo "${header/,female-country/}" >"$work/missing.csv"
check "missing column" 2 "" "zentara-cli match: the header row lacks the column female-country" "$cli" match --batch "$work/missing.csv"
echo "$header,male-name" >"$work/twice.csv"
check "column twice" 2 "" "zentara-cli match: the header row names the column male-name twice" "$cli" match --batch "$work/twice.csv"
check "empty input" 2 "" "" "$cli" match --batch /dev/null
check "no such file" 3 "" "" "$cli" match --batch "$work/none.csv"

# A spreadsheet's UTF-8 export starts with a byte order mark: the first column
# is still named, and the output is the same.
{ printf '\xEF\xBB\xBF'; cat "$work/couples.csv"; } >"$work/marked.csv"
check "header with a byte order mark" 0 "$work/out.csv" "" "$cli" match --batch "$work/marked.csv"

# Without the new options, and with --equinox j2000 but for its column, a
# sample of couples comes out byte for byte as it did before those options.
check "the sample, as before" 0 "$data/couples_sample_scored.csv" "" "$cli" match --batch "$data/couples_sample.csv"
"$cli" match --batch "$data/couples_sample.csv" --equinox j2000 >"$work/j2000.csv"
same "--equinox j2000 adds only its column" "$(sed 's/$/,equinox/;2,$s/,equinox$/,j2000/' "$data/couples_sample_scored.csv" | md5sum)" \
  "$(md5sum <"$work/j2000.csv")"

# --equinox date and --aspects: the columns after the comment, the positions of
# date, and the aspects as match lists them (his point first, closest first).
"$cli" match --batch "$work/couples.csv" --equinox date --aspects --orbs 8,6,4 >"$work/aspects.csv"
same "header with both columns" "comment,equinox,aspects" "$(head -n 1 "$work/aspects.csv" | cut -d, -f53-)"
same "the sun of date" "21 Leo 55" "$(sed -n 2p "$work/aspects.csv" | cut -d, -f21)"
same "the equinox column" "date" "$(sed -n 2p "$work/aspects.csv" | cut -d, -f54)"
listed=$("$cli" match "--batch=$work/couples.csv" --aspects | sed -n 2p | cut -d, -f54 | tr ';' '\n' | sed 's/^ //' | head -n 3 | paste -sd'|')
same "the aspects column" "neptune-sextile-mercury 0.05|moon-sextile-n-node 0.22|jupiter-square-mars 0.22" "$listed"
check "--orbs without --aspects" 2 "" "" "$cli" match --batch "$work/couples.csv" --orbs 8,6,4

finish
