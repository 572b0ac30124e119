#!/usr/bin/env bash
# zentara-cli place: one place's JSON and a narrowed look-up's text against
# golden output, whatever the machine's own time zone; regions by name and
# code; a place no zone row can give; no match and the names offered instead;
# the look-up at today's date; and the refusals. people add --place: the place
# that place lists first, or the same refusals. Queries of a megabyte.
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
check "no name before the comma" 2 "" "zentara-cli place: QUERY holds no name to look up" "$cli" place " - " ", IL"

# A state or country that names none is refused with the closest names, the
# state in the country given; a real state without the place is no match.
check "no country named XX" 1 "" "No country named XX" "$cli" place London --country XX --json
check "a misspelt country" 1 "" 'No country named Unitd States. Did you mean "United States"?' \
  "$cli" place Paris --country "Unitd States" --json
check "no state named Mass" 1 "" 'No state or region named Mass. Did you mean "Massachusetts"?' \
  "$cli" place Springfield --state Mass
check "Bavaria, US" 1 "" "No state or region named Bavaria in US" "$cli" place Munich --state Bavaria --country US
empty=$(mktemp)
echo '{"places":[],"did_you_mean":[]}' >"$empty"
check "Tyrol has no Springfield" 0 "$empty" "" "$cli" place Springfield --state Tyrol --json

# people add --place takes the place that place lists first, and refuses where
# place has none or refuses.
export ZENTARA_BOOK=$(mktemp -d)/people.sqlite
add() { "$cli" people add --name P --date 1980-01-01 "$@"; }
for query in "Springfield|Illinois|" "Paris||United States" "Springfield, Mass||" "München||" "Springfield|Tyrol|" \
  "Chicago|Bavaria|" "London|ON|Canada"; do
  IFS='|' read -r name state country <<<"$query"
  first=$("$cli" place "$name" --state "$state" --country "$country" --limit 1 --json |
    grep -oE '"lat":"[^"]*","lon":"[^"]*","timezone":"[^"]*"' | tr -d '"' | tr ',' ' ')
  if id=$(add --place "$name" --state "$state" --country "$country" 2>/dev/null); then
    stored=$("$cli" people show "$id" | grep -E '^(lat|lon|timezone):' | tr -d ' ' | paste -sd ' ')
  else
    stored=""
  fi
  if [ "$first" = "$stored" ]; then passes=$((passes + 1)); else
    echo "--place $query: place lists '$first' first, --place stored '$stored'"; failures=$((failures + 1)); fi
done
check "--place, no state named Mass" 1 "" \
  'zentara-cli people add: No state or region named Mass. Did you mean "Massachusetts"?' \
  add --place Springfield --state Mass
check "--place, a misspelt country" 1 "" \
  'zentara-cli people add: No country named Unitd States. Did you mean "United States"?' \
  add --place Paris --country "Unitd States"
check "--place, Tyrol has no Springfield" 1 "" "zentara-cli people add: No place named Springfield in Tyrol" \
  add --place Springfield --state Tyrol

# A megabyte pasted as the query (in words of 100 KB, the most one word may
# be), as a name and as parts after commas; 100 KB as --place and --state.
word=$(head -c 100000 /dev/zero | tr '\0' a)
parts=$(head -c 99999 /dev/zero | tr '\0' x | sed 's/xxx/ON,/g')
shown="$(head -c 80 /dev/zero | tr '\0' a)..."
check "a megabyte of name" 0 "$empty" "" timeout 20 "$cli" place $(printf "$word %.0s" {1..10}) --json
contains "London, and a megabyte of 'ON,'" \
  "$(timeout 20 "$cli" place London, $(printf "$parts %.0s" {1..10}) --limit 1)" "London, Ontario, Canada (CA) | "
check "--place of 100 KB" 1 "" "zentara-cli people add: No place named $shown" timeout 20 "$cli" people add \
  --name P --date 1980-01-01 --place "$word"
check "--state of 100 KB" 1 "" "No state or region named $shown" timeout 20 "$cli" place London --state "$word"
rm -f "$empty"
check "atlas missing" 3 "" "zentara-cli place: cannot read the atlas file /nonexistent/atlas.bin: no such file" \
  env ZENTARA_ATLAS_FILE=/nonexistent/atlas.bin "$cli" place London
pipe=$(mktemp -d)
mkfifo "$pipe/fifo.bin"
check "a pipe as the atlas" 3 "" "zentara-cli place: cannot read the atlas file $pipe/fifo.bin: it is not a regular file" \
  timeout 20 env ZENTARA_ATLAS_FILE="$pipe/fifo.bin" "$cli" place London
rm -rf "$pipe"

finish
