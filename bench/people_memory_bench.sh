#!/usr/bin/env bash
# Peak memory of the book's reading commands at two sizes of book (default
# 100,000 and 1,000,000 people): export (CSV and JSON), list (text and JSON)
# and rank (the best ten, and every partner), each the whole command under GNU
# time. The commands write as they read, so their peak should not grow with
# the book, but for rank without --top, which sorts every partner: its growth
# is given in bytes a person.
#   bash bench/people_memory_bench.sh [BUILD_FOLDER] [SMALL] [LARGE]
set -euo pipefail
build=${1:-build}
small=${2:-100000}
large=${3:-1000000}
cli=$(realpath "$build/bin/zentara-cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME=$work/state

# A book of N people, every one of whom the astro match takes, their charts
# kept (the first rank computes them).
make_book() {
  local count=$1 book=$work/book-$1.sqlite
  awk -v n="$count" 'BEGIN {
    print "first,last,date,time,zone,dst,lat,lon,city,state,country,note"
    for (i = 0; i < n; i++)
      printf "Given%d,Family%d,%04d-%02d-%02d,%02d:%02d,%d,%d,%dN%02d,%dW%02d,City%d,State,Country,note %d\n",
        i, i % 5000, 1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 71, i % 2, i % 70, i % 60,
        i % 180, int(i / 7) % 60, i % 900, i
  }' | "$cli" people import --book "$book" - >/dev/null
  "$cli" people rank 1 --top 1 --book "$book" >/dev/null
  echo "$book"
}

# The peak resident memory of a command, in KB, its output thrown away.
peak() { /usr/bin/time -f "%M" "$@" 2>&1 >/dev/null | tail -1; }

declare -A books
for count in "$small" "$large"; do books[$count]=$(make_book "$count"); done
printf '%-26s %12s %12s %8s\n' "command" "$small KB" "$large KB" "ratio"
for command in "export" "export --json" "list" "list --json" "rank 1 --top 10" "rank 1"; do
  read -ra words <<<"$command"
  a=$(peak "$cli" people "${words[@]}" --book "${books[$small]}")
  b=$(peak "$cli" people "${words[@]}" --book "${books[$large]}")
  printf '%-26s %12s %12s %8s\n' "$command" "$a" "$b" "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", b / a }')"
  if [ "$command" = "rank 1" ]; then
    echo "rank 1 grows by $(awk -v a="$a" -v b="$b" -v s="$small" -v l="$large" \
      'BEGIN { printf "%.0f", (b - a) * 1024 / (l - s) }') bytes a person"
  fi
done
