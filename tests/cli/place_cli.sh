#!/usr/bin/env bash
# zentara-cli place: one place's JSON and a narrowed look-up's text against
# golden output, whatever the machine's own time zone; a place no zone row can
# give; no match; and the refusals.
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

mumbai=(place Bombay --date 1975-08-15 --time 14:30 --limit 1 --json)
for zone in UTC Asia/Kolkata America/Los_Angeles Pacific/Kiritimati; do
  check "Bombay as JSON, machine zone $zone" 0 "$data/place_bombay_1975_08_15.json" "" env TZ=$zone "$cli" "${mumbai[@]}"
done
check "Springfield, Illinois, in war time" 0 "$data/place_springfield_il_1943_06_01.txt" "" \
  "$cli" place springfield --state Illinois --country US --date 1943-06-01 --time 12:00

kathmandu=$("$cli" place Kathmandu --country Nepal --date 1990-06-01 --time 12:00 --limit 1 --json)
if grep -qF '"utc_offset":"+05:45","daylight_saving":false,"abbreviation":"+0545","clock_change":null,"form":null' <<<"$kathmandu"; then
  passes=$((passes + 1)); else echo "Kathmandu 1990: $kathmandu, expected +05:45 and form null"; failures=$((failures + 1)); fi
skipped=$("$cli" place "New York City" --date 2021-03-14 --time 2:30 --limit 1 --json)
if grep -qF '"clock_change":"skipped"' <<<"$skipped"; then passes=$((passes + 1)); else
  echo "New York 2021-03-14 02:30: $skipped, expected clock_change skipped"; failures=$((failures + 1)); fi

empty=$(mktemp)
echo '{"places":[]}' >"$empty"
check "no match, JSON" 0 "$empty" "" "$cli" place zzqqxxj --json
check "no match, text" 0 "" "" "$cli" place zzqqxxj
check "a country that is not one" 0 "$empty" "" "$cli" place London --country Atlantis --json
rm -f "$empty"
check "default date and time" 0 "-" "" "$cli" place London --limit 1

check "30 February" 1 "" "Please Enter Your Correct Date Or Month!" "$cli" place London --date 2021-02-30
check "no query" 2 "" "" "$cli" place
check "limit 0" 2 "" "" "$cli" place London --limit 0
check "time 25:00" 2 "" "" "$cli" place London --time 25:00
check "atlas missing" 3 "" "" env ZENTARA_ATLAS_FILE=/nonexistent/atlas.bin "$cli" place London

finish
