#!/usr/bin/env bash
# What a run pays for the atlas of places the first time it needs it, side by
# side with its baselines, as medians over RUNS runs taken in turns:
#
# - the wall time of `zentara-cli place Munich` (the atlas opened, searched,
#   two zone files read) against `zentara-cli zones` (the same program, which
#   opens no atlas), and the median of their ratio run by run;
# - the library's share of the desktop's first look-up (`zentara-bench-places`'s
#   FirstPlaceList: the atlas opened, the window's first search, the places'
#   offsets with their zone files read);
# - the desktop's first look-up (`zentara-bench-lookup`'s FirstLookUp: the
#   look-up window opened from the entry form, the atlas opened, the list
#   filled, on an offscreen 1280 by 1024 screen, where the window opens at its
#   own size), to its list filled and to the window shown and painted,
#   against a later one in the same process
#   (LookUpAgain: the window alone), and against the toolkit's floor, a window
#   of Qt's own controls as the look-up window has them shown for the first
#   time (FirstBareWindow, in its own process, in turns), with the median of
#   their ratio run by run; and the private memory (RssAnon) the window adds
#   with its longest list;
# - what a warm-up while the user types could take off the first look-up, each
#   in its own process, in turns with the above: the first look-up after a
#   look-up window was built and painted unshown (FirstLookUpAfterWarmUp), and
#   the first showing of such a window, all else done beforehand
#   (FirstShowOfAPaintedWindow).
#
#   bash bench/places_startup.sh [BUILD_DIR] [RUNS]    (defaults: build 30)
set -euo pipefail
export LC_ALL=C

build=${1:-build}
runs=${2:-30}
cli=$build/bin/zentara-cli
places=$build/bin/zentara-bench-places
lookup=$build/bin/zentara-bench-lookup
for program in "$cli" "$places"; do
  [ -x "$program" ] || { echo "missing $program (build the project)" >&2; exit 2; }
done

median() { sort -g | awk '{ value[NR] = $1 } END { print (NR % 2) ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'; }

# The milliseconds one run of the command takes, from its start to its exit.
wall_ms() {
  local started=$EPOCHREALTIME
  "$@" >/dev/null
  awk -v started="$started" -v ended="$EPOCHREALTIME" 'BEGIN { printf "%.3f\n", (ended - started) * 1000 }'
}

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
"$cli" place Munich >/dev/null  # the files in the system's cache, as on any later run
place=() zones=() ratios=()
for _ in $(seq "$runs"); do
  a=$(wall_ms "$cli" place Munich)
  b=$(wall_ms "$cli" zones)
  place+=("$a") zones+=("$b")
  ratios+=("$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.3f\n", a / b }')")
done
printf '%-44s %10s ms\n' "zentara-cli place Munich" "$(printf '%s\n' "${place[@]}" | median)"
printf '%-44s %10s ms\n' "zentara-cli zones" "$(printf '%s\n' "${zones[@]}" | median)"
printf '%-44s %10s\n' "ratio, run by run" "$(printf '%s\n' "${ratios[@]}" | median)"

library=()
for _ in $(seq "$runs"); do
  library+=("$("$places" --benchmark_filter=FirstPlaceList 2>/dev/null | awk '$1 ~ /^FirstPlaceList/ { print $2 }')")
done
printf '%-44s %10s ms\n' "the first look-up's share in the library" "$(printf '%s\n' "${library[@]}" | median)"

if [ ! -x "$lookup" ]; then
  echo "no $lookup (a build without the GUI): the desktop's look-up is not measured"
  exit 0
fi
# The wall time of one benchmark of the look-up run alone, first in its process.
alone_ms() {
  QT_QPA_PLATFORM=offscreen "$lookup" --benchmark_filter="^$1/" 2>/dev/null | awk -v name="$1" 'index($1, name "/") == 1 { print $2 }'
}
first=() firstCpu=() filled=() again=() added=() bare=() bareRatios=() warmed=() painted=()
for _ in $(seq "$runs"); do
  out=$(QT_QPA_PLATFORM=offscreen "$lookup" --benchmark_filter='^(FirstLookUp/|LookUpAgain)' --benchmark_min_time=0.05 2>/dev/null)
  floor=$(alone_ms FirstBareWindow)
  warmed+=("$(alone_ms FirstLookUpAfterWarmUp)")
  painted+=("$(alone_ms FirstShowOfAPaintedWindow)")
  a=$(awk '$1 ~ /^FirstLookUp\// { print $2 }' <<<"$out")
  first+=("$a") bare+=("$floor")
  bareRatios+=("$(awk -v a="$a" -v b="$floor" 'BEGIN { printf "%.3f\n", a / b }')")
  firstCpu+=("$(awk '$1 ~ /^FirstLookUp\// { print $4 }' <<<"$out")")
  filled+=("$(grep -o 'list_filled_ms=[0-9.]*' <<<"$out" | cut -d= -f2)")
  again+=("$(awk '$1 == "LookUpAgain" { print $2 }' <<<"$out")")
  added+=("$(grep -o 'private_added_MB=[0-9.]*' <<<"$out" | cut -d= -f2)")
done
printf '%-44s %10.2f ms\n' "the desktop's first look-up, to its list" "$(printf '%s\n' "${filled[@]}" | median)"
printf '%-44s %10s ms (%s ms CPU)\n' "... to its window shown and painted" "$(printf '%s\n' "${first[@]}" | median)" \
  "$(printf '%s\n' "${firstCpu[@]}" | median)"
printf '%-44s %10s ms\n' "a later look-up (the window alone)" "$(printf '%s\n' "${again[@]}" | median)"
printf '%-44s %10s ms\n' "the first, after a window painted unshown" "$(printf '%s\n' "${warmed[@]}" | median)"
printf '%-44s %10s ms\n' "a painted window's first showing alone" "$(printf '%s\n' "${painted[@]}" | median)"
printf '%-44s %10s ms\n' "Qt's own controls alike, first shown" "$(printf '%s\n' "${bare[@]}" | median)"
printf '%-44s %10s\n' "first look-up to them, run by run" "$(printf '%s\n' "${bareRatios[@]}" | median)"
printf '%-44s %10s MB\n' "private memory the open window adds" "$(printf '%s\n' "${added[@]}" | median)"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
