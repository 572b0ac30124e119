#!/usr/bin/env bash
# Without any display the program says so in plain words and exits non-zero,
# instead of failing inside Qt.
set -uo pipefail
program=$1
output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1)
status=$?
echo "$output"
[ "$status" -ne 0 ] || { echo "exit status was 0"; exit 1; }
[ "$(printf '%s\n' "$output" | wc -l)" -eq 1 ] || { echo "expected one line"; exit 1; }
grep -q "xvfb-run" <<<"$output" || { echo "no hint how to run it"; exit 1; }
if grep -qi "plugin" <<<"$output"; then echo "Qt's plugin error leaked"; exit 1; fi
echo "1 passed, 0 failed"
