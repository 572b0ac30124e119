#!/usr/bin/env bash
# zentara-cli numbers: the worked pair against golden output, the program's
# messages with exit status 1, and usage errors with exit status 2.
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

pair=(--male-first John --male-middle Paul --male-last Smith --male-month March --male-day 15
      --male-year 1988 --female-first Mary --female-middle Ann --female-last Smith
      --female-month January --female-day 1 --female-year 1970)

check "worked pair, json" 0 "$data/numbers_john_mary.json" "" "$cli" numbers "${pair[@]}" --json
check "worked pair, text" 0 "$data/numbers_john_mary.txt" "" "$cli" numbers "${pair[@]}"
check "small letters give the same numbers" 0 "$data/numbers_john_mary.json" "" \
  "$cli" numbers --json --male-first john --male-middle paul --male-last smith --male-month March \
  --male-day 15 --male-year 1988 --female-first mary --female-middle ann --female-last smith \
  --female-month January --female-day 1 --female-year 1970
check "nothing given" 1 "" "Male: First Name cannot be blank" "$cli" numbers
check "female last name missing" 1 "" "Female: Last Name cannot be blank" \
  "$cli" numbers --male-first A --male-last B --female-first C
check "31 June for the female" 1 "" "Please Enter Your Partner's Correct Date Or Month !" \
  "$cli" numbers "${pair[@]:0:18}" --female-month June --female-day 31 --female-year 1970
check "unknown option" 2 "" "" "$cli" numbers --male-name John
check "option without value" 2 "" "" "$cli" numbers --male-first
check "option given twice" 2 "" "" "$cli" numbers --male-first A --male-first B

finish
