#!/bin/sh
# What the game ships cut down plays and opens as the whole:
# - the sound bank, cut to what the pieces play, as the native build makes
#   it beside the program: every piece of data/ rendered whole by the game's
#   synthesizer (native_media piece) with the whole bank and with the cut one
#   is the same, sample for sample, and sounds; the cut bank is smaller than
#   the whole one; and a bank cut by intro.mid alone renders song.mid
#   otherwise, so the comparison sees a preset the cut has dropped;
# - the site's sound bank is that same file, byte for byte;
# - each video of data/ is served as its start, shorter than the whole
#   (the program reads only its header: BlankVideo::headerSize, tested with
#   the header reader in media_tests).
# Usage: site_cuts_test.sh NATIVE_MEDIA SITE_DIR REPO BANK (REPO: the folder
# that holds data/ and node_modules/; BANK: the native build's cut bank).
# Without a site (make test builds it with Emscripten) the native build's
# bank is checked and the rest skipped (77).
set -eu
native=$1
site=$2
repo=$3
cut=$4
here=$(dirname "$0")
. "$here/site_checks.sh"
whole=/usr/share/sounds/sf2/TimGM6mb.sf2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*"
    exit 1
}

render() {
    "$native" piece "$1" "$2" "$3" || fail "native_media could not render $1 with $2"
}

# A render with a sample other than zero (32-bit floats: any byte).
sounds() {
    [ -n "$(tr -d '\0' <"$1" | head -c 1)" ]
}

[ -f "$cut" ] || fail "the build has no sound bank at $cut"
[ "$(stat -c %s "$cut")" -lt "$(stat -c %s "$whole")" ] || fail "the build's sound bank is not cut"
for piece in "$repo"/data/*.mid; do
    name=$(basename "$piece")
    render "$piece" "$whole" "$work/$name.f32"
    render "$piece" "$cut" "$work/cut.f32"
    sounds "$work/$name.f32" || fail "$name renders silent"
    cmp "$work/$name.f32" "$work/cut.f32" || fail "$name sounds otherwise with the cut sound bank"
    echo "$name: $(($(stat -c %s "$work/$name.f32") / 8)) frames, the same with the cut sound bank"
done

node "$repo/tools/bank/cut_sound_bank.mjs" "$whole" "$work/intro-only.sf2" "$repo/data/intro.mid"
render "$repo/data/song.mid" "$work/intro-only.sf2" "$work/intro-only.f32"
if cmp -s "$work/song.mid.f32" "$work/intro-only.f32"; then
    fail "song.mid sounds the same with a bank cut by intro.mid alone: the comparison cannot see a dropped preset"
fi
echo "song.mid sounds otherwise with a bank cut by intro.mid alone"

need_site "$site"
served=$site/sound/$(basename "$cut")
[ -f "$served" ] || fail "the site has no sound bank at $served"
cmp "$served" "$cut" || fail "the site's sound bank is not the native build's"
echo "the site's sound bank is the native build's"

for video in "$repo"/data/*.avi; do
    name=$(basename "$video")
    served=$site/data/$name
    [ "$(stat -c %s "$served")" -lt "$(stat -c %s "$video")" ] || fail "the site serves $name whole"
    cmp -n "$(stat -c %s "$served")" "$served" "$video" || fail "the site's $name is not the start of data/$name"
    echo "$name: the site serves its first $(stat -c %s "$served") bytes"
done
echo "site cuts test passed"
