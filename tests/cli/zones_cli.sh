#!/usr/bin/env bash
# zentara-cli zones: the 71 rows of the time-zone list, tab-separated or as JSON.
set -uo pipefail
cli=$1
source "$(dirname "$0")/cli_checks.sh"

expect_line() {  # NAME ROW EXPECTED_LINE
  local line
  line=$("$cli" zones | sed -n "$(($2 + 1))p")
  if [ "$line" = "$3" ]; then passes=$((passes + 1)); else
    echo "$1: row $2 is '$line', expected '$3'"; failures=$((failures + 1)); fi
}

check "zones" 0 "-" "" "$cli" zones
count=$("$cli" zones | wc -l)
if [ "$count" -eq 71 ]; then passes=$((passes + 1)); else echo "zones: $count lines, expected 71"; failures=$((failures + 1)); fi
expect_line "first row" 0 $'0\tAlaska/Hawaii Daylight Time,AHDT,-9.0\t9\t0'
expect_line "Indian Time" 34 $'34\tIndian Time, IST, +5.3\t5\t30'
expect_line "Newfoundland" 50 $'50\tNewfoundland Standard Time,NST,-3.5\t3\t30'
expect_line "last row" 70 $'70\tYukon War Time,YWT,-8.0\t8\t0'
check "an argument" 2 "" "" "$cli" zones 5

# --json: the same 71 rows as one array of objects.
json=$("$cli" zones --json)
rows=$(grep -o '{"row":[0-9]*,' <<<"$json" | wc -l)
if [ "$rows" -eq 71 ] && [[ $json == '[{"row":0,"name":"Alaska/Hawaii Daylight Time,AHDT,-9.0","hours":9,"minutes":0},'* ]] &&
   [[ $json == *',{"row":34,"name":"Indian Time, IST, +5.3","hours":5,"minutes":30},'* ]] &&
   [[ $json == *',{"row":70,"name":"Yukon War Time,YWT,-8.0","hours":8,"minutes":0}]' ]]; then
  passes=$((passes + 1)); else echo "zones --json: $rows rows, expected 71 as in the text: $json"; failures=$((failures + 1)); fi

finish
