#!/usr/bin/env bash
# zentara-cli chart: the worked chart of 15 August 1975 against golden output,
# the entry form's date messages with exit status 1, and usage errors with exit
# status 2.
set -uo pipefail
cli=$1
data=$2
source "$(dirname "$0")/cli_checks.sh"

# 14:30 at zone row 34 (Indian Time, 5 h 30 min), 28° 36' north, 77° 13' east.
place=(--time 14:30 --zone 34 --lat 28N36 --lon 77E13)
worked=(--date 1975-08-15 "${place[@]}")

check "worked chart, text" 0 "$data/chart_1975_08_15.txt" "" "$cli" chart "${worked[@]}"
check "worked chart, json" 0 "$data/chart_1975_08_15.json" "" "$cli" chart "${worked[@]}" --json
check "options in another order, with =" 0 "$data/chart_1975_08_15.txt" "" \
  "$cli" chart --lon=77E13 --lat=28N36 --zone=34 --time=14:30 --date=1975-08-15

# Daylight saving computes one hour earlier: the Moon moves back to 7° 10' Sag.
dst_moon=$("$cli" chart "${worked[@]}" --dst | grep '^Moon: ')
if [ "$dst_moon" = "Moon: 07 Sag 10" ]; then passes=$((passes + 1)); else
  echo "worked chart with --dst: '$dst_moon', expected 'Moon: 07 Sag 10'"; failures=$((failures + 1)); fi
dst_time=$("$cli" chart "${worked[@]}" --dst | head -n 1)
if [ "$dst_time" = "Universal time: 8.0" ]; then passes=$((passes + 1)); else
  echo "worked chart with --dst: '$dst_time', expected 'Universal time: 8.0'"; failures=$((failures + 1)); fi

# The entry form's date rules.
check "29 February 1904" 0 "-" "" "$cli" chart --date 1904-02-29 "${place[@]}"
check "30 February 1904" 1 "" "Please Enter Your Correct Date Or Month!" "$cli" chart --date 1904-02-30 "${place[@]}"
check "29 February 1901" 1 "" "Please Enter Your Correct Date Or Month!" "$cli" chart --date 1901-02-29 "${place[@]}"
check "31 February 2000" 1 "" "Please Enter Your Correct Date Or Month!" "$cli" chart --date 2000-02-31 "${place[@]}"
check "31 April" 1 "" "Please Enter Your Correct Date Or Month !" "$cli" chart --date 1975-04-31 "${place[@]}"
check "31 November" 1 "" "Please Enter Your Correct Date Or Month !" "$cli" chart --date 1975-11-31 "${place[@]}"
check "31 December" 0 "-" "" "$cli" chart --date 2050-12-31 "${place[@]}"

# What the form could not hold.
check "year 1900" 2 "" "" "$cli" chart --date 1900-01-01 "${place[@]}"
check "year 2051" 2 "" "" "$cli" chart --date 2051-01-01 "${place[@]}"
check "month 13" 2 "" "" "$cli" chart --date 1975-13-01 "${place[@]}"
check "day 32" 2 "" "" "$cli" chart --date 1975-01-32 "${place[@]}"
check "date in another form" 2 "" "" "$cli" chart --date 15.08.1975 "${place[@]}"
check "hour 24" 2 "" "" "$cli" chart --date 1975-08-15 --time 24:00 --zone 34 --lat 28N36 --lon 77E13
check "minute 60" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:60 --zone 34 --lat 28N36 --lon 77E13
check "zone row 71" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone 71 --lat 28N36 --lon 77E13
check "zone not a number" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone IST --lat 28N36 --lon 77E13
check "latitude direction E" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone 34 --lat 28E36 --lon 77E13
check "latitude four digits" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone 34 --lat 2800N36 --lon 77E13
check "longitude without minutes" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone 34 --lat 28N36 --lon 77E
check "negative longitude" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone 34 --lat 28N36 --lon -77E13
check "longitude missing" 2 "" "" "$cli" chart --date 1975-08-15 --time 14:30 --zone 34 --lat 28N36
check "three-digit boxes pass" 0 "-" "" "$cli" chart --date 1975-08-15 --time 0:00 --zone 0 --lat 999S999 --lon 999W999

# --equinox: j2000 is what the chart has always given; of date, a birth of
# 1901 has every point true to the sky (Swiss Ephemeris gives the Sun at
# 279.9092 degrees, Mercury at 267.6794 and the Moon at 48.3162), and the node
# it shows is said.
check "--equinox j2000" 0 "$data/chart_1975_08_15.txt" "" "$cli" chart "${worked[@]}" --equinox j2000
greenwich=(--date 1901-01-01 --time 0:00 --zone 29 --lat 51N29 --lon 0W00)
of_date=$("$cli" chart "${greenwich[@]}" --equinox date)
expected="Sun: 09 Cap 54|Moon: 18 Tau 19|Mercury: 27 Sag 40|Equinox: date|Node: mean"
same "--equinox date in 1901" "$expected" "$(grep -e '^Sun:' -e '^Moon:' -e '^Mercury:' -e '^Equinox:' -e '^Node:' <<<"$of_date" | paste -sd'|')"
json=$("$cli" chart "${greenwich[@]}" --equinox date --json)
if [[ $json == *'"text":"09 Cap 54"'*'"equinox":"date","node":"mean"}' ]]; then passes=$((passes + 1)); else
  echo "--equinox date --json: $json"; failures=$((failures + 1)); fi
# --node true: the osculating node of the date, with either equinox.
same "--node true" "N Node: 27 Sco 04|S Node: 27 Tau 04|Node: true" \
  "$("$cli" chart "${worked[@]}" --node true | grep -e 'Node:' | paste -sd'|')"
check "--node of another name" 2 "" "zentara-cli chart: --node: must be mean or true, not 'lunar'" \
  "$cli" chart "${worked[@]}" --node lunar
check "--equinox of another name" 2 "" "zentara-cli chart: --equinox: must be j2000 or date, not 'sky'" \
  "$cli" chart "${worked[@]}" --equinox sky

# --houses: the twelve cusps after the positions; Whole Sign starts at the
# ascendant's sign (13 Sag 43); beyond the polar circle Placidus gives way to
# Porphyry and says so; latitudes the boxes allow past the pole give cusps
# too, never "nan"; an unknown system is a usage error.
whole=$("$cli" chart "${worked[@]}" --houses whole-sign)
expect "--houses whole-sign" test "$(sed -n '/^Houses:/,$p' <<<"$whole" | sed -n '1p;2p;11p' | paste -sd'|')" = \
  "Houses: Whole Sign|Cusp 1: 00 Sag 00|Cusp 10: 00 Vir 00"
polar=$("$cli" chart --date 1975-08-15 --time 14:30 --zone 34 --lat 70N00 --lon 25E00 --houses placidus --json)
expect "--houses placidus at 70N" grep -qF '"used":"porphyry","fallback":"Placidus has no cusps at 70° N; Porphyry used"' \
  <<<"$polar"
for system in placidus koch regiomontanus campanus porphyry equal whole-sign; do
  far=$("$cli" chart --date 1975-08-15 --time 0:00 --zone 0 --lat 999S999 --lon 999W999 --houses "$system")
  expect "--houses $system at 999S999" test "$(grep -cE '^Cusp [0-9]+: [0-2][0-9] [A-Z][a-z]{2} [0-5][0-9]$' <<<"$far")" = 12
done
check "--houses unknown" 2 "" \
  "zentara-cli chart: --houses: must be placidus, koch, regiomontanus, campanus, porphyry, equal or whole-sign, not 'bogus'" \
  "$cli" chart "${worked[@]}" --houses bogus

finish
