# Sourced by the end-to-end scripts once the program runs as $app: finding its
# windows and typing into the focused one.
visible() { xdotool search --onlyvisible --pid "$app" 2>/dev/null || true; }
# Waits up to 20 s for a window of the program other than $1 - with $2 = alone,
# for it to be the program's only window - then focuses it and prints its id.
await_window() {
  local windows
  for _ in $(seq 200); do
    windows=$(visible)
    if [ "${2:-}" != alone ] || [ "$(grep -c . <<<"$windows")" -eq 1 ]; then
      windows=$(grep -vx "$1" <<<"$windows" | head -n 1 || true)
      if [ -n "$windows" ]; then
        xdotool windowfocus --sync "$windows"
        echo "$windows"
        return 0
      fi
    fi
    sleep 0.1
  done
  return 1
}
size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {print $2}'; }
# Fails unless window $1 lies wholly on the screen.
on_screen() {
  local x y w h sw sh
  read -r x y < <(xdotool getwindowgeometry "$1" | awk -F'[ ,]+' '/Position/ {print $3, $4}')
  read -r w h < <(size_of "$1" | tr x ' ')
  read -r sw sh < <(xdotool getdisplaygeometry)
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$sw" ] && [ $((y + h)) -le "$sh" ] ||
    fail "$2 at $x,$y ${w}x$h is not wholly on the ${sw}x$sh screen"
}
type_text() { xdotool type --delay 15 "$1"; }
keys() { xdotool key --delay 15 "$@"; }
# Exit on the focused main window must end the program cleanly.
exit_program() {
  keys alt+f e
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "Exit did not end the program"
  local status=0
  wait "$app" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
