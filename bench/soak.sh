#!/usr/bin/env bash
# A long session of the real program in a private Xvfb, driven from the keyboard
# as a user would, and its resident memory (VmRSS) as it goes:
#
#   bash bench/soak.sh [BUILD_DIR] [N]    (defaults: build 500)
#
# One run of zentara goes through three loops of N rounds on the astro side:
#   matches    a couple typed on a fresh entry form, Analyze Compatibility, Back
#   look-ups   the place look-up window opened (atlas search, places listed) and
#              closed with Escape
#   exports    the chart wheel saved as SVG and as PNG, and the report as PDF,
#              each through the file dialog
# and a second run goes through N numerology readings, opened and closed, the
# life path, destiny and comprehensive readings in turn.
#
# For each loop it prints VmRSS after its first tenth of rounds (the atlas, the
# fonts and the dialogs are loaded by then) and at its end, and the change.
# Memory that stays flat over a loop changes by well under 1 MB; something kept
# for every round grows by its size times nine tenths of N.
#
# The program runs with glibc's mmap threshold fixed at its starting value of
# 128 KiB. Left to itself, glibc raises the threshold once the first large
# block (the report's image, the PNG wheel, a few MB each) is freed, so later
# ones come from the heap, whose freed pages stay resident or not depending on
# where they lie: VmRSS then steps up and down by a few MB from round to round
# without anything being kept. With the threshold fixed, large blocks go back
# to the system when freed and VmRSS follows what the program holds. To run
# with glibc's own behaviour: GLIBC_TUNABLES= bash bench/soak.sh
set -euo pipefail
export LC_ALL=C

build=${1:-build}
rounds=${2:-500}
program=$(realpath "$build/bin/zentara")
[ -x "$program" ] || { echo "missing $program (build the project with the GUI)" >&2; exit 2; }
[ "$rounds" -ge 10 ] || { echo "N must be at least 10" >&2; exit 2; }
tenth=$((rounds / 10))

e2e=$(dirname "$0")/../tests/e2e
source "$e2e/x_session.sh"
exports=$work/exports
mkdir -p "$exports"

# Waits up to 20 s for a window of the program captioned $1 other than $2, then
# focuses it and prints its id. A menu's pop-up, which a window of its own
# shows for a moment, carries the program's file name as its caption instead.
await_captioned() {
  local id
  for _ in $(seq 200); do
    for id in $(visible); do
      if [ "$id" != "${2:-}" ] && [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ]; then
        xdotool windowfocus --sync "$id" 2>/dev/null || continue
        echo "$id"
        return 0
      fi
    done
    sleep 0.1
  done
  return 1
}

rss_kib() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$app/status"; }
# Runs `round` N times, keeping VmRSS after the first tenth and after the last
# for the summary; each tenth's VmRSS goes to stderr as the loop runs.
results=()
soak() {
  local name=$1 round=$2 first="" i
  for i in $(seq "$rounds"); do
    "$round" "$i"
    if [ $((i % tenth)) -eq 0 ]; then
      [ "$i" -eq "$tenth" ] && first=$(rss_kib)
      echo "$name $i: $(rss_kib) KiB" >&2
    fi
  done
  local last
  last=$(rss_kib)
  results+=("$(printf '%-10s %11d %11d %+9d' "$name" "$first" "$last" $((last - first)))")
}

# The program starts in the exports folder, where its file dialogs then open.
malloc_tunables=${GLIBC_TUNABLES-glibc.malloc.mmap_threshold=131072}
start_program() {
  (cd "$exports" && GLIBC_TUNABLES=$malloc_tunables exec "$program") &
  app=$!
  pids+=("$app")
}

# --- the astro side -------------------------------------------------------
start_program
source "$e2e/program_windows.sh"
start=$(await_window none alone) || fail "no start form"
keys space alt+p
window=$(await_window "$start" alone) || fail "Proceed did not show the astro entry form"

# One partner's entries from the name: the date and time lists keep their first
# items; Tab runs name, five lists, four degree boxes, city, state, country.
type_partner() {
  type_text "$1"; keys Tab Tab Tab Tab Tab Tab
  type_text "28"; keys Tab; type_text "36"; keys Tab; type_text "77"; keys Tab; type_text "13"; keys Tab
  type_text "$2"; keys Tab; type_text "$3"; keys Tab; type_text "India"
}
type_couple() {
  type_partner Arjun Delhi Delhi; keys Tab
  type_partner Priya Mumbai Maharashtra
}

match_round() {
  type_couple
  keys alt+f a
  local frame
  frame=$(await_window "$window" alone) || fail "match $1: Analyze did not show the report frame"
  keys alt+f b
  window=$(await_window "$frame" alone) || fail "match $1: Back did not show a fresh entry form"
}
soak matches match_round

# From the female country past the male zone list, Daylight Saving Time box and
# North and East options to the male look-up button, which keeps the focus
# when its window closes.
type_couple
keys Tab Tab Tab Tab Tab
lookup_round() {
  keys space
  local lookup
  lookup=$(await_window "$window") || fail "look-up $1: no look-up window"
  keys Escape
  [ "$(await_window "$lookup" alone)" = "$window" ] || fail "look-up $1: Escape did not close the look-up window"
}
soak look-ups lookup_round

# File menu of the report frame: Print, Export as PDF..., Save Chart Picture...
keys alt+f a
window=$(await_window "$window" alone) || fail "Analyze did not show the report frame"
save_through_dialog() {
  local menu_downs=$1 caption=$2 name=$3
  rm -f "$exports/$name"
  keys alt+f $menu_downs Return
  local dialog
  dialog=$(await_captioned "$caption") || fail "no file dialog for $name"
  type_text "$name"; keys Return
  [ "$(await_window "$dialog" alone)" = "$window" ] || fail "the file dialog for $name did not close"
  for _ in $(seq 100); do [ -s "$exports/$name" ] && return; sleep 0.05; done
  fail "$name was not written"
}
export_round() {
  save_through_dialog "Down Down" "Save Chart Picture" wheel.svg
  save_through_dialog "Down Down" "Save Chart Picture" wheel.png
  save_through_dialog Down "Export as PDF" report.pdf
}
soak exports export_round
exit_program

# --- the numerology side --------------------------------------------------
start_program
start=$(await_window none alone) || fail "no start form"
keys Down space alt+p
window=$(await_window "$start" alone) || fail "Proceed did not show the numerology form"
# First and last names of both partners; the birth dates keep their first items.
# From the male last name, Tab passes his month, day and year lists and his
# Choose Person and Save Person buttons to the female first name.
type_text "Arjun"; keys Tab Tab; type_text "Kumar"; keys Tab Tab Tab Tab Tab Tab
type_text "Priya"; keys Tab Tab; type_text "Sharma"
# The File menu's LifePath, Destiny and Comprehensive readings, and the captions
# of their windows.
readings=(l d c)
captions=("LifePath Compatibility" "Destiny Compatibility" "$(xdotool getwindowname "$window")")
reading_round() {
  local kind=$(($1 % 3)) reading
  keys alt+f "${readings[$kind]}"
  reading=$(await_captioned "${captions[$kind]}" "$window") || fail "reading $1: no reading window"
  keys alt+b
  [ "$(await_window "$reading" alone)" = "$window" ] || fail "reading $1: Back did not close the reading"
}
soak readings reading_round
keys alt+f x  # this form's File menu has E&xit
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
wait "$app" || fail "the program did not end cleanly"

printf 'VmRSS in KiB after the first tenth and at the end of each loop of %d rounds\n' "$rounds"
printf '%-10s %11s %11s %9s\n' loop "after $tenth" "after $rounds" change
printf '%s\n' "${results[@]}"
