#!/usr/bin/env bash
# zentara-cli zones: the 71 rows of the time-zone list, tab-separated.
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
check "an argument" 2 "" "" "$cli" zones --json

finish
