#!/usr/bin/env bash
# The house cusps against Swiss Ephemeris's, in one run:
#  - the formulas: N seeded random skies (sidereal time, latitude within 66
#    degrees, obliquity; default 3,000), every cusp of the seven systems
#    against swe_houses_armc's from the same three numbers, and 2,000 skies at
#    67 to 89 degrees, where Placidus and Koch must fall back exactly where the
#    reference says they fail;
#  - whole charts of date: N seeded random births within 60 degrees, every
#    cusp cut to the minute against the reference's cut to the minute;
#  - the CPU time of one chart's Placidus cusps.
#
# Swiss Ephemeris (Debian libswe-dev, AGPL) is only a reference: its programs
# (bench/reference/) are built here by hand, never by the project's build,
# and never installed or shipped.
#   bash bench/house_accuracy.sh [BUILD_FOLDER] [N] [SEED]
#   bash bench/house_accuracy.sh --keep [BUILD_FOLDER]   # rewrite tests/data/house_reference.txt
set -euo pipefail
cd "$(dirname "$0")/.."
keep=false
if [ "${1:-}" = "--keep" ]; then keep=true; shift; fi
build=${1:-build}
count=${2:-3000}
seed=${3:-1}
if ! pkg-config --exists swe; then
  echo "house_accuracy.sh: needs Swiss Ephemeris for the reference: apt-get install libswe-dev" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gcc -O2 -o "$work/swe_house_cusps" bench/reference/swe_house_cusps.c $(pkg-config --cflags --libs swe) -lm
gcc -O2 -o "$work/swe_positions" bench/reference/swe_positions.c $(pkg-config --cflags --libs swe) -lm
bench="$build/bin/zentara-bench-houses"
if $keep; then
  "$bench" sample 20261208 | "$work/swe_house_cusps" P K R C O E W >tests/data/house_reference.txt
  echo "wrote tests/data/house_reference.txt"
  exit 0
fi
echo "== The formulas, within 66 degrees"
"$bench" skies "$count" "$seed" 0 66 | "$work/swe_house_cusps" P K R C O E W >"$work/skies.txt"
"$bench" compare "$work/skies.txt"
echo "== Beyond the polar circles, 67 to 89 degrees"
"$bench" skies 2000 "$seed" 67 89 | "$work/swe_house_cusps" P K R C O E W >"$work/polar.txt"
"$bench" compare "$work/polar.txt" | grep -E "skies|Porphyry in place"
echo "== Whole charts of date, within 60 degrees"
"$build/bin/zentara-bench-sky" moments "$count" "$seed" | "$work/swe_positions" P K R C O E W >"$work/charts.txt"
"$bench" charts "$work/charts.txt"
echo "== CPU for one chart's Placidus cusps, microseconds"
"$bench" time "$work/skies.txt" 50
