#!/usr/bin/env bash
# Times zentara-cli match --batch on generated couples and sets it against the
# PartnerChart benchmark (one partner's three engine steps) of the same build,
# run in the same go.
#
#   bash bench/match_batch_bench.sh [BUILD_DIR] [ROWS...]    (defaults: build 100000 1000000)
#
# For each size it writes ROWS couples of varied valid entries to a temporary
# file, runs the batch on it with the output thrown away, and reports couples
# per second, CPU time per couple against two PartnerChart runs, and the peak
# resident memory (GNU time's "Maximum resident set size"), all on one thread
# (--jobs 1); then runs it again with --aspects and reports its CPU time per
# couple against the plain batch's; with --equinox date (every position true
# to the sky) and reports its CPU time per couple beside the default's; with
# --houses placidus --overlays (both partners' cusps and the overlays both
# ways) and reports its CPU time per couple against the plain batch's; and
# then on every core (--jobs, the default) and reports its couples per second
# against one job's and its peak memory.
set -euo pipefail

build=${1:-build}
shift || true
sizes=("$@")
if ((${#sizes[@]} == 0)); then sizes=(100000 1000000); fi
cli=$build/bin/zentara-cli
chart_bench=$build/bin/zentara-bench-chart
for program in "$cli" "$chart_bench" /usr/bin/time; do
  [ -x "$program" ] || { echo "missing $program (build the project; GNU time comes with scripts/setup.sh)" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ROWS couples from a fixed seed: dates over the whole year list (days 1 to 28,
# so every date passes), every hour, minute and zone row, both hemispheres.
generate() {
  awk -v rows="$1" 'BEGIN {
    srand(20240601)
    split("John Mary Amit Priya Carlos Ana Li Mei Olu Ada Ivan Olga Sam Kim", names, " ")
    split("Delhi|New York|Sydney|Buenos Aires|Lagos|Oslo|Tokyo|Lima", cities, "|")
    split("Delhi|New York|New South Wales|Buenos Aires|Lagos|Oslo|Tokyo|Lima", states, "|")
    split("India|USA|Australia|Argentina|Nigeria|Norway|Japan|Peru", countries, "|")
    header = ""
    split("name date time zone dst lat lon city state country", columns, " ")
    for (p = 0; p < 2; p++) for (c = 1; c <= 10; c++)
      header = header (header == "" ? "" : ",") (p == 0 ? "male-" : "female-") columns[c]
    print header
    for (r = 0; r < rows; r++) {
      line = ""
      for (p = 0; p < 2; p++) {
        place = 1 + int(rand() * 8)
        line = line (p == 0 ? "" : ",") names[1 + int(rand() * 14)] \
          sprintf(",%04d-%02d-%02d", 1901 + int(rand() * 150), 1 + int(rand() * 12), 1 + int(rand() * 28)) \
          sprintf(",%d:%02d,%d,%d", int(rand() * 24), int(rand() * 60), int(rand() * 71), rand() < 0.3) \
          sprintf(",%d%s%02d", int(rand() * 90), rand() < 0.5 ? "N" : "S", int(rand() * 60)) \
          sprintf(",%d%s%02d", int(rand() * 180), rand() < 0.5 ? "E" : "W", int(rand() * 60)) \
          "," (place == 2 ? "\"New York\"" : cities[place]) "," states[place] "," countries[place]
      }
      print line
    }
  }'
}

# Median CPU nanoseconds of one run of PartnerChart (the worked birth again
# and again) and of VariedPartnerCharts (a different birth each run).
"$chart_bench" --benchmark_filter='^(PartnerChart|VariedPartnerCharts)$' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null >"$work/charts.csv"
median() { awk -F, -v name="\"$1_median\"" '$1 == name { print $4 }' "$work/charts.csv"; }
chart_ns=$(median PartnerChart)
varied_ns=$(median VariedPartnerCharts)
echo "PartnerChart: ${chart_ns} ns CPU; VariedPartnerCharts: ${varied_ns} ns CPU (medians of 5)"
printf '%10s %12s %14s %12s %8s %12s %8s %14s\n' rows couples/s "CPU ns/couple" "2 x chart" ratio \
  "2 x varied" ratio "peak RSS KiB"

# Runs the batch on the couples with any further options given, timed by GNU time into $work/time.txt.
# Wall seconds of the last run.
wall_seconds() {
  awk -F': ' '/Elapsed \(wall clock\) time/ { n = split($2, t, ":"); wall = 0; for (i = 1; i <= n; i++) wall = wall * 60 + t[i] }
    END { print wall }' "$work/time.txt"
}

run_batch() {
  local status=0
  /usr/bin/time -v -o "$work/time.txt" "$cli" match --batch "$work/couples.csv" "$@" >/dev/null 2>"$work/errors.txt" ||
    status=$?
  if [ "$status" -ne 0 ]; then
    echo "zentara-cli match --batch $* ended with exit status $status:" >&2
    head -n 5 "$work/errors.txt" >&2
    exit 1
  fi
}
# CPU nanoseconds a couple of the last run.
cpu_per_couple() {
  awk -v rows="$1" -F': ' '/User time \(seconds\)/ { user = $2 } /System time \(seconds\)/ { sys = $2 }
    END { printf "%.0f", (user + sys) * 1e9 / rows }' "$work/time.txt"
}

aspect_lines=()
date_lines=()
house_lines=()
jobs_lines=()
cores=$(nproc)
for rows in "${sizes[@]}"; do
  generate "$rows" >"$work/couples.csv"
  run_batch --jobs 1
  plain_ns=$(cpu_per_couple "$rows")
  one_wall=$(wall_seconds)
  awk -v rows="$rows" -v chart="$chart_ns" -v varied="$varied_ns" -F': ' '
    /User time \(seconds\)/ { user = $2 }
    /System time \(seconds\)/ { sys = $2 }
    /Elapsed \(wall clock\) time/ { n = split($2, t, ":"); wall = 0; for (i = 1; i <= n; i++) wall = wall * 60 + t[i] }
    /Maximum resident set size/ { rss = $2 }
    END {
      cpu = (user + sys) * 1e9 / rows
      printf "%10d %12.0f %14.0f %12.0f %8.2f %12.0f %8.2f %14d\n", rows, rows / wall, cpu,
             2 * chart, cpu / (2 * chart), 2 * varied, cpu / (2 * varied), rss
    }' "$work/time.txt"
  run_batch --aspects --jobs 1
  aspects_ns=$(cpu_per_couple "$rows")
  aspect_lines+=("$(awk -v rows="$rows" -v plain="$plain_ns" -v aspects="$aspects_ns" \
    'BEGIN { printf "%10d %16d %18d %8.2f", rows, plain, aspects, aspects / plain }')")
  run_batch --equinox date --jobs 1
  date_ns=$(cpu_per_couple "$rows")
  date_lines+=("$(awk -v rows="$rows" -v plain="$plain_ns" -v date="$date_ns" \
    'BEGIN { printf "%10d %16d %18d %8.2f", rows, plain, date, date / plain }')")
  run_batch --houses placidus --overlays --jobs 1
  houses_ns=$(cpu_per_couple "$rows")
  house_lines+=("$(awk -v rows="$rows" -v plain="$plain_ns" -v houses="$houses_ns" \
    'BEGIN { printf "%10d %16d %18d %8.2f", rows, plain, houses, houses / plain }')")
  run_batch
  every_wall=$(wall_seconds)
  every_rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
  jobs_lines+=("$(awk -v rows="$rows" -v one="$one_wall" -v every="$every_wall" -v rss="$every_rss" \
    'BEGIN { printf "%10d %16.0f %18.0f %8.2f %14d", rows, rows / one, rows / every, one / every, rss }')")
done
echo "ratio: CPU time per couple of the batch over two chart runs (target against PartnerChart: at most 1.3)"
echo
printf '%10s %16s %18s %8s\n' rows "CPU ns/couple" "with --aspects" ratio
printf '%s\n' "${aspect_lines[@]}"
echo "ratio: CPU time per couple with --aspects over without (target: at most 1.15)"
echo
printf '%10s %16s %18s %8s\n' rows "CPU ns/couple" "--equinox date" ratio
printf '%s\n' "${date_lines[@]}"
echo "ratio: CPU time per couple with every position true to the sky over the default's"
echo
printf '%10s %16s %18s %8s\n' rows "CPU ns/couple" "houses, overlays" ratio
printf '%s\n' "${house_lines[@]}"
echo "ratio: CPU time per couple with --houses placidus --overlays over without (target: at most 1.3)"
echo
printf '%10s %16s %18s %8s %14s\n' rows "couples/s, 1 job" "couples/s, $cores jobs" ratio "peak RSS KiB"
printf '%s\n' "${jobs_lines[@]}"
echo "ratio: couples per second on every core over one job's (target on 2 cores: at least 1.8)"
