#!/usr/bin/env bash
# The positions true to the sky (--equinox date) against Swiss Ephemeris, side
# by side in one run: N seeded random moments from 1901 to 2050 at latitudes
# within 60 degrees (default 3,000, seed 1), every point's error as the
# program shows it, and the CPU time a chart of each.
#
# Swiss Ephemeris (Debian libswe-dev, AGPL) is only a reference: its program
# (bench/reference/swe_positions.c) is built here by hand, never by the
# project's build, and never installed or shipped.
#   bash bench/sky_accuracy.sh [BUILD_FOLDER] [N] [SEED]
#   bash bench/sky_accuracy.sh --keep [BUILD_FOLDER]   # rewrite tests/data/sky_reference.txt
set -euo pipefail
cd "$(dirname "$0")/.."
keep=false
if [ "${1:-}" = "--keep" ]; then keep=true; shift; fi
build=${1:-build}
count=${2:-3000}
seed=${3:-1}
if ! pkg-config --exists swe; then
  echo "sky_accuracy.sh: needs Swiss Ephemeris for the reference: apt-get install libswe-dev" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gcc -O2 -o "$work/swe_positions" bench/reference/swe_positions.c $(pkg-config --cflags --libs swe) -lm
if $keep; then
  # The test's sample: 300 moments, their reference positions and the twelve
  # cusps of each house system the houses will be checked against.
  "$build/bin/zentara-bench-sky" moments 300 20261208 | "$work/swe_positions" >tests/data/sky_reference.txt
  echo "wrote tests/data/sky_reference.txt"
  exit 0
fi
"$build/bin/zentara-bench-sky" moments "$count" "$seed" >"$work/moments.txt"
"$work/swe_positions" <"$work/moments.txt" >"$work/reference.txt"
"$build/bin/zentara-bench-sky" compare "$work/reference.txt"
head -1000 "$work/moments.txt" >"$work/timed.txt"
ours=$("$build/bin/zentara-bench-sky" time "$work/reference.txt" 5)
theirs=$("$work/swe_positions" -time 5 <"$work/timed.txt")
echo "CPU a chart (the ten bodies, the node, the ascendant and the midheaven), in turns:"
echo "  this program: $ours us; Swiss Ephemeris (Moshier): $theirs us; ratio $(awk -v a="$ours" -v b="$theirs" 'BEGIN { printf "%.2f", b / a }')"
