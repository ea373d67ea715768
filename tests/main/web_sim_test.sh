#!/bin/sh
# The web build's simulator under Node against the same program built
# natively (orbitrove-sim-portable): on every recorded replay, by file and by
# standard input, and on a few dozen generated scripts, standard output,
# standard error, the exit status and every shot must be the same bytes.
# Arguments: the native program, the web one (orbitrove-sim.js), the script
# generator and the folder that holds data/. Skipped (77) without a web build.
set -eu
native=$1
web=$2
make_scripts=$3
repo=$4
if [ ! -f "$web" ]; then
    echo "SKIP: no web build of the simulator at '$web' (make test builds it with Emscripten)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
scripts=36
[ "${ORBITROVE_SOAK:-0}" != 0 ] && scripts=200

# Each run is ended only if it hangs: a script takes well under a second.
native() { timeout 300 "$native" "$@"; }
web() { timeout 300 node --no-experimental-fetch "$web" "$@"; }

# run WHICH NAME [ARG] [< INPUT]: the run's output, status and shots go to
# $work/NAME.*, from the folder that holds data/.
run() {
    which=$1
    name=$2
    shift 2
    mkdir -p "$work/shots"
    status=0
    (cd "$repo" && "$which" "$@") >"$work/$name.out" 2>"$work/$name.err" || status=$?
    echo "$status" >"$work/$name.status"
    mv "$work/shots" "$work/$name.shots"
}

failures=0
# compare LABEL: the native run's against the web run's; false if any differs.
compare() {
    same=true
    for part in out err status; do
        if ! cmp -s "$work/native.$part" "$work/web.$part"; then
            echo "FAIL: $1: the $part differs"
            diff "$work/native.$part" "$work/web.$part" | head -n 20
            same=false
        fi
    done
    if ! diff -r "$work/native.shots" "$work/web.shots" >/dev/null; then
        echo "FAIL: $1: the shots differ"
        diff -r "$work/native.shots" "$work/web.shots" | head -n 5
        same=false
    fi
    rm -rf "$work/native.shots" "$work/web.shots"
    $same || failures=$((failures + 1))
    $same
}

for script in "$repo"/tests/main/replays/*.sim; do
    run native native "$script"
    run web web "$script"
    compare "$(basename "$script")" || true
    run native native <"$script"
    run web web <"$script"
    compare "$(basename "$script") on standard input" || true
done

mkdir "$work/generated"
"$make_scripts" 20240611 "$scripts" 60 "$work/generated" "$work/shots"
for script in "$work"/generated/*.sim; do
    run native native "$script"
    run web web "$script"
    compare "generated script $(basename "$script")" || { echo "The script:"; cat "$script"; }
done

count=$(ls "$work"/generated/*.sim "$repo"/tests/main/replays/*.sim | wc -l)
[ "$failures" -eq 0 ] || { echo "$failures differences"; exit 1; }
echo "the same on $count scripts"
