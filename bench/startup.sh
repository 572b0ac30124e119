#!/usr/bin/env bash
# Start-up of the desktop program against the toolkit's floor: the time from
# starting zentara in a private Xvfb until its start form is shown and painted,
# and its resident memory then (VmRSS), side by side with
# zentara-bench-bare-window (one QMainWindow with a label, linked the same way),
# as medians over RUNS runs of each, taken in turns.
#
#   bash bench/startup.sh [BUILD_DIR] [RUNS]    (defaults: build 20)
#
# Both programs print the moment their first window is shown when
# ZENTARA_REPORT_SHOWN is set (shell/startup_report.h). Every start has a
# private runtime folder (no single-copy lock held) and private settings. An
# everyday start finds the update reminder's date already stored; a first start
# has empty settings, so zentara stores today's date before its form appears.
set -euo pipefail
export LC_ALL=C
declare -A ms kib

build=${1:-build}
runs=${2:-20}
zentara=$build/bin/zentara
bare=$build/bin/zentara-bench-bare-window
for program in "$zentara" "$bare"; do
  [ -x "$program" ] || { echo "missing $program (build the project with the GUI)" >&2; exit 2; }
done

source "$(dirname "$0")/../tests/e2e/x_session.sh"
# A desktop's runtime folder (/run/user/UID) is in memory, where the
# single-copy lock costs no disk write: so are these.
runtime=$(mktemp -d -p /dev/shm)
trap 'cleanup; rm -rf "$runtime"' EXIT

# One start of $1 with the settings folder $2 (home and configuration): prints
# the milliseconds until it was shown and its VmRSS in KiB then. Each start
# gets a fresh runtime folder, as after a copy that ended normally. The
# program's error output comes through a pipe read with bash's own `read`, so
# that no other process runs beside the start being timed.
started_runs=0
start_once() {
  local program=$1 settings=$2 run=$runtime/run-$((++started_runs))
  mkdir -p -m 700 "$run/runtime" "$settings/home" "$settings/config"
  mkfifo "$run/stderr"
  local started=$EPOCHREALTIME
  XDG_RUNTIME_DIR=$run/runtime HOME=$settings/home XDG_CONFIG_HOME=$settings/config ZENTARA_REPORT_SHOWN=1 \
    "$program" 2>"$run/stderr" &
  local pid=$!
  pids+=("$pid")
  local shown="" line said="" errors
  exec {errors}<"$run/stderr"
  while IFS= read -r -t 20 -u "$errors" line; do
    if [[ $line == "shown "* ]]; then
      shown=${line#shown }
      break
    fi
    said+="$line"$'\n'
  done
  [ -n "$shown" ] || fail "$program showed no window within 20 s: $said"
  local rss
  rss=$(awk '$1 == "VmRSS:" { print $2 }' "/proc/$pid/status")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exec {errors}<&-
  awk -v started="$started" -v shown="$shown" -v rss="$rss" \
    'BEGIN { printf "%.1f %d\n", (shown - started) * 1000, rss }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Everyday starts share one private settings folder, in which a first start,
# unmeasured, has stored the update reminder's date (and put both programs'
# libraries in the page cache). First starts get an empty one each: zentara
# then writes the reminder's date before showing its form.
start_once "$zentara" "$work/everyday" >/dev/null
start_once "$bare" "$work/everyday" >/dev/null
for kind in everyday first; do : >"$work/$kind-zentara.txt"; : >"$work/$kind-bare.txt"; done
for run in $(seq "$runs"); do
  start_once "$zentara" "$work/everyday" >>"$work/everyday-zentara.txt"
  start_once "$bare" "$work/everyday" >>"$work/everyday-bare.txt"
  start_once "$zentara" "$work/first-$run" >>"$work/first-zentara.txt"
  start_once "$bare" "$work/first-$run" >>"$work/first-bare.txt"
done

printf 'medians of %d starts each in Xvfb\n' "$runs"
printf '%-34s %12s %12s %8s %8s\n' "" "shown (ms)" "VmRSS (KiB)" "time" "memory"
for kind in everyday first; do
  for program in zentara bare; do
    ms[$program]=$(cut -d' ' -f1 "$work/$kind-$program.txt" | median)
    kib[$program]=$(cut -d' ' -f2 "$work/$kind-$program.txt" | median)
  done
  awk -v kind="$kind" -v zm="${ms[zentara]}" -v zk="${kib[zentara]}" -v bm="${ms[bare]}" -v bk="${kib[bare]}" 'BEGIN {
    printf "%-34s %12.1f %12d\n", "zentara, " kind " start", zm, zk
    printf "%-34s %12.1f %12d\n", "zentara-bench-bare-window", bm, bk
    printf "%-34s %12s %12s %8.3f %8.3f\n", "ratio", "", "", zm / bm, zk / bk
  }'
done
echo "targets for the everyday start: time ratio at most 1.10, memory ratio at most 1.10"
