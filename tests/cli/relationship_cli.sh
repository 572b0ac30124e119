#!/usr/bin/env bash
# zentara-cli composite and davison: the worked couple against golden JSON
# (their positions are checked by hand in tests/astro/relationship_charts_test.cpp
# and shown alike by the desktop's Relationship tab), the options in force, a
# Davison moment before 1901, the wheel as SVG, and the errors of match.
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

couple=(--male-name John --male-date 1975-08-15 --male-time 14:30 --male-zone 34 --male-lat 28N36 --male-lon 77E13
  --male-city "New Delhi" --male-state Delhi --male-country India
  --female-name Mary --female-date 1978-02-10 --female-time 6:05 --female-zone 27 --female-dst --female-lat 40N42
  --female-lon 74W00 --female-city "New York" --female-state "New York" --female-country USA)

check "composite, json" 0 "$data/composite_john_mary.json" "" "$cli" composite "${couple[@]}" --json
check "davison, json" 0 "$data/davison_john_mary.json" "" "$cli" davison "${couple[@]}" --json
text=$("$cli" davison "${couple[@]}")
expect "davison, text" test "$(sed -n '1p;2p;18p' <<<"$text" | paste -sd'|')" = \
  "Davison: 1976-11-12 09:32:30 UT at 69°29'41\" N 17°32'26\" E, local mean time 1976-11-12 10:42:39|Sun: 20 Sco 27|Note: Placidus has no cusps at 69°29' N; Porphyry used"

# The options in force: the chart of date, the true node and Koch.
json=$("$cli" composite "${couple[@]}" --json --equinox date --node true --houses koch)
expect "composite, options" grep -qE '"house_system":"koch".*"equinox":"date","node":"true"' <<<"$json"
expect "composite of date differs" test "$json" != "$(cat "$data/composite_john_mary.json")"

# Two births on 1 January 1901 shortly after midnight in India: both are still
# 31 December 1900 in universal time, and so is the chart between them.
places=(--male-city Delhi --male-state Delhi --male-country India --female-city Mumbai --female-state Maharashtra
  --female-country India)
early=$("$cli" davison --male-name Ravi --male-date 1901-01-01 --male-time 0:30 --male-zone 34 --male-lat 28N36 \
  --male-lon 77E13 --female-name Asha --female-date 1901-01-01 --female-time 1:30 --female-zone 34 \
  --female-lat 19N04 --female-lon 72E52 "${places[@]}" | head -1)
expect "davison before 1901" grep -q '^Davison: 1900-12-31 19:30:00 UT at ' <<<"$early"

# --svg: the chart's own wheel, named, with its fourteen points.
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
"$cli" composite "${couple[@]}" "--svg=$folder/composite.svg" >/dev/null
points=$(grep -cE '>(☉|☽|☿|♀|♂|♃|♄|♅|♆|♇|☊|☋|Asc|MC)</text>$' "$folder/composite.svg")
expect "composite --svg" test "$points" = 14 -a "$(grep -c '>Composite</text>' "$folder/composite.svg")" = 1
expect "composite --svg parses" xmllint --noout "$folder/composite.svg"
check "--svg into a folder" 3 "" "zentara-cli davison: cannot write $folder: it is a folder" \
  "$cli" davison "${couple[@]}" "--svg=$folder"

# The partners are read and checked as match reads them.
check "a missing date" 2 "" "zentara-cli composite: --male-date is required" "$cli" composite "${couple[@]:0:2}" "${couple[@]:4}"
check "a refused entry" 1 "" "Please Enter Male Name" "$cli" davison --male-name "" "${couple[@]:2}"

finish
