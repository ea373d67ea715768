#!/bin/sh
# The real program natively on Wayland, on an output of two pixels a point:
# its window takes the output's pixels, so the title screen shows the
# simulator's picture with each of its pixels an exact 2 x 2 block (a window
# drawn in points and enlarged by the compositor comes out blurred), and a
# click on "Přeskočit" at its place reaches it. Run through xvfb-run-test
# --screen 1600x1000x24 and weston-run-test --scale 2 with the program, the
# simulator and the data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
. "$(dirname "$0")/../wayland_checks.sh"
program=$1
simulator=$2
data=$3
home=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
ln -s "$data" "$home/data"
fail() { echo "FAIL: $*"; cat "$home/log" 2>/dev/null; exit 1; }

(cd "$home" && printf 'click Form1.Label1\nshot shot.png\n' | "$simulator" >/dev/null) || fail "no shot"
# The leak check is off as in the other Wayland test, for the same reason.
(cd "$home" && HOME="$home" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" exec env -u DISPLAY \
    "$program") >"$home/log" 2>&1 &
pid=$!
seen 632 454                        # in points
point $(((x + 310) * 2)) $(((y + 436) * 2))
xdotool click 1                     # "Přeskočit"
point 0 0                           # off the window, which starts further right
shows_shot 2 $((x * 2)) $((y * 2))

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "ended with status $status"
echo "PASS"
