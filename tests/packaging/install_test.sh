#!/bin/sh
# Installs the game into a temporary prefix as a desktop and a packager see it:
# the launcher, program, data, menu entry, icons, metadata and manual page are
# in place and validate; the menu entry's command, started from another folder,
# brings up the title screen under the window class the entry names, and
# "Exit" ends it with status 0; the program started without data/ names the
# launcher.
# Run through xvfb-run-test with cmake, the build folder and the source folder.
set -eu
cmake=$1
build=$2
source=$3
id=org.example.nebulka.orbitrove
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*"; cat "$work/log" 2>/dev/null; exit 1; }
# Passes when the command prints nothing: validators report hints on exit status 0.
silent() {
    output=$("$@" 2>&1) || fail "$*: $output"
    [ -z "$output" ] || fail "$*: $output"
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/log" 2>&1 || fail "install"
rm "$work/log"

[ -x "$prefix/games/orbitrove" ] || fail "no launcher in games/"
[ -x "$prefix/lib/orbitrove/orbitrove" ] || fail "no program in lib/orbitrove/"
diff -r "$source/data" "$prefix/share/games/orbitrove/data" || fail "the installed data differ"
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
[ -f "$prefix/share/doc/orbitrove/copyright" ] || fail "no copyright file"

command=$(sed -n 's/^Exec=//p' "$desktop")
[ "$command" = "$prefix/games/orbitrove" ] || fail "the menu entry runs $command"
class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
mkdir "$work/elsewhere" "$work/home"
(cd "$work/elsewhere" && HOME="$work/home" exec $command) >"$work/log" 2>&1 &
pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orbitrove$' | head -n 1)
[ -n "$window" ] || fail "no title screen"
xprop -id "$window" WM_CLASS | grep -q "\"$class\"\$" || fail "window class: $(xprop -id "$window" WM_CLASS)"
sleep 0.5
xdotool mousemove --window "$window" 310 436 click 1   # "Přeskočit"
sleep 0.3
xdotool mousemove --window "$window" 15 442 click 1    # "Exit"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
written=$(cd "$work" && find elsewhere home -mindepth 1 | head -n 5)
[ -z "$written" ] || fail "files written: $written"

# The program itself, started from a folder without data/, names the
# launcher that would have started it right; SIGTERM ends its box.
(cd "$work/elsewhere" && HOME="$work/home" exec "$prefix/lib/orbitrove/orbitrove") >"$work/log" 2>&1 &
pid=$!
timeout 30 xdotool search --sync --onlyvisible --name '^Application Error$' >/dev/null || fail "no error box"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 1 ] || fail "exit status $status after the error box"
grep -qF "must be started from the folder that holds data/, or through its launcher $prefix/games/orbitrove." \
    "$work/log" || fail "the launcher is not named"
echo "install test passed"
