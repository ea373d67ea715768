#!/bin/sh
# A few damaged-file cases through the real program under Xvfb, with SDL's
# own choice of sound driver: each comes up either with the title screen or
# with the "Application Error" box naming the file and its folder, within a
# time limit, and a termination request then ends it with status 0 or 1
# respectively; nothing is written and no process is left.
# Run through xvfb-run-test with the program and the data folder.
set -u
. "$(dirname "$0")/poke.sh"
program=$1
data=$2
limit=60  # a ceiling for a hang on a loaded machine
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C
passed=0
failed=0
skipped=0
number=0

# run_case NAME HOW EXPECTED: HOW damages data/NAME in the current folder.
run_case() {
    name=$1 how=$2 want=$3
    number=$((number + 1))
    dir="$work/$number"
    mkdir "$dir" "$dir/home"
    cp -R "$data" "$dir/data"
    (cd "$dir/data" && rm -f "$name" && eval "$how")
    find "$dir" -printf '%p %s %T@\n' | sort >"$work/before"
    (cd "$dir" && exec env -u SDL_AUDIODRIVER HOME="$dir/home" ORBITROVE_TEST_MARK="$dir" "$program") \
        >/dev/null 2>"$work/err" &
    pid=$!
    got="" problem=""
    ticks=0
    while [ -z "$got" ] && [ "$ticks" -lt $((limit * 10)) ]; do
        if xdotool search --all --onlyvisible --pid "$pid" --name '^Application Error$' >/dev/null 2>&1; then
            got=error
        elif xdotool search --all --onlyvisible --pid "$pid" --name '^Orbitrove$' >/dev/null 2>&1; then
            got=start
        elif ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
        ticks=$((ticks + 1))
    done
    kill -TERM "$pid" 2>/dev/null
    status=0
    wait "$pid" || status=$?
    find "$dir" -printf '%p %s %T@\n' | sort >"$work/after"
    if [ -z "$got" ]; then
        problem="neither the title screen nor the box within $limit s (status $status)"
    elif grep -q -e 'Sanitizer' -e 'runtime error' "$work/err"; then
        problem="a sanitizer report"
    elif ! cmp -s "$work/before" "$work/after"; then
        problem="files written"
    elif [ "$got" = error ]; then
        [ "$status" -eq 1 ] || problem="status $status after the box"
        grep -qF "data/$name (looked for in $dir)" "$work/err" || problem="the error does not name data/$name"
    else
        [ "$status" -eq 0 ] || problem="status $status after a normal start"
    fi
    [ -n "$problem" ] || [ "$want" = either ] || [ "$want" = "$got" ] || problem="expected: $want, got: $got"
    # Whatever the program started carries the mark in its environment.
    [ -z "$(grep -lsxzF "ORBITROVE_TEST_MARK=$dir" /proc/[0-9]*/environ || true)" ] || problem="processes left behind"
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        echo "FAIL $name ($how): $problem"
        sed 's/^/    /' "$work/err" | head -n 20
    else
        passed=$((passed + 1))
        echo "ok   $name ($how): $got"
    fi
    rm -rf "$dir"
}

run_case fonts.conf 'mkfifo fonts.conf' start
run_case space.bmp 'mkfifo space.bmp' error
run_case laser.wav 'mkfifo laser.wav' error
run_case ship.bmp 'cp "$data/ship.bmp" . && poke ship.bmp 18 4 30000' error
run_case intro.avi 'head -c 150000 "$data/intro.avi" >intro.avi' start
run_case intro.avi 'head -c 2048 "$data/intro.avi" >intro.avi' error
run_case intro.mid 'head -c 40 "$data/intro.mid" >intro.mid' error

echo "damaged files in the real program: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
