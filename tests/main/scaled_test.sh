#!/bin/sh
# The real program on a 3840 x 2160 screen whose desktop asks for 192 dpi:
# both screens come up twice their size and centred, every logical pixel an
# exact 2 x 2 block of the simulator's picture of the same state, and real
# clicks at the doubled places reach the start button, "O hre" and "OK".
# F11, Escape and Alt+Enter switch the title screen to fullscreen (the
# largest whole scale that fits, 4, centred on black) and back to its size
# and place. Both screens carry the game's icon; a hint is scaled too. Run through xvfb-run-test
# --screen 3840x2160x24 with the program, the simulator and the data folder.
set -eu
. "$(dirname "$0")/../window_checks.sh"
. "$(dirname "$0")/start_game.sh"
program=$1
simulator=$2
data=$3
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
ln -s "$data" "$home/data"
fail() { echo "FAIL: $*"; cat "$home/log" 2>/dev/null; exit 1; }

# Checks that the window shows the game's icon.
has_icon() { xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (64 x 64)' || fail "no icon"; }
# The colour of one screen pixel.
pixel() {
    screenshot
    convert "$home/screen.png" -format "%[pixel:p{$1,$2}]" info:
}

(cd "$home" && printf 'click Form1.Label1\nshot shot.png\n' | "$simulator" >/dev/null) || fail "no shot"
xprop -root -f _MOTIF_WM_HINTS 32c -set _MOTIF_WM_HINTS 0
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192
"
(cd "$home" && HOME="$home" exec "$program") >"$home/log" 2>&1 &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
placed 1264 908 1288 626
has_icon
click 620 872                       # "Přeskočit"
shows_shot 2 1288 626

xdotool windowfocus --sync "$window"
xdotool key F11
placed 3840 2160 0 0
shows_shot 4 656 172
shows 655 171 "srgb(0,0,0)" && shows 3839 2159 "srgb(0,0,0)" || fail "no black around the picture"
xdotool key Escape
placed 1264 908 1288 626
shows_shot 2 1288 626
xdotool key alt+Return
placed 3840 2160 0 0
xdotool key alt+Return
placed 1264 908 1288 626
shows_shot 2 1288 626

start_game 1096 120                 # the lit start button
placed 1264 892 1288 634
has_icon
ok_x=$((1288 + 632))
ok_y=$((634 + 762))
before=$(pixel $ok_x $ok_y)
click 1200 866                      # "O hře"
eventually not shows $ok_x $ok_y "$before" || fail "the about box did not open"
click 632 762                       # "OK"
eventually shows $ok_x $ok_y "$before" || fail "the about box did not close"
# The quit icon's hint comes 20 logical pixels below the pointer, in a
# window of whole blocks.
xdotool mousemove --window "$window" 28 866
hint_up() {
    hint=$(xdotool search --onlyvisible --name '^Orbitrove$' | grep -vx "$window" | grep -vx "$title" | head -n 1)
    [ -n "$hint" ]
}
eventually hint_up || fail "no hint"
geometry=$(xwininfo -id "$hint")
echo "$geometry" | grep -q 'Absolute upper-left X:  1316$' || fail "hint not at x 1316: $geometry"
echo "$geometry" | grep -q 'Absolute upper-left Y:  1540$' || fail "hint not at y 1540: $geometry"
width=$(echo "$geometry" | sed -n 's/.*Width: //p')
height=$(echo "$geometry" | sed -n 's/.*Height: //p')
[ $((width % 2)) -eq 0 ] && [ $((height % 2)) -eq 0 ] && [ "$height" -ge 30 ] || fail "hint not scaled: $geometry"
# The hint never takes the keyboard from the screen, even with no window
# manager to refuse it.
[ "$(xdotool getwindowfocus)" = "$window" ] || fail "the hint took the keyboard"
click 28 866                        # the quit icon
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "scaled program test passed"
