# Sourced by the end-to-end scripts: a private user (runtime folder with the
# single-copy lock, home, settings) and a private X server of the screen size
# ZENTARA_E2E_SCREEN names, both removed on exit with every process listed in
# `pids`.
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  [ -n "${KEEP_E2E_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  if [ -n "${xvfb:-}" ] && ! kill -0 "$xvfb" 2>/dev/null; then echo "(the X server had ended: $(cat "$work/xvfb.log"))"; fi
  exit 1
}

export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$HOME" "$XDG_CONFIG_HOME"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# The screen's size: ZENTARA_E2E_SCREEN (such as 800x600), 1024x768 by default.
screen=${ZENTARA_E2E_SCREEN:-1024x768}
# Xvfb picks a free display number itself and writes it once it accepts clients.
# -noreset: by default the server resets when its last client leaves, and a
# client connecting during that reset (the program, just after the readiness
# probe below) is cut off.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || fail "the X server did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(tr -d '[:space:]' <"$work/display")"
xdotool getmouselocation >/dev/null 2>&1 || fail "the X server on $DISPLAY does not answer"
