#!/usr/bin/env bash
# One whole astrological match in the real program, in a private X server,
# driven from the keyboard: the start form, the entry form (a refused key on the
# way), Analyze Compatibility, the report frame, Print without a printer, the
# positions on the equinox of date chosen and remembered, Back to a fresh entry
# form, and Exit.
set -euo pipefail
program=$1

# No setting yet, so the update reminder only stores today's date and asks nothing.
source "$(dirname "$0")/x_session.sh"

"$program" &
app=$!
pids+=("$app")

source "$(dirname "$0")/program_windows.sh"

start=$(await_window none alone) || fail "no start form"
echo "start form $start: $(xdotool getwindowname "$start")"
# The first option is "Astro Match Compatibility"; Alt+P is Proceed.
keys space alt+p
entry=$(await_window "$start" alone) || fail "Proceed did not replace the start form by one window"
entry_size=$(size_of "$entry")
[ "$(xdotool getwindowname "$entry")" = "QM Zentara Software v2.05" ] || fail "unexpected caption of the entry form"
echo "entry form $entry, $entry_size"

# The focus starts on the male name; Tab runs name, day, month, year, hour,
# minute, latitude, longitude, city, state, country, then the same for the female.
type_text "Arjun"
keys Tab Tab Tab Tab Tab Tab
type_text "-"  # refused in a degree box with a message
box=$(await_window "$entry") || fail "a refused key showed no message box"
keys Return
[ "$(await_window "$box" alone)" = "$entry" ] || fail "the message box did not return to the entry form"
type_text "28"; keys Tab; type_text "36"; keys Tab; type_text "77"; keys Tab; type_text "13"; keys Tab
type_text "New Delhi"; keys Tab; type_text "Delhi"; keys Tab; type_text "India"; keys Tab
type_text "Priya"; keys Tab Down Down Tab Down Tab Down Down Down Tab Down Tab Tab
type_text "19"; keys Tab; type_text "4"; keys Tab; type_text "72"; keys Tab; type_text "52"; keys Tab
type_text "Mumbai"; keys Tab; type_text "Maharashtra"; keys Tab; type_text "India"

# File > Analyze Compatibility: the entry form closes and the report frame is the
# only window (a failed check would have kept the entry form and added a box).
keys alt+f a
frame=$(await_window "$entry" alone) || fail "Analyze did not replace the entry form by one window"
frame_size=$(size_of "$frame")
echo "report frame $frame, $frame_size"
[ "$frame_size" != "$entry_size" ] || fail "the window after Analyze looks like the entry form"

# Print without a printer says so in a message box, which Enter closes.
keys alt+p
box=$(await_window "$frame") || fail "Print without a printer said nothing"
keys Return
[ "$(await_window "$box" alone)" = "$frame" ] || fail "the message box did not return to the frame"

# File > Positions on the Equinox of Date: the choice is kept in the settings.
keys alt+f d
settings=$XDG_CONFIG_HOME/zentara/zentara.ini
for _ in $(seq 50); do grep -qx "PositionsEquinox=date" "$settings" 2>/dev/null && break; sleep 0.1; done
grep -qx "PositionsEquinox=date" "$settings" || fail "the equinox of date was not remembered: $(cat "$settings")"
[ "$(visible)" = "$frame" ] || fail "choosing the equinox changed the windows"

# File > Back: a fresh entry form, the frame gone.
keys alt+f b
fresh=$(await_window "$frame" alone) || fail "Back did not replace the frame by one window"
[ "$(size_of "$fresh")" = "$entry_size" ] || fail "Back did not show an entry form"
echo "fresh entry form $fresh"

# File > Exit ends the program cleanly.
exit_program
echo "1 passed, 0 failed"
