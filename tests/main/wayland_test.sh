#!/bin/sh
# The real program natively on Wayland, in weston: the title screen comes
# up with the game's application id and draws exactly the simulator's
# picture; the arrow keys move the ship on the game screen; resting the
# pointer on the quit icon shows its hint inside the screen, and the keys
# still reach the game; F11 fills the output, and F11 or Escape gives the
# window back its size; SIGTERM while the hint shows ends the game (the test
# says how long it took), and so does SIGTERM while the compositor does not
# answer. ORBITROVE_SCALE doubles the window. Run through xvfb-run-test and
# weston-run-test with the program, the simulator and the data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
. "$(dirname "$0")/../wayland_checks.sh"
program=$1
simulator=$2
data=$3
home=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true; kill -CONT "$WESTON_PID" 2>/dev/null || true; rm -rf "$home"' EXIT
ln -s "$data" "$home/data"
fail() { echo "FAIL: $*"; cat "$home/log" 2>/dev/null; exit 1; }

# The sanitized build's leak check is off for the program here: at its end
# the Wayland client library, SDL's Wayland driver and the GL driver it
# loads and unloads report their own allocations, and the unloaded driver's
# cannot be named in a suppression. The same code is leak-checked on X11.
start() {
    (cd "$home" && HOME="$home" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" exec env "$@" "$program") \
        >"$home/log" 2>&1 &
    pid=$!
}
gone() { ! kill -0 "$pid" 2>/dev/null; }
# Sends SIGTERM and waits for the end; says how long it took and sets $status.
terminate() {
    since=$(date +%s%N)
    kill -TERM "$pid"
    eventually gone || fail "$1: still running $patience s after SIGTERM"
    echo "$1: ended in $((($(date +%s%N) - since) / 1000000)) ms"
    status=0
    wait "$pid" || status=$?
    pid=""
}
# Whether the hint's pale yellow covers much of the picture $1.
has_hint() {
    [ "$(convert "$1" -fill black +opaque 'rgb(255,255,225)' -fill white -opaque 'rgb(255,255,225)' \
        -format '%[fx:int(mean*w*h)]' info:)" -ge 100 ]
}
hint_shown() {
    grab 10 396 120 36 "$home/hint.png"
    has_hint "$home/hint.png"
}

(cd "$home" && printf 'click Form1.Label1\nshot shot.png\n' | "$simulator" >/dev/null) || fail "no shot"
start -u DISPLAY
seen 632 454
tap 310 436                         # "Přeskočit"
away
shows_shot 1 "$x" "$y"

tap 548 60                          # the lit start button
seen 632 446
# The ship starts in the top-left cell: it leaves it on Down and comes back
# on Up. A key is pressed again until the game takes it (the level's
# banner may still be up).
moves_on() {
    xdotool key "$1"
    grab 1 1 45 33 "$home/cell.png"
    differ "$home/before.png" "$home/cell.png"
}
away
grab 1 1 45 33 "$home/before.png"
eventually moves_on Down || fail "Down did not move the ship"

# The quit icon's hint, inside the screen above the pointer; the keyboard
# stays with the game.
point $((x + 14)) $((y + 433))
eventually hint_shown || fail "no hint on the quit icon"
grab 1 1 45 33 "$home/before.png"
eventually moves_on Up || fail "Up did not move the ship with the hint shown"

xdotool key F11
seen 1024 768
[ "$x $y" = "0 0" ] || fail "fullscreen at ($x, $y)"
xdotool key F11
seen 632 446
xdotool key F11
seen 1024 768
xdotool key Escape
seen 632 446

away
point $((x + 14)) $((y + 433))
eventually hint_shown || fail "no hint on the quit icon the second time"
terminate "SIGTERM with the hint shown"
[ "$status" -eq 0 ] || fail "exit status $status after SIGTERM with the hint shown"

start -u DISPLAY ORBITROVE_SCALE=2
seen 1264 908
terminate "SIGTERM at scale 2"

# A compositor that stops answering: the game cannot even take its windows
# down, and still ends.
start -u DISPLAY
seen 632 454
kill -STOP "$WESTON_PID"
terminate "SIGTERM with the compositor stopped"
kill -CONT "$WESTON_PID"
echo "wayland test passed"
