# Sourced by the real-program tests: `start_game X Y` lights the title
# screen's start button at the window point (X, Y), clicks it and makes
# $window the game screen's window, $title the title screen's. Needs
# window_checks.sh and fail.
start_game() {
    title=$window
    click "$1" "$2"
    eventually game_screen_up || fail "the game screen did not come up"
}
game_screen_up() {
    window=$(xdotool search --onlyvisible --name '^Orbitrove$' | grep -vx "$title" | head -n 1)
    [ -n "$window" ]
}
