#!/bin/sh
# The damaged-file matrix, built here from the real data files: each case is
# a copy of data/ with one file damaged, in a folder of its own, and the
# simulator plays the title screen and the first seconds of a game on it
# (every media file opens, plays and is shown). Each case ends in a start-up
# error naming the file and the folder it was looked for in, with status 1,
# or in a normal start, as the case says; never in a crash or a sanitizer
# report, never in a hang (a time limit per case), never with a file
# written.
#
#   damaged_files_test.sh SIMULATOR DATA GROUP
#
# GROUP is "media" (the four media files and the damaged MIDI, WAV and AVI
# headers) or "pictures" (the pictures, fonts.conf and damaged BMP headers).
# `make test` runs every kind of damage on the media files, fonts.conf and
# two pictures, and one on each other picture; ORBITROVE_SOAK=1 runs every
# kind on every file.
set -u
. "$(dirname "$0")/poke.sh"
sim=$1
data=$2
group=$3
soak=${ORBITROVE_SOAK:-0}
limit=${ORBITROVE_CASE_SECONDS:-120}  # a ceiling for a hang on a loaded machine


work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+rwX "$work" 2>/dev/null; rm -rf "$work"' EXIT
export LC_ALL=C
passed=0
failed=0
skipped=0
number=0

# Sanitizer reports get exit codes of their own, so that none passes for the
# start-up error's status 1.
export ASAN_OPTIONS="exitcode=86:detect_leaks=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="exitcode=87:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

script='wait 1000
print Form1.Visible Form1.MediaPlayer1.Open Form1.MediaPlayer2.Open
click Form1.Label1
move Form1.start
click Form1.start1
wait 9000
print Form2.Visible Form2.MediaPlayer1.Open Form2.MediaPlayer2.Open Level'

# Deterministic bytes 1..255 (awk's generator with a fixed seed).
noise() { awk -v n="$1" -v seed="$2" 'BEGIN { srand(seed); for (i = 0; i < n; i++) printf "%c", 1 + int(rand() * 255) }'; }
size() { wc -c <"$1" | tr -d ' '; }
# The file of another kind that takes a file's place for "wrong".
other_kind() {
    case "$1" in
    *.bmp) echo laser.wav ;;
    *.wav) echo ship.bmp ;;
    *.mid) echo laser.wav ;;
    *.avi) echo song.mid ;;
    *) echo ship.bmp ;;
    esac
}

# Makes the damaged copy of `name` in `dir` (dir/data is a copy of data/).
damage() {
    dir=$1 name=$2 kind=$3
    f="$dir/data/$name"
    rm -f "$f"
    case "$kind" in
    missing) ;;
    empty) : >"$f" ;;
    unreadable) cp "$data/$name" "$f" && chmod 000 "$f" ;;
    folder) mkdir "$f" ;;
    loop) ln -s "$name" "$f" ;;
    pipe) mkfifo "$f" ;;
    truncated) head -c $(($(size "$data/$name") / 2)) "$data/$name" >"$f" ;;
    random) noise "$(size "$data/$name")" "$number" >"$f" ;;
    wrong) cp "$data/$(other_kind "$name")" "$f" ;;
    oversized) cp "$data/$name" "$f" && truncate -s +64M "$f" ;;
    # Damaged headers; each starts from the real file.
    *) cp "$data/$name" "$f" && header "$f" "$kind" ;;
    esac
}

header() {
    f=$1
    case "$2" in
    mid-first-40) head -c 40 "$data/intro.mid" >"$f" ;;
    mid-track-past-end) poke_be "$f" 18 4 2147483647 ;;
    mid-more-tracks) poke_be "$f" 10 2 $(($(od -An -tu1 -j10 -N2 "$f" | awk '{print $1 * 256 + $2}') + 1)) ;;
    mid-no-division) poke_be "$f" 12 2 0 ;;
    mid-no-end-of-track) head -c $(($(size "$data/$(basename "$f")") - 4)) "$data/$(basename "$f")" >"$f" ;;
    mid-tempo-zero)
        # One track: tempo 0, a note, the end.
        printf 'MThd\000\000\000\006\000\000\000\001\001\340MTrk\000\000\000\024' >"$f"
        printf '\000\377\121\003\000\000\000\000\220\074\144\203\140\200\074\000\000\377\057\000' >>"$f" ;;
    mid-142-years)
        # One event after a delta of 2^28 - 1 beats of 16.7 s each.
        printf 'MThd\000\000\000\006\000\000\000\001\000\001MTrk\000\000\000\017' >"$f"
        printf '\000\377\121\003\377\377\377\377\377\377\177\377\057\000' >>"$f" ;;
    mid-huge-sysex)
        printf 'MThd\000\000\000\006\000\000\000\001\001\340MTrk\000\000\000\013' >"$f"
        printf '\000\360\377\377\377\177\367\000\377\057\000' >>"$f" ;;
    wav-magic) poke "$f" 0 4 0 ;;
    wav-data-size) poke "$f" 40 4 2147483647 ;;
    wav-no-channels) poke "$f" 22 2 0 ;;
    wav-rate-zero) poke "$f" 24 4 0 ;;
    wav-odd-bits) poke "$f" 34 2 3 ;;
    avi-magic) poke "$f" 8 4 0 ;;
    avi-cut-in-header) head -c 2048 "$data/intro.avi" >"$f" ;;
    avi-noisy-header) { head -c 12 "$data/intro.avi"; noise 4084 7; tail -c +4097 "$data/intro.avi"; } >"$f" ;;
    avi-huge-streams) poke "$f" 56 4 2147483647 ;;
    bmp-huge-width) poke "$f" 18 4 30000 ;;
    bmp-huge-height) poke "$f" 22 4 2147483648 ;;
    bmp-no-bits) poke "$f" 28 2 0 ;;
    bmp-odd-bits) poke "$f" 28 2 7 ;;
    bmp-offset-past-end) poke "$f" 10 4 2147483647 ;;
    bmp-info-size) poke "$f" 14 4 0 ;;
    bmp-width-zero) poke "$f" 18 4 0 ;;
    esac
}

# What a case must end in: error, start or either.
expected() {
    name=$1 kind=$2
    case "$name:$kind" in
    fonts.conf:missing | fonts.conf:folder | fonts.conf:loop | fonts.conf:pipe | fonts.conf:unreadable) echo start ;;
    fonts.conf:*) echo error ;;
    *:missing | *:empty | *:unreadable | *:folder | *:loop | *:pipe) echo error ;;
    *.bmp:oversized) echo start ;;
    *.bmp:*) echo error ;;
    *:oversized) echo start ;;
    *.mid:truncated | *.mid:random | *.mid:wrong) echo error ;;
    *:mid-tempo-zero | *:mid-huge-sysex) echo either ;;
    *:mid-*) echo error ;;
    *.wav:random | *.wav:wrong) echo error ;;
    *:wav-magic) echo error ;;
    *) echo either ;;
    esac
}

report() {
    echo "$1"
    [ -z "${2:-}" ] || sed 's/^/    /' "$2" | head -n 40
}

run_case() {
    name=$1 kind=$2
    number=$((number + 1))
    label="$name $kind"
    want=$(expected "$name" "$kind")
    dir="$work/$number"
    mkdir "$dir" "$dir/home"
    cp -R "$data" "$dir/data"
    damage "$dir" "$name" "$kind"
    chmod -R a+rX "$dir" 2>/dev/null
    [ "$kind" = unreadable ] && chmod 000 "$dir/data/$name"
    as=""
    if [ "$kind" = unreadable ] && [ "$(id -u)" -eq 0 ]; then
        # Root reads every file: this case runs as nobody.
        if command -v setpriv >/dev/null 2>&1; then
            as="setpriv --reuid=65534 --regid=65534 --clear-groups"
        else
            skipped=$((skipped + 1))
            report "SKIP $label: root reads every file and setpriv is missing"
            return
        fi
    fi
    find "$dir" -printf '%p %s %T@\n' 2>/dev/null | sort >"$work/before"
    printf '%s\n' "$script" >"$work/script"
    status=0
    (cd "$dir" && HOME="$dir/home" exec timeout -k 3 "$limit" $as "$sim" "$work/script") \
        >"$work/out" 2>"$work/err" || status=$?
    find "$dir" -printf '%p %s %T@\n' 2>/dev/null | sort >"$work/after"
    problem=""
    if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
        problem="no end within $limit s"
    elif grep -q -e 'Sanitizer' -e 'runtime error' "$work/err"; then
        problem="a sanitizer report"
    elif ! cmp -s "$work/before" "$work/after"; then
        problem="files written: $(diff "$work/before" "$work/after" | grep '^>' | head -n 3)"
    elif [ "$status" -eq 1 ]; then
        got=error
        grep -q "^Application Error: Exception [A-Za-z]* in module orbitrove-sim at " "$work/err" ||
            problem="status 1 without the start-up error"
        grep -qF "data/$name (looked for in $dir)" "$work/err" || problem="the error does not name data/$name and $dir"
        [ ! -s "$work/out" ] || problem="a failed start printed state"
        # The report's two lines, and no library's own.
        noise=$(grep -v -e '^Application Error: Exception ' -e '^orbitrove-sim: the video decoder reports: ' "$work/err" |
            grep -vF "data/$name (looked for in $dir)")
        [ -z "$noise" ] || problem="noise on standard error"
    elif [ "$status" -eq 0 ]; then
        got=start
        grep -qx 'Form1.Visible=true' "$work/out" && grep -qx 'Form2.Visible=true' "$work/out" ||
            problem="no normal start"
        if grep -v -e '^orbitrove-sim: the video decoder reports: ' "$work/err" | grep -q .; then
            problem="noise on standard error"
        fi
    else
        problem="status $status"
    fi
    if [ -z "$problem" ] && [ "$want" != either ] && [ "$want" != "$got" ]; then
        problem="expected: $want, got: $got"
    fi
    if [ -n "$problem" ]; then
        failed=$((failed + 1))
        report "FAIL $label: $problem" "$work/err"
    else
        passed=$((passed + 1))
        report "ok   $label: $got"
    fi
    chmod -R u+rwX "$dir" 2>/dev/null
    rm -rf "$dir"
}

kinds="missing empty unreadable folder loop pipe truncated random wrong oversized"
case "$group" in
media)
    for name in intro.avi intro.mid laser.wav song.mid; do
        for kind in $kinds; do run_case "$name" "$kind"; done
    done
    for kind in mid-first-40 mid-track-past-end mid-more-tracks mid-no-division mid-no-end-of-track \
        mid-tempo-zero mid-142-years mid-huge-sysex; do
        run_case intro.mid "$kind"
    done
    for kind in wav-magic wav-data-size wav-no-channels wav-rate-zero wav-odd-bits; do run_case laser.wav "$kind"; done
    for kind in avi-magic avi-cut-in-header avi-noisy-header avi-huge-streams; do run_case intro.avi "$kind"; done
    ;;
pictures)
    for kind in $kinds; do run_case fonts.conf "$kind"; done
    for f in "$data"/*.bmp; do
        name=$(basename "$f")
        case "$soak:$name" in
        1:* | *:background.bmp | *:ship.bmp) for kind in $kinds; do run_case "$name" "$kind"; done ;;
        *) run_case "$name" random ;;
        esac
    done
    for kind in bmp-huge-width bmp-huge-height bmp-no-bits bmp-odd-bits bmp-offset-past-end bmp-info-size \
        bmp-width-zero; do
        run_case ship.bmp "$kind"
    done
    ;;
*)
    echo "usage: damaged_files_test.sh SIMULATOR DATA media|pictures" >&2
    exit 2
    ;;
esac

echo "damaged files ($group): $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
