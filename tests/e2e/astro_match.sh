#!/usr/bin/env bash
# One whole astrological match in the real program, in a private X server,
# driven from the keyboard: the start form, the entry form (a refused key on the
# way), Analyze Compatibility, the report frame, Back to a fresh entry form, and
# Exit.
set -euo pipefail
program=$1

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*"; exit 1; }

# A private user: runtime folder (the single-copy lock), home and settings. No
# setting yet, so the update reminder only stores today's date and asks nothing.
export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME" "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

display=""
for n in $(seq 70 130); do
  if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
done
[ -n "$display" ] || fail "no free X display number"
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$program" &
app=$!
pids+=("$app")

visible() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
# Waits up to 20 s until the program shows exactly one window other than $1,
# focuses it and prints its id.
next_window() {
  local previous=$1 windows
  for _ in $(seq 200); do
    windows=$(visible)
    if [ "$(printf '%s' "$windows" | grep -c .)" -eq 1 ] && [ "$windows" != "$previous" ]; then
      xdotool windowfocus --sync "$windows"
      echo "$windows"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
# Waits up to 20 s for a window besides $1 (which stays), focuses it and prints its id.
extra_window() {
  local windows
  for _ in $(seq 200); do
    windows=$(visible | grep -vx "$1" || true)
    if [ -n "$windows" ]; then
      windows=$(head -n 1 <<<"$windows")
      xdotool windowfocus --sync "$windows"
      echo "$windows"
      return 0
    fi
    sleep 0.1
  done
  return 1
}
size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
type_text() { xdotool type --delay 15 "$1"; }
keys() { xdotool key --delay 15 "$@"; }

start=$(next_window none) || fail "no start form"
echo "start form $start: $(xdotool getwindowname "$start")"
# The first option is "Astro Match Compatibility"; Alt+P is Proceed.
keys space alt+p
entry=$(next_window "$start") || fail "Proceed did not replace the start form by one window"
entry_size=$(size_of "$entry")
[ "$(xdotool getwindowname "$entry")" = "QM Zentara Software v2.05" ] || fail "unexpected caption of the entry form"
echo "entry form $entry, $entry_size"

# The focus starts on the male name; Tab runs name, day, month, year, hour,
# minute, latitude, longitude, city, state, country, then the same for the female.
type_text "Arjun"
keys Tab Tab Tab Tab Tab Tab
type_text "-"  # refused in a degree box with a message
box=$(extra_window "$entry") || fail "a refused key showed no message box"
keys Return
[ "$(next_window "$box")" = "$entry" ] || fail "the message box did not return to the entry form"
type_text "28"; keys Tab; type_text "36"; keys Tab; type_text "77"; keys Tab; type_text "13"; keys Tab
type_text "New Delhi"; keys Tab; type_text "Delhi"; keys Tab; type_text "India"; keys Tab
type_text "Priya"; keys Tab Down Down Tab Down Tab Down Down Down Tab Down Tab Tab
type_text "19"; keys Tab; type_text "4"; keys Tab; type_text "72"; keys Tab; type_text "52"; keys Tab
type_text "Mumbai"; keys Tab; type_text "Maharashtra"; keys Tab; type_text "India"

# File > Analyze Compatibility: the entry form closes and the report frame is the
# only window (a failed check would have kept the entry form and added a box).
keys alt+f a
frame=$(next_window "$entry") || fail "Analyze did not replace the entry form by one window"
frame_size=$(size_of "$frame")
echo "report frame $frame, $frame_size"
[ "$frame_size" != "$entry_size" ] || fail "the window after Analyze looks like the entry form"

# Print without a printer does nothing visible.
keys alt+p
sleep 0.5
[ "$(visible)" = "$frame" ] || fail "Print changed the windows"

# File > Back: a fresh entry form, the frame gone.
keys alt+f b
fresh=$(next_window "$frame") || fail "Back did not replace the frame by one window"
[ "$(size_of "$fresh")" = "$entry_size" ] || fail "Back did not show an entry form"
echo "fresh entry form $fresh"

# File > Exit ends the program cleanly.
keys alt+f e
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "Exit did not end the program"
status=0
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "1 passed, 0 failed"
