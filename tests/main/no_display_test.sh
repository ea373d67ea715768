#!/bin/sh
# With no display the game says so on standard error and exits with 1,
# rather than running unseen on a fallback driver.
program=$1
err=$(mktemp)
trap 'rm -f "$err"' EXIT
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$program" 2>"$err"
status=$?
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status"; exit 1; }
grep -q "cannot open a display" "$err" || { echo "FAIL: no message"; cat "$err"; exit 1; }
echo "no-display test passed"
