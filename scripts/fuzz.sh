#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into ./build-fuzz and runs each for a
# bounded time, starting from its seed corpus fuzz/corpus/TARGET, which is only
# read: the inputs a run finds go to a folder of their own. Exit status 1 when
# a target finds a fault; the input that shows it is kept in build-fuzz/findings/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]    (defaults: 30 seconds, every target)
#
# ZENTARA_FUZZ_CORPUS=FOLDER keeps what the runs find in FOLDER/TARGET, so a
# later run goes on from there; without it they find it in a temporary folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(saved-reading numerology cli-entries update-reminder places)
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENTARA_FUZZ=ON \
  -DZENTARA_BUILD_GUI=OFF -DZENTARA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target zentara_fuzz

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
found=${ZENTARA_FUZZ_CORPUS:-$logs/corpus}
mkdir -p build-fuzz/findings

failed=()
for target in "${targets[@]}"; do
  program=build-fuzz/bin/zentara-fuzz-$target
  [ -x "$program" ] || { echo "fuzz.sh: no target $target" >&2; exit 2; }
  mkdir -p "$found/$target"
  dictionary=()
  if [ -f "fuzz/$target.dict" ]; then dictionary=(-dict="fuzz/$target.dict"); fi
  echo "fuzzing $target for ${seconds}s"
  # A single input running past 25 seconds counts as a hang.
  if UBSAN_OPTIONS=print_stacktrace=1 "$program" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      "${dictionary[@]}" -artifact_prefix="build-fuzz/findings/$target-" \
      "$found/$target" "fuzz/corpus/$target" >"$logs/$target.log" 2>&1; then
    awk '/^stat::number_of_executed_units/ { runs = $2 }
         /\tDONE / { for (i = 1; i < NF; i++) if ($i == "cov:") cov = $(i + 1); else if ($i == "corp:") corp = $(i + 1) }
         END { print "  " runs " runs, " cov " edges covered, corpus " corp }' "$logs/$target.log"
  else
    failed+=("$target")
    echo "  $target found a fault:" >&2
    grep -v '^#[0-9]' "$logs/$target.log" | tail -n 40 >&2
  fi
done

if ((${#failed[@]} > 0)); then
  echo "fuzz.sh: faults found by ${failed[*]} (inputs in build-fuzz/findings/)" >&2
  exit 1
fi
