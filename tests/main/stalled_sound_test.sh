#!/bin/sh
# The real program under Xvfb with a sound output that hangs: SDL's disk
# driver writes into a named pipe that nobody opens (`unopened`), or whose
# reader opens it and never reads (`unread`). Without the pipe, the window
# still comes up and the program says it plays silently; with it full, a
# termination signal ends the program, and so does its own exit. Each end
# comes within a ceiling meant only for a hang; the time it took is printed.
# Run through xvfb-run-test with the program, the data folder and the case.
set -eu
. "$(dirname "$0")/../window_checks.sh"
program=$1
data=$2
case=$3
dir=$(mktemp -d)
pid=
reader=
cleanup() {
    # The program first: a reader gone before it would end it by SIGPIPE.
    [ -z "$pid" ] || kill -KILL "$pid" 2>/dev/null || true
    [ -z "$reader" ] || kill "$reader" 2>/dev/null || true
    rm -rf "$dir"
}
trap cleanup EXIT
ln -s "$data" "$dir/data"
fail() { echo "FAIL: $*"; cat "$dir/err" 2>/dev/null; exit 1; }
milliseconds() { echo $(($(date +%s%N) / 1000000)); }

start() {
    rm -f "$dir/sound"
    mkfifo "$dir/sound"
    (cd "$dir" && HOME="$dir" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$dir/sound" exec "$program") 2>"$dir/err" &
    pid=$!
}

# Sets $window to the title screen's once it shows.
window_up() {
    window=$(xdotool search --onlyvisible --name '^Orbitrove$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ]
}
await_window() {
    began=$(milliseconds)
    eventually window_up || fail "no window after $patience s"
    echo "window after $(($(milliseconds) - began)) ms"
}

# A reader that opens the pipe, takes the first sound and then no more.
open_pipe_unread() {
    (head -c 4096 >/dev/null && : >"$dir/heard" && exec sleep 600) <"$dir/sound" &
    reader=$!
}
await_sound() {
    eventually test -e "$dir/heard" || fail "no sound written"
    sleep 1  # the pipe fills
}

# The program ends with status 0; `what` names how it was asked.
gone() { ! kill -0 "$pid" 2>/dev/null; }
ends() {
    began=$(milliseconds)
    eventually gone || fail "still running $patience s after $1"
    took=$(($(milliseconds) - began))
    status=0
    wait "$pid" || status=$?
    pid=
    [ "$status" -eq 0 ] || fail "exit status $status after $1"
    echo "ended $took ms after $1"
}
said_silent() {
    [ "$(cat "$dir/err")" = "orbitrove: no sound device can be opened; the game plays silently" ]
}

case $case in
unopened)
    start
    await_window
    eventually said_silent || fail "not said that the game plays silently"
    kill -TERM "$pid"
    ends SIGTERM
    ;;
unread)
    start
    open_pipe_unread
    await_window
    await_sound
    kill -TERM "$pid"
    ends SIGTERM
    kill "$reader"
    wait "$reader" 2>/dev/null || true

    start
    open_pipe_unread
    await_window
    await_sound
    click 310 436  # "Přeskočit"
    xdotool mousemove --window "$window" 15 442 click 1  # "Exit"
    ends "the exit click"
    ;;
*) fail "no such case: $case" ;;
esac
echo "stalled sound test passed ($case)"
