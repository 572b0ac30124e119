#!/usr/bin/env bash
# The place look-up in the real program, in a private X server, from the
# keyboard: the male partner's coordinates are left empty, his city, state and
# country typed, his look-up button pressed; in the look-up window the city is
# typed again and Enter fills the place in. Analyze Compatibility then passes
# its checks, which refuse empty coordinate boxes, and shows the report frame.
# Every window lies wholly on the screen (ZENTARA_E2E_SCREEN, as small as
# 800x600), and the Window menu brings the wheel forward.
set -euo pipefail
program=$1

source "$(dirname "$0")/x_session.sh"

"$program" &
app=$!
pids+=("$app")

source "$(dirname "$0")/program_windows.sh"

start=$(await_window none alone) || fail "no start form"
keys space alt+p
entry=$(await_window "$start" alone) || fail "Proceed did not replace the start form by one window"
entry_size=$(size_of "$entry")
on_screen "$entry" "the entry form"

# Ten Tabs from the name past the date, time and empty coordinates to the city.
type_text "Arjun"
keys Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
type_text "Dehli"; keys Tab; type_text "Delhi"; keys Tab; type_text "India"; keys Tab
type_text "Priya"; keys Tab Down Down Tab Down Tab Down Down Down Tab Down Tab Tab
type_text "19"; keys Tab; type_text "4"; keys Tab; type_text "72"; keys Tab; type_text "52"; keys Tab
type_text "Mumbai"; keys Tab; type_text "Maharashtra"; keys Tab; type_text "India"
# Past the male zone list, DST box, North and East options to his look-up button.
keys Tab Tab Tab Tab Tab space
lookup=$(await_window "$entry") || fail "the male look-up button opened no window"
[ "$(xdotool getwindowname "$lookup")" = "QM Zentara Software v2.05" ] || fail "unexpected caption of the look-up window"
[ "$(size_of "$lookup")" != "$entry_size" ] || fail "the window after the look-up button looks like the entry form"
echo "look-up window $lookup, $(size_of "$lookup")"
on_screen "$lookup" "the look-up window"

# "Dehli" finds nothing; typed over, the city is searched again; Enter fills in.
keys ctrl+a
type_text "Delhi"
keys Down Up Return
[ "$(await_window "$lookup" alone)" = "$entry" ] || fail "Enter did not close the look-up window"

# Analyze shows the report frame only when every check passed, the coordinates' too.
keys alt+f a
frame=$(await_window "$entry" alone) || fail "Analyze did not replace the entry form by one window (coordinates not filled?)"
[ "$(size_of "$frame")" != "$entry_size" ] || fail "the window after Analyze looks like the entry form"
echo "report frame $frame, $(size_of "$frame")"
on_screen "$frame" "the report frame"
# Window > Chart Wheel and back to the report: the frame keeps its one window.
keys alt+w w
keys alt+w r
[ "$(visible)" = "$frame" ] || fail "the Window menu changed the program's windows"

exit_program
echo "1 passed, 0 failed"
