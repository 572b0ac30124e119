#!/usr/bin/env bash
# zentara-cli people import of N rows (default 100,000) into a new book, then
# people rank of one person against all the others: the first, which computes
# and keeps every chart (an import leaves them to be computed when first
# wanted), then the best ten, and every partner printed; with their wall and
# CPU times, and the book's file size per person with the charts kept.
#   bash bench/people_import_bench.sh [BUILD_FOLDER] [N]
set -euo pipefail
build=${1:-build}
count=${2:-100000}
cli=$build/bin/zentara-cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZENTARA_BOOK=$work/people.sqlite
awk -v n="$count" 'BEGIN {
  print "first,last,date,time,zone,dst,lat,lon,city,state,country,note"
  for (i = 0; i < n; i++)
    printf "Given%d,Family%d,%04d-%02d-%02d,%02d:%02d,%d,%d,%dN%02d,%dW%02d,City%d,State,Country,note %d\n",
      i, i % 5000, 1901 + i % 150, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 71, i % 2, i % 70, i % 60,
      i % 180, int(i / 7) % 60, i % 900, i
}' >"$work/people.csv"
timed() { /usr/bin/time -f "%e s wall, %U s user, %S s system, %M KB peak" "$@"; }
echo "import of $count rows:"
timed "$cli" people import "$work/people.csv"
echo "the first rank, every chart computed and kept:"
timed "$cli" people rank 1 --top 10 >/dev/null
"$cli" people --book "$ZENTARA_BOOK" list >/dev/null  # the log folded into the file
bytes=$(stat -c %s "$ZENTARA_BOOK")
echo "book: $bytes bytes, $((bytes / count)) bytes a person"
echo "rank of one person against the others, the best ten printed (the whole command):"
timed "$cli" people rank 1 --top 10 >/dev/null
echo "the same, every partner printed:"
timed "$cli" people rank 1 >/dev/null
