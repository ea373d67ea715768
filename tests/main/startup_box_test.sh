#!/bin/sh
# The start-up error box of the real program under Xvfb, with data/laser.wav
# missing: the box (titled "Application Error", with the error icon) names
# the file and the folder it was looked for in, as standard error does; OK
# ends the program with status 1, and so do SIGTERM, SIGINT and SIGHUP while
# the box is up, promptly (the test allows a loaded machine's time and says
# how long it took), leaving no process of the program behind.
# Started from a folder without data/, the text says where to start it from.
# Run through xvfb-run-test with the program and the data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
program=$1
data=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/game" "$dir/elsewhere"
cp -R "$data" "$dir/game/data"
rm "$dir/game/data/laser.wav"
fail() { echo "FAIL: $*"; cat "$dir/err" 2>/dev/null; exit 1; }

# Starts the program in folder $1 and waits for its box: sets $pid, $box.
start() {
    # A shell starts background commands with SIGINT ignored, and the
    # program keeps a signal ignored that it was started with; from a
    # terminal it is not, so the test puts it back as it would be.
    # The mark in its environment finds whatever it started, whatever other
    # tests run beside this one.
    (cd "$1" && HOME="$dir" exec env --default-signal=INT,HUP ORBITROVE_TEST_MARK="$dir" "$program") 2>"$dir/err" &
    pid=$!
    eventually box_up || fail "no box came up"
    kill -0 "$pid" 2>/dev/null || fail "the program ended without a box"
}
box_up() {
    box=$(xdotool search --onlyvisible --name '^Application Error$' 2>/dev/null | head -n 1) || true
    [ -n "$box" ] || ! kill -0 "$pid" 2>/dev/null
}
gone() { ! kill -0 "$pid" 2>/dev/null; }
# Waits for the program to end; checks its status is 1 and that nothing it
# started is left.
ended() {
    since=$(date +%s%N)
    if ! eventually gone; then
        kill -KILL "$pid"
        fail "$1: still running $patience s later"
    fi
    echo "$1: ended in $((($(date +%s%N) - since) / 1000000)) ms"
    status=0
    wait "$pid" || status=$?
    [ "$status" -eq 1 ] || fail "$1: exit status $status"
    left=$(grep -lsxzF "ORBITROVE_TEST_MARK=$dir" /proc/[0-9]*/environ || true)
    [ -z "$left" ] || fail "$1: processes left behind: $left"
    [ -z "$(xdotool search --onlyvisible --name '^Application Error$' 2>/dev/null || true)" ] ||
        fail "$1: the box is still on screen"
}

start "$dir/game"
grep -q "^Application Error: Exception EMCIDeviceError in module orbitrove at " "$dir/err" || fail "no report"
grep -qF "data/laser.wav (looked for in $dir/game)" "$dir/err" || fail "the file or folder is not named"
# The error icon: a red disc at the box's left.
pixel() {
    import -silent -window "$box" "$dir/box.png"
    convert "$dir/box.png" -format "%[pixel:p{$1,$2}]" info:
}
eventually shows 18 50 "srgb(208,32,32)" || fail "no error icon: $(pixel 18 50)"
# OK, by its default key.
xdotool windowactivate --sync "$box" 2>/dev/null || xdotool windowfocus --sync "$box"
xdotool key Return
ended "Enter on OK"

for signal in TERM INT HUP; do
    start "$dir/game"
    kill -"$signal" "$pid"
    ended "SIG$signal"
done

start "$dir/elsewhere"
grep -qF "must be started from the folder that holds data/" "$dir/err" || fail "no word on where to start it"
grep -qF "(looked for in $dir/elsewhere)" "$dir/err" || fail "the folder is not named"
kill -TERM "$pid"
ended "SIGTERM, started elsewhere"
echo "start-up box test passed"
