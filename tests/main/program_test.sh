#!/bin/sh
# The real program in a real window under Xvfb: it opens on a borderless
# 632 x 454 title screen at the centre; skipping the intro and clicking the
# lit start button brings up the 632 x 446 game screen at the centre, where
# "O hre" opens the about box and "OK" closes it; the quit icon ends the
# process with status 0, having written no file. With standard error a
# closed pipe the game still runs.
# Run through xvfb-run-test with the program and the data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
. "$(dirname "$0")/start_game.sh"
program=$1
data=$2
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
ln -s "$data" "$home/data"
fail() { echo "FAIL: $*"; cat "$home/log" 2>/dev/null; exit 1; }

# What the OK button's face looks like at the window point (x, y).
pixel() {
    import -silent -window root "$home/shot.png" 2>/dev/null
    convert "$home/shot.png" -format "%[pixel:p{$(($1 + 196)),$(($2 + 161))}]" info:
    rm -f "$home/shot.png"
}

xprop -root -f _MOTIF_WM_HINTS 32c -set _MOTIF_WM_HINTS 0
(cd "$home" && HOME="$home" exec "$program") >"$home/log" 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
placed 632 454 196 157
borderless
click 310 436                       # "Přeskočit"
start_game 548 60                   # the lit start button
placed 632 446 196 161
borderless

ok_x=316
ok_y=381
before=$(pixel $ok_x $ok_y)
click 600 433                       # "O hře"
eventually not shows $ok_x $ok_y "$before" || fail "the about box did not open"
click $ok_x $ok_y                   # "OK"
eventually shows $ok_x $ok_y "$before" || fail "the about box did not close"
click 14 433                        # the quit icon
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
written=$(cd "$home" && find . -mindepth 1 ! -name data ! -name log | head -n 5)
[ -z "$written" ] || fail "files written: $written"
# Standard error a closed pipe, and a line to say on it (a scale out of
# range): the line is dropped and the game comes up and ends as usual.
pipe=$(mktemp -u)
mkfifo "$pipe"
exec 4<>"$pipe" 5>"$pipe"
exec 4<&-
rm "$pipe"
(cd "$home" && HOME="$home" ORBITROVE_SCALE=x exec "$program") >/dev/null 2>&5 &
pid=$!
exec 5>&-
up() { xdotool search --onlyvisible --pid "$pid" --name '^Orbitrove$' >/dev/null || ! kill -0 "$pid" 2>/dev/null; }
eventually up || fail "no window with standard error a closed pipe"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status with standard error a closed pipe"
echo "program test passed"
