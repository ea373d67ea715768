# Sourced by the real-window tests; they set $window and define fail.

# Checks the window's size and place: placed WIDTH HEIGHT X Y.
placed() {
    geometry=$(xwininfo -id "$window")
    echo "$geometry" | grep -q "Width: $1\$" || fail "width: $geometry"
    echo "$geometry" | grep -q "Height: $2\$" || fail "height: $geometry"
    echo "$geometry" | grep -q "Absolute upper-left X:  $3\$" || fail "not at x $3: $geometry"
    echo "$geometry" | grep -q "Absolute upper-left Y:  $4\$" || fail "not at y $4: $geometry"
}

# Checks that the window asks for no frame.
borderless() {
    hints=$(xprop -id "$window" _MOTIF_WM_HINTS)
    echo "$hints" | grep -q '= 0x2, 0x0, 0x0' || fail "has a frame: $hints"
}

# A left click at the window point (X, Y), and time to handle it.
click() {
    xdotool mousemove --window "$window" "$1" "$2"
    xdotool click 1
    sleep 0.5
}
