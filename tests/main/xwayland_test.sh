#!/bin/sh
# The real program on XWayland inside weston, whose window manager keeps a
# shadow margin around each window: the title screen opens at the centre,
# in XWayland's coordinates and on the picture weston shows; F11 then
# Escape, and Alt+Enter twice, fill the screen and give the window back
# its place and size, each time. The game screen opens at the centre too.
# Run through xvfb-run-test and xwayland-run-test with the program and the
# data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
. "$(dirname "$0")/start_game.sh"
program=$1
data=$2
home=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
ln -s "$data" "$home/data"
stage="the title screen opening"
fail() { echo "FAIL ($stage): $*"; cat "$home/log" 2>/dev/null; exit 1; }

# Whether weston shows the window's own picture at (X, Y) of its display:
# shown_at X Y.
on_screen() {
    import -silent -window "$window" "$home/window.png" 2>/dev/null &&
        DISPLAY=$OUTER import -silent -window root "$home/screen.png" 2>/dev/null || return 1
    size=$(identify -format '%wx%h' "$home/window.png")
    convert "$home/screen.png" -crop "$size+$1+$2" +repage "$home/shown.png"
    [ "$(compare -metric AE "$home/window.png" "$home/shown.png" null: 2>&1)" = 0 ]
}
shown_at() { eventually on_screen "$@" || fail "the picture is not at ($1, $2) on weston's screen"; }

# Weston draws its pointer where the outer display's is, at first in the
# middle: in a corner it covers no picture that is compared.
DISPLAY=$OUTER xdotool mousemove 1023 767
(cd "$home" && HOME="$home" exec "$program") >"$home/log" 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
placed 632 454 196 157
click 310 436 # "Přeskočit": the title screen then stays still
shown_at 196 157

# A window manager that answers a move late or with its own offset would
# leave the window elsewhere: the picture weston shows is the one it
# placed last.
round_trip() {
    stage="$1 then $2"
    xdotool key "$1"
    placed 1024 768 0 0
    xdotool key "$2"
    placed 632 454 196 157
    shown_at 196 157
    placed 632 454 196 157
}
round_trip F11 Escape
round_trip alt+Return alt+Return
round_trip F11 Escape
stage="the game screen opening"
start_game 548 60 # the lit start button
placed 632 446 196 161
echo "xwayland test passed"
