#!/bin/sh
# The game's page sounds and shows its intro as the game does natively:
# renders the intro's first 8 s with the game's synthesizer and decodes its
# pictures (native_media), then runs media_test.mjs on the site with them.
# Usage: media_test.sh NATIVE_MEDIA SITE_DIR REPO (the folder that holds
# data/). Skipped (77) without a site (make test builds it with Emscripten).
set -eu
native=$1
site=$2
repo=$3
here=$(dirname "$0")
. "$here/site_checks.sh"
need_site "$site"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$repo" && "$native" music data/intro.mid 352800 "$work/intro.f32" && "$native" video data/intro.avi "$work/intro.rgb")
"$here/../browser-run-test" "$site" "$here/media_test.mjs" "$work/intro.f32" "$work/intro.rgb"
