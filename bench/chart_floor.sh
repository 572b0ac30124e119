#!/usr/bin/env bash
# Instructions of one partner's chart against its floor, the instructions it
# spends inside the maths library (libm: sin, cos, tan, atan, floor...), which
# no rewrite of the engines' own code can remove. Counts with valgrind's
# callgrind over zentara-chart-floor, which computes the worked birth's chart
# COUNT times; only its loop (ComputeCharts) is counted.
#
#   bash bench/chart_floor.sh [BUILD_DIR] [COUNT]    (defaults: build 100)
set -euo pipefail

build=${1:-build}
count=${2:-100}
driver=$build/bin/zentara-chart-floor
[ -x "$driver" ] || { echo "missing $driver (build the project)" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "valgrind is missing (scripts/setup.sh installs it)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" --toggle-collect='*ComputeCharts*' \
  "$driver" "$count" >/dev/null 2>"$work/valgrind.log" || { cat "$work/valgrind.log" >&2; exit 1; }

# The profile lists, under each function of each object (ob=, fn=), the
# function's own instructions as "position count" lines; a line after calls=
# is a callee's whole cost and is left out, so each instruction counts once.
awk -v count="$count" '
  function name(spec,    id) {  # "(3) /lib/libm.so.6" names object 3; "(3)" alone refers to it
    if (match(spec, /^\([0-9]+\)/)) {
      id = substr(spec, 1, RLENGTH)
      if (length(spec) > RLENGTH) objects[id] = substr(spec, RLENGTH + 2)
      return objects[id]
    }
    return spec
  }
  /^ob=/ { object = name(substr($0, 4)); next }
  /^cob=/ { name(substr($0, 5)); next }  # the object of a callee may be named here first
  /^calls=/ { skip = 1; next }
  /^[0-9+*-]/ {
    if (skip) { skip = 0; next }
    all += $2
    if (object ~ /\/libm\.so/) maths += $2
  }
  END {
    if (maths == 0) { print "no instructions were counted in libm" > "/dev/stderr"; exit 1 }
    printf "one partner'\''s chart, mean of %d: %.0f instructions, %.0f of them in libm\n", count, all / count, maths / count
    printf "ratio to the libm floor: %.2f\n", all / maths
  }' "$work/callgrind.out"
