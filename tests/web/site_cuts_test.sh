#!/bin/sh
# What the site serves cut down plays and opens as the whole:
# - the sound bank, cut to what the pieces play: every piece of data/
#   rendered whole by the game's synthesizer (native_media piece) with the
#   whole bank and with the site's is the same, sample for sample, and
#   sounds; the site's bank is smaller than the whole one; and a bank cut by
#   intro.mid alone renders song.mid otherwise, so the comparison sees a
#   preset the cut has dropped;
# - each video of data/ is served as its start, shorter than the whole
#   (the program reads only its header: BlankVideo::headerSize, tested with
#   the header reader in media_tests).
# Usage: site_cuts_test.sh NATIVE_MEDIA SITE_DIR REPO (the folder that holds
# data/ and node_modules/). Skipped (77) without a site (make test builds it
# with Emscripten).
set -eu
native=$1
site=$2
repo=$3
here=$(dirname "$0")
. "$here/site_checks.sh"
need_site "$site"
whole=/usr/share/sounds/sf2/TimGM6mb.sf2
cut=$site/sound/TimGM6mb-cut.sf2
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

[ -f "$cut" ] || fail "the site has no sound bank at $cut"
[ "$(stat -c %s "$cut")" -lt "$(stat -c %s "$whole")" ] || fail "the site's sound bank is not cut"
for piece in "$repo"/data/*.mid; do
    name=$(basename "$piece")
    render "$piece" "$whole" "$work/$name.f32"
    render "$piece" "$cut" "$work/cut.f32"
    sounds "$work/$name.f32" || fail "$name renders silent"
    cmp "$work/$name.f32" "$work/cut.f32" || fail "$name sounds otherwise with the site's sound bank"
    echo "$name: $(($(stat -c %s "$work/$name.f32") / 8)) frames, the same with the site's sound bank"
done

node "$repo/tools/bank/cut_sound_bank.mjs" "$whole" "$work/intro-only.sf2" "$repo/data/intro.mid"
render "$repo/data/song.mid" "$work/intro-only.sf2" "$work/intro-only.f32"
if cmp -s "$work/song.mid.f32" "$work/intro-only.f32"; then
    fail "song.mid sounds the same with a bank cut by intro.mid alone: the comparison cannot see a dropped preset"
fi
echo "song.mid sounds otherwise with a bank cut by intro.mid alone"

for video in "$repo"/data/*.avi; do
    name=$(basename "$video")
    served=$site/data/$name
    [ "$(stat -c %s "$served")" -lt "$(stat -c %s "$video")" ] || fail "the site serves $name whole"
    cmp -n "$(stat -c %s "$served")" "$served" "$video" || fail "the site's $name is not the start of data/$name"
    echo "$name: the site serves its first $(stat -c %s "$served") bytes"
done
echo "site cuts test passed"
