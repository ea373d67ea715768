#!/bin/sh
# The real program under a window manager (openbox on Xvfb): the title
# screen opens borderless at the centre, F11 and Escape give it back its
# place, and Alt+F4 on it ends the program with status 0. Started again,
# the game screen takes the keyboard without a click: Down moves the ship
# off its starting place; Alt+F4 there ends the program with status 0 too.
# Run through xvfb-run-test with the program and the data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
. "$(dirname "$0")/start_game.sh"
program=$1
data=$2
home=$(mktemp -d)
openbox_pid=
pid=
stop() {
    [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
    [ -z "$openbox_pid" ] || kill "$openbox_pid" 2>/dev/null || true
    rm -rf "$home"
}
trap stop EXIT
ln -s "$data" "$home/data"
fail() { echo "FAIL: $*"; cat "$home/log" 2>/dev/null; exit 1; }

# Its own home: the system's settings, in which Alt+F4 closes a window.
mkdir "$home/wm"
(HOME="$home/wm" exec env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME openbox) >"$home/wm/log" 2>&1 &
openbox_pid=$!
eventually managing || fail "openbox does not manage windows"

start() {
    (cd "$home" && HOME="$home" exec "$program") >"$home/log" 2>&1 &
    pid=$!
    window=$(xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
}
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$window" ]; }
gone() { ! kill -0 "$pid" 2>/dev/null; }
# Alt+F4 goes to the window manager, which asks the active window to close.
close_with_alt_f4() {
    eventually active || fail "the window did not become active"
    xdotool key alt+F4
    eventually gone || fail "Alt+F4 did not end the program"
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "exit status $status after Alt+F4"
}

start
placed 632 454 196 157
borderless
xdotool key F11
placed 1024 768 0 0
xdotool key Escape
placed 632 454 196 157
close_with_alt_f4

# The ship's starting place, top left of the game screen's playfield.
ship_area() {
    import -silent -window root "$home/shot.png" 2>/dev/null
    convert "$home/shot.png" -crop "46x30+$((196 + 1))+$((161 + 1))" +repage -format '%#' info:
    rm -f "$home/shot.png"
}
# A press of Down is ignored while the level's banner shows; each try
# presses again, and the ship stays off its starting place until it wraps
# round after twelve rows.
ship_moved() {
    xdotool key Down
    [ "$(ship_area)" != "$start_area" ]
}
start
click 310 436 # "Přeskočit"
start_game 548 60
placed 632 446 196 161
start_area=$(ship_area)
eventually ship_moved || fail "Down did not reach the ship"
close_with_alt_f4
echo "openbox test passed"
