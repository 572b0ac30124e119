#!/usr/bin/env bash
# zentara-cli place: one place's JSON and a narrowed look-up's text against
# golden output, whatever the machine's own time zone; regions by name and
# code; a place no zone row can give; no match and the names offered instead;
# the look-up at today's date; and the refusals.
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

# contains NAME TEXT NEEDLE: TEXT holds NEEDLE.
contains() {
  if grep -qF -- "$3" <<<"$2"; then passes=$((passes + 1)); else
    echo "$1: '$2' does not hold '$3'"; failures=$((failures + 1)); fi
}

mumbai=(place Bombay --date 1975-08-15 --time 14:30 --limit 1 --json)
for zone in UTC Asia/Kolkata America/Los_Angeles Pacific/Kiritimati; do
  check "Bombay as JSON, machine zone $zone" 0 "$data/place_bombay_1975_08_15.json" "" env TZ=$zone "$cli" "${mumbai[@]}"
done
check "Springfield, Illinois, in war time" 0 "$data/place_springfield_il_1943_06_01.txt" "" \
  "$cli" place springfield --state Illinois --country US --date 1943-06-01 --time 12:00

contains "Kathmandu 1990: +05:45 and no zone row" \
  "$("$cli" place Kathmandu --country Nepal --date 1990-06-01 --time 12:00 --limit 1 --json)" \
  '"utc_offset":"+05:45","daylight_saving":false,"abbreviation":"+0545","clock_change":null,"form":null'
contains "New York 2021-03-14 02:30 is skipped" \
  "$("$cli" place "New York City" --date 2021-03-14 --time 2:30 --limit 1 --json)" '"clock_change":"skipped"'

contains "Paris, France, in its region" "$("$cli" place Paris --country FR --limit 1 --json)" \
  '{"name":"Paris","state":"Île-de-France","country":"France","country_code":"FR",'
for state in Ontario ON; do
  contains "London in the state $state" "$("$cli" place London --state "$state" --limit 1)" \
    "London, Ontario, Canada (CA) | pop. "
done

# At today's date and the time now: London's offset and abbreviation as the
# system's clock gives them there.
contains "London now" "$(TZ=Europe/London "$cli" place London --limit 1)" \
  "London, England, United Kingdom (GB) | pop. 8961989 | 51N31 0W08 | Europe/London UTC$(TZ=Europe/London date +%:z) $(TZ=Europe/London date +%Z)"

empty=$(mktemp)
echo '{"places":[],"did_you_mean":[]}' >"$empty"
check "no match, JSON" 0 "$empty" "" "$cli" place zzqqxxj --json
check "no match, text" 0 "" "" "$cli" place zzqqxxj
check "a real country without the place" 0 "$empty" "" "$cli" place zzqqxxj --country Japan --json
rm -f "$empty"
check "a misspelt name, text" 0 "" "" "$cli" place Chicgo
contains "a misspelt name: the note" "$("$cli" place Chicgo 2>&1 >/dev/null)" \
  'No place is named "Chicgo" or has a name beginning with it. Did you mean "Chicago"'
contains "a misspelt name, JSON" "$("$cli" place Edinbrugh --json 2>/dev/null)" '{"places":[],"did_you_mean":["Edinburgh"'

check "30 February" 1 "" "Please Enter Your Correct Date Or Month!" "$cli" place London --date 2021-02-30
check "no query" 2 "" "" "$cli" place
check "limit 0" 2 "" "" "$cli" place London --limit 0
check "time 25:00" 2 "" "" "$cli" place London --time 25:00
for country in Holland XX; do
  check "no country named $country" 1 "" "No country named $country" "$cli" place London --country "$country" --json
done
check "atlas missing" 3 "" "zentara-cli place: cannot read the atlas file /nonexistent/atlas.bin: no such file" \
  env ZENTARA_ATLAS_FILE=/nonexistent/atlas.bin "$cli" place London
pipe=$(mktemp -d)
mkfifo "$pipe/fifo.bin"
check "a pipe as the atlas" 3 "" "zentara-cli place: cannot read the atlas file $pipe/fifo.bin: it is not a regular file" \
  timeout 20 env ZENTARA_ATLAS_FILE="$pipe/fifo.bin" "$cli" place London
rm -rf "$pipe"

finish
