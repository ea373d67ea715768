#!/bin/sh
# A real window under Xvfb: borderless, of its size, centred; a real key
# and a real click reach their handlers. Run through xvfb-run-test.
set -eu
probe=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# A window manager would have made the decoration hints atom; a bare
# Xvfb has none, and SDL names borderless windows only where it exists.
xprop -root -f _MOTIF_WM_HINTS 32c -set _MOTIF_WM_HINTS 0
"$probe" >"$out" 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
fail() { echo "FAIL: $*"; cat "$out"; kill "$pid" 2>/dev/null; exit 1; }
geometry=$(xwininfo -id "$window")
echo "$geometry" | grep -q 'Width: 300' || fail "width: $geometry"
echo "$geometry" | grep -q 'Height: 200' || fail "height: $geometry"
echo "$geometry" | grep -q 'Absolute upper-left X:  362' || fail "not centred: $geometry"
echo "$geometry" | grep -q 'Absolute upper-left Y:  284' || fail "not centred: $geometry"
hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
echo "$hints" | grep -q '= 0x2, 0x0, 0x0' || fail "has a frame: $hints"
xdotool windowfocus --sync "$window"
xdotool key Left
xdotool mousemove --window "$window" 50 25
xdotool click 1
wait "$pid" || fail "exit status $?"
grep -qx 'shown' "$out" || fail "no show"
grep -qx 'key 37' "$out" || fail "key did not arrive"
grep -qx 'click' "$out" || fail "click did not arrive"
echo "window test passed"
