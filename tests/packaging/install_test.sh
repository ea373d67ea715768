#!/bin/sh
# Installs the game into a temporary prefix as a desktop and a packager see it:
# the launcher, program, video decoder, data, sound bank, menu entry, icons,
# metadata and manual page are in place and work, and the copyright file
# covers the sound bank; the menu entry, launched as a desktop launches it from
# another folder, brings up the title screen under the window class the entry
# names, and "Exit" ends it; the launcher ends with the program's status 0;
# the program started without data/ names the launcher.
# The prefix holds what a shell or a desktop would take apart. Two such
# characters are checked on a tree moved after the install: a backslash,
# which CMake's install takes for a folder separator, and a percent sign,
# whose entry GLib cannot launch (it looks for the program before it undoes
# the %% escape), so that entry is only validated.
# Run through xvfb-run-test with cmake, the build folder, the source folder
# and the sound bank the build cut beside the program.
set -eu
cmake=$1
build=$2
source=$3
bank=$4
id=org.example.nebulka.orbitrove
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# $HOME and `date` are part of the folder's name, nothing to expand.
# shellcheck disable=SC2016
prefix=$work/'pre fix $HOME "games" `date` it'"'"'s č'
fail() { echo "FAIL: $*"; cat "$work/log" 2>/dev/null; exit 1; }
# Passes when the command prints nothing: validators report hints on exit status 0.
silent() {
    output=$("$@" 2>&1) || fail "$*: $output"
    [ -z "$output" ] || fail "$*: $output"
}
# Writes the menu entry FILE for the launcher LAUNCHER as the install does.
write_entry() {
    "$cmake" -D "LAUNCHER=$1" -D "TEMPLATE=$source/packaging/$id.desktop.in" -D "ENTRY=$2" \
        -P "$source/packaging/DesktopEntry.cmake" || fail "writing the entry for $1"
}
# Waits for the title screen and makes $window its window.
title_screen() {
    window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
    [ -n "$window" ] || fail "no title screen $1"
}
# Skips the intro and clicks "Exit": the program takes the clicks in order.
exit_title() {
    xdotool mousemove --window "$window" 310 436 click 1   # "Přeskočit"
    xdotool mousemove --window "$window" 15 442 click 1    # "Exit"
}
# Launches the menu entry as a desktop does, from another folder with a fresh
# home, and makes $game the process it started. An entry that is not D-Bus
# activatable needs no session bus; gio is given none, so it tells no desktop.
launch() {
    (cd "$work/elsewhere" && HOME="$work/home" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-bus" exec gio launch "$1") \
        >"$work/log" 2>&1 || fail "gio launch $1"
    title_screen "from $1"
    game=$(xdotool getwindowpid "$window") || fail "no process for the window"
}
# gio launch lets the game go, so its end is watched for, not waited on.
ended() {
    for _ in $(seq 300); do
        state=$(ps -o stat= -p "$game") || return 0
        case $state in Z*) return 0 ;; esac
        sleep 0.1
    done
    return 1
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/log" 2>&1 || fail "install"
rm "$work/log"

[ -x "$prefix/games/orbitrove" ] || fail "no launcher in games/"
[ -x "$prefix/lib/orbitrove/orbitrove" ] || fail "no program in lib/orbitrove/"
# The intro's decoder, which the program starts from beside itself.
[ "$(cd "$prefix/share/games/orbitrove" && "$prefix/lib/orbitrove/orbitrove-video" data/intro.avi | head -c 4)" = OVP1 ] ||
    fail "the installed video decoder gives no pictures"
diff -r "$source/data" "$prefix/share/games/orbitrove/data" || fail "the installed data differ"
bank_name=$(basename "$bank")
cmp "$bank" "$prefix/share/games/orbitrove/sound/$bank_name" || fail "the installed sound bank differs"
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(identify -format '%wx%h %[channels]' "$icon")" = "${size}x$size srgba" ] || fail "icon $icon"
done

desktop=$prefix/share/applications/$id.desktop
silent desktop-file-validate "$desktop"
appstreamcli validate-tree --no-net "$prefix" >"$work/log" 2>&1 || fail "appstreamcli validate-tree"
rm "$work/log"
page=$prefix/share/man/man6/orbitrove.6.gz
# The way lintian reads a manual page: any warning of groff's is a finding.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"
copyright=$prefix/share/doc/orbitrove/copyright
[ -f "$copyright" ] || fail "no copyright file"
# The sound bank is the bank's authors' work, under its own licence.
sed -n "/^Files: $bank_name\$/,/^\$/p" "$copyright" | grep -q '^License: GPL-2$' ||
    fail "the copyright file gives no licence of its own to $bank_name"

class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
mkdir "$work/elsewhere" "$work/home"
launch "$desktop"
xprop -id "$window" WM_CLASS | grep -q "\"$class\"\$" || fail "window class: $(xprop -id "$window" WM_CLASS)"
exit_title
ended || fail "Exit did not end the game"

moved=$work/'back\slash'
mv "$prefix" "$moved"
write_entry "$moved/games/orbitrove" "$work/moved.desktop"
silent desktop-file-validate "$work/moved.desktop"
launch "$work/moved.desktop"
exit_title
ended || fail "Exit did not end the game moved to $moved"
write_entry "$work/100%/games/orbitrove" "$work/percent.desktop"
silent desktop-file-validate "$work/percent.desktop"

(cd "$work/elsewhere" && HOME="$work/home" exec "$moved/games/orbitrove") >"$work/log" 2>&1 &
pid=$!
title_screen "from the launcher"
exit_title
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
written=$(cd "$work" && find elsewhere home -mindepth 1 | head -n 5)
[ -z "$written" ] || fail "files written: $written"

# The program itself, started from a folder without data/, names the
# launcher that would have started it right; SIGTERM ends its box.
(cd "$work/elsewhere" && HOME="$work/home" exec "$moved/lib/orbitrove/orbitrove") >"$work/log" 2>&1 &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Application Error$' >/dev/null || fail "no error box"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status after the error box"
grep -qF "must be started from the folder that holds data/, or through its launcher $moved/games/orbitrove." \
    "$work/log" || fail "the launcher is not named"
echo "install test passed"
