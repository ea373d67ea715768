#!/bin/sh
# A real window under Xvfb: borderless, of its size, centred; a real key
# and a real click reach their handlers. F11 fills the screen and Escape
# gives the window back its size and place, neither reaching the handlers;
# Escape in a window does. With ORBITROVE_SCALE=2 the window is twice its
# size, still centred, and a click at the doubled place reaches the button;
# a scale out of range is ignored and said so. Run through xvfb-run-test.
set -eu
. "$(dirname "$0")/../../window_checks.sh"
probe=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# A window manager would have made the decoration hints atom; a bare
# Xvfb has none, and SDL names borderless windows only where it exists.
xprop -root -f _MOTIF_WM_HINTS 32c -set _MOTIF_WM_HINTS 0
fail() { echo "FAIL: $*"; cat "$out"; kill "$pid" 2>/dev/null; exit 1; }

# Runs the probe with ORBITROVE_SCALE set to $1 and checks a window of
# $2 x $3 at ($4, $5), clicked at ($6, $7).
probe_at() {
    ORBITROVE_SCALE=$1 "$probe" >"$out" 2>&1 &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
    placed "$2" "$3" "$4" "$5"
    borderless
    xdotool windowfocus --sync "$window"
    xdotool key Left F11
    placed 1024 768 0 0
    xdotool key Escape
    placed "$2" "$3" "$4" "$5"
    xdotool key Escape
    xdotool mousemove --window "$window" "$6" "$7"
    xdotool click 1
    wait "$pid" || fail "exit status $?"
    grep -qx 'shown' "$out" || fail "no show"
    grep -qx 'key 37' "$out" || fail "key did not arrive"
    [ "$(grep -c '^key' "$out")" -eq 2 ] && grep -qx 'key 27' "$out" || fail "fullscreen keys reached the handler"
    grep -qx 'click' "$out" || fail "click did not arrive"
}

probe_at 1 300 200 362 284 50 25
probe_at 2 600 400 212 184 100 50
probe_at 9 300 200 362 284 50 25
grep -q 'ORBITROVE_SCALE' "$out" || fail "a wrong scale was not reported"
echo "window test passed"
