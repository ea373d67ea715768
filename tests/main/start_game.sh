# Sourced by the real-program tests: `start_game X Y` lights the title
# screen's start button at the window point (X, Y), clicks it and makes
# $window the game screen's window. Needs window_checks.sh and fail.
start_game() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.3
    click "$1" "$2"
    title=$window
    for _ in $(seq 50); do
        window=$(xdotool search --onlyvisible --name '^Orbitrove$' | head -n 1)
        [ -n "$window" ] && [ "$window" != "$title" ] && break
        sleep 0.1
    done
    [ "$window" != "$title" ] || fail "the game screen did not come up"
    sleep 0.5
}
