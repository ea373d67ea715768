# Sourced by the real-window tests; they set $window and define fail.

# How long a check waits for the program to get there: a ceiling for a
# hang, generous enough for a loaded machine, never a figure of speed.
patience=${ORBITROVE_TEST_PATIENCE:-30}

# Runs a check a tenth of a second apart until it holds, for at most
# $patience seconds however long each try takes: eventually COMMAND
# [ARGUMENT...].
eventually() {
    deadline=$(($(date +%s) + patience))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# The opposite of a check, for `eventually not ...`.
not() { ! "$@"; }

# Whether a window manager runs: it announces itself by a window that
# names itself back.
managing() {
    check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
    [ -n "$check" ] && xprop -id "$check" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "$check"
}

# Whether the window has the size and place WIDTH HEIGHT X Y.
at_place() {
    geometry=$(xwininfo -id "$window")
    echo "$geometry" | grep -q "Width: $1\$" && echo "$geometry" | grep -q "Height: $2\$" &&
        echo "$geometry" | grep -q "Absolute upper-left X:  $3\$" &&
        echo "$geometry" | grep -q "Absolute upper-left Y:  $4\$"
}
# Waits for the window to take that size and place: placed WIDTH HEIGHT X Y.
placed() { eventually at_place "$@" || fail "not $1 x $2 at ($3, $4): $geometry"; }

# Checks that the window asks for no frame.
borderless() {
    hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
    echo "$hints" | grep -q '= 0x2, 0x0, 0x0' || fail "has a frame: $hints"
}

# A left click at the window point (X, Y); what it does, the checks after
# it wait for.
click() {
    xdotool mousemove --window "$window" "$1" "$2"
    xdotool click 1
}

# Whether the test's `pixel X Y` shows COLOUR: shows X Y COLOUR.
shows() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# A screenshot of the whole screen into $home/screen.png.
screenshot() { import -silent -window root "$home/screen.png"; }
# Whether the screen at (X, Y) is the simulator's shot $home/shot.png, each
# of its pixels blown up to a SCALE x SCALE block: no pixel may differ.
# same_as_shot SCALE X Y
same_as_shot() {
    screenshot
    convert "$home/shot.png" -sample "$(($1 * 100))%" "$home/expected.png"
    size=$(identify -format %wx%h "$home/expected.png")
    convert "$home/screen.png" -crop "$size+$2+$3" +repage "$home/actual.png"
    differ=$(compare -metric AE "$home/expected.png" "$home/actual.png" null: 2>&1) || true
    [ "$differ" = 0 ]
}
shows_shot() { eventually same_as_shot "$@" || fail "$differ pixels differ from the shot at scale $1"; }
