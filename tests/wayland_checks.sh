# Sourced by the tests run through weston-run-test, after window_checks.sh.

# Runs the game's command on Wayland alone: without DISPLAY SDL cannot take
# the X server the compositor runs in.
on_wayland() { env -u DISPLAY "$@"; }

# The game's windows that weston shows, one "LEFT TOP RIGHT BOTTOM" a line
# on its output; only windows with the game's title and application id.
views() {
    timeout 30 weston-debug scene-graph 2>/dev/null |
        grep -A1 "top-level window 'Orbitrove' of orbitrove," |
        sed -n 's/.*position: (\(-*[0-9]*\), \(-*[0-9]*\)) -> (\(-*[0-9]*\), \(-*[0-9]*\)).*/\1 \2 \3 \4/p' |
        sort -u
}
# Whether one of them is WIDTH x HEIGHT; sets $x and $y to its place.
shown() {
    found=$(views | awk -v w="$1" -v h="$2" '$3 - $1 == w && $4 - $2 == h { print $1, $2; exit }')
    [ -n "$found" ] || return 1
    x=${found% *}
    y=${found#* }
}
# Waits for a window of that size: seen WIDTH HEIGHT.
seen() { eventually shown "$1" "$2" || fail "no $1 x $2 window: $(views | tr '\n' ';')"; }

# Weston's X11 back end moves its pointer by the X pointer's steps, not to
# its place: the pointer is first pushed into the top-left corner, where the
# two meet, then moved to the output's point (X, Y).
point() {
    xdotool mousemove 1023 767
    xdotool mousemove 0 0
    xdotool mousemove "$1" "$2"
}
# A click at the point (X, Y) of the window at ($x, $y).
tap() {
    point $(($x + $1)) $(($y + $2))
    xdotool click 1
}
# Takes the pointer (which weston draws into the picture) off the window
# at ($x, $y), to the output's side that has room for it.
away() {
    if [ "$x" -ge 40 ]; then point 0 "$y"; else point 1010 "$y"; fi
}
# The output's pixels in the window's rectangle (X, Y, WIDTH, HEIGHT) into
# the file $5.
grab() {
    import -silent -window root "$5.full.png"
    convert "$5.full.png" -crop "$3x$4+$(($x + $1))+$(($y + $2))" +repage "$5"
    rm -f "$5.full.png"
}
# Whether two pictures differ.
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 || true)" != 0 ]; }
