#!/usr/bin/env bash
# zentara-cli reading: the worked pair's three readings and the comprehensive one
# as HTML against golden output, the entry checks with exit status 1 and a wrong
# kind with exit status 2.
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

pair=(--male-first John --male-middle Paul --male-last Smith --male-month March --male-day 15
      --male-year 1988 --female-first Mary --female-middle Ann --female-last Smith
      --female-month January --female-day 1 --female-year 1970)

for kind in lifepath destiny comprehensive; do
  check "worked pair, $kind" 0 "$data/reading_john_mary_$kind.txt" "" "$cli" reading "$kind" "${pair[@]}"
done
check "worked pair, comprehensive as HTML" 0 "$data/reading_john_mary_comprehensive.html" "" \
  "$cli" reading comprehensive --html "${pair[@]}"

# A single reading as HTML is its window's plain text under its window's caption.
html=$("$cli" reading destiny --html "${pair[@]}")
if [[ $html == *"<title>Destiny Compatibility</title>"* && $html == *"<p>Destiny Compatibility Combination: 4 + 2<br>"* &&
      $html != *"<b>"* ]]; then passes=$((passes + 1)); else
  echo "reading destiny --html: expected a plain page titled Destiny Compatibility, got: $html"; failures=$((failures + 1)); fi

check "nothing given" 1 "" "Male: First Name cannot be blank" "$cli" reading lifepath
check "31 June for the female" 1 "" "Please Enter Your Partner's Correct Date Or Month !" \
  "$cli" reading comprehensive "${pair[@]:0:18}" --female-month June --female-day 31 --female-year 1970
check "unknown kind" 2 "" "" "$cli" reading horoscope "${pair[@]}"
check "no kind" 2 "" "" "$cli" reading "${pair[@]}"

finish
