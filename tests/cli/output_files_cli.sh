#!/usr/bin/env bash
# zentara-cli's output and files never fail in silence: standard output that
# cannot be written (a full device, a closed stream) is exit status 3 for every
# subcommand; a file is replaced whole through a symbolic link, or not at all
# under a file-size limit, with no temporary file left; names that cannot be
# files are explained.
set -uo pipefail
cli=$1
source "$(dirname "$0")/cli_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

pair=(--male-first John --male-middle Paul --male-last Smith --male-month March --male-day 15
      --male-year 1988 --female-first Mary --female-middle Ann --female-last Smith
      --female-month January --female-day 1 --female-year 1970)
couple=(--male-name John --male-city Delhi --male-state Delhi --male-country India
        --female-name Mary --female-city York --female-state York --female-country USA --male-date 1975-08-15 --male-time 14:30 --male-zone 34 --male-lat 28N36 --male-lon 77E13
        --female-date 1978-02-10 --female-time 6:05 --female-zone 27 --female-lat 40N42 --female-lon 74W00)
"$cli" save "$work/pair.kvz" "${pair[@]}" >/dev/null
printf 'male-name,male-date,male-time,male-zone,male-dst,male-lat,male-lon,male-city,male-state,male-country,female-name,female-date,female-time,female-zone,female-dst,female-lat,female-lon,female-city,female-state,female-country\nJ,1975-08-15,14:30,34,0,28N36,77E13,A,B,C,M,1978-02-10,6:05,27,1,40N42,74W00,A,B,C\n' >"$work/couples.csv"

# Every subcommand, with words that succeed.
runs=(
  "numbers ${pair[*]}"
  "reading comprehensive ${pair[*]}"
  "save $work/again.kvz ${pair[*]}"
  "open $work/pair.kvz"
  "texts"
  "zones --json"
  "chart --date 1975-08-15 --time 14:30 --zone 34 --lat 28N36 --lon 77E13"
  "place Springfield --date 1943-06-01 --time 12:00"
  "match ${couple[*]}"
  "match --batch $work/couples.csv"
  "--help"
)
for run in "${runs[@]}"; do
  read -ra words <<<"$run"
  "$cli" "${words[@]}" >/dev/full 2>"$work/err"
  status=$?
  if [ "$status" = 3 ] && grep -q "cannot write the output" "$work/err"; then passes=$((passes + 1)); else
    echo "$run >/dev/full: exit status $status, stderr '$(cat "$work/err")'"; failures=$((failures + 1)); fi
  "$cli" "${words[@]}" >&- 2>"$work/err"
  status=$?
  if [ "$status" = 3 ] && grep -q "cannot write the output" "$work/err"; then passes=$((passes + 1)); else
    echo "$run >&-: exit status $status, stderr '$(cat "$work/err")'"; failures=$((failures + 1)); fi
done

# With standard output closed, the picture file does not take its place.
"$cli" match "${couple[@]}" --svg "$work/closed.svg" >&- 2>/dev/null
expect "--svg with standard output closed is the picture alone" xmllint --noout "$work/closed.svg"
expect "--svg with standard output closed holds no report text" test -z "$(grep -l 'Compatibility Report' "$work/closed.svg")"

# Saving through a symbolic link writes the file it leads to and keeps the link.
: >"$work/target.kvz"
ln -s target.kvz "$work/link.kvz"
check "save through a link" 0 - "" "$cli" save "$work/link.kvz" "${pair[@]}"
expect "the link is kept" test -L "$work/link.kvz"
expect "the linked file holds the reading" cmp "$work/pair.kvz" "$work/target.kvz"
ln -s loop.kvz "$work/loop.kvz"
check "save onto a link loop" 3 "" "zentara-cli save: cannot write $work/loop.kvz: Too many levels of symbolic links" \
  "$cli" save "$work/loop.kvz" "${pair[@]}"
check "open a link loop" 3 "" "zentara-cli open: cannot read $work/loop.kvz: Too many levels of symbolic links" \
  "$cli" open "$work/loop.kvz"
check "save without a name" 2 "" "zentara-cli save: FILE is empty; give the name of the file to write" \
  "$cli" save "" "${pair[@]}"

# Past the file-size limit (ulimit -f counts KiB): reported, the earlier file
# kept, no temporary file left, not killed by SIGXFSZ.
long=$(head -c 120000 /dev/zero | tr '\0' a)
cp "$work/pair.kvz" "$work/limited.kvz"
check "save past the file-size limit" 3 "" "zentara-cli save: cannot write $work/limited.kvz: File too large" \
  bash -c 'ulimit -f 8; exec "$@"' - "$cli" save "$work/limited.kvz" "${pair[@]:2}" --male-first "$long"
expect "the earlier file is kept" cmp "$work/pair.kvz" "$work/limited.kvz"
check "--svg past the file-size limit" 3 "" "zentara-cli match: cannot write $work/wheel.svg: File too large" \
  bash -c 'ulimit -f 1; exec "$@"' - "$cli" match "${couple[@]}" --svg "$work/wheel.svg"
expect "no picture written" test ! -e "$work/wheel.svg"
expect "no temporary file left" test -z "$(find "$work" -name '.*.tmp')"

finish
