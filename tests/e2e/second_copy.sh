#!/usr/bin/env bash
# Starts the real program twice in a private X server. The second copy must show
# its one message box and end once OK is pressed; the first must keep running.
set -euo pipefail
program=$1

source "$(dirname "$0")/x_session.sh"

# The window of a process, waited for up to 20 s.
window_of() { timeout 20 xdotool search --sync --onlyvisible --pid "$1" | head -n 1; }

"$program" &
first=$!
pids+=("$first")
first_window=$(window_of "$first") || { echo "the first copy showed no window"; exit 1; }
echo "first copy $first shows window $first_window: $(xdotool getwindowname "$first_window")"

"$program" &
second=$!
pids+=("$second")
box=$(window_of "$second") || { echo "the second copy showed no window"; exit 1; }
echo "second copy $second shows window $box: $(xdotool getwindowname "$box")"
[ "$(xdotool getwindowname "$box")" = "QM Zentara Software v2.05" ] || { echo "unexpected caption"; exit 1; }
# The message box is not a start form: the second copy shows nothing else.
[ "$(xdotool search --onlyvisible --pid "$second" | wc -l)" -eq 1 ] || { echo "second copy shows more than its message"; exit 1; }

sleep 0.5
kill -0 "$second" 2>/dev/null || { echo "the second copy ended before OK was pressed"; exit 1; }
xdotool windowfocus --sync "$box"
xdotool key --clearmodifiers Return

for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$second" 2>/dev/null; then echo "the second copy did not end after OK"; exit 1; fi
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || { echo "the second copy ended with status $status"; exit 1; }

kill -0 "$first" 2>/dev/null || { echo "the first copy ended too"; exit 1; }
xdotool search --onlyvisible --pid "$first" >/dev/null || { echo "the first copy lost its window"; exit 1; }
echo "1 passed, 0 failed"
