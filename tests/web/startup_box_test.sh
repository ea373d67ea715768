#!/bin/sh
# Serves four damaged copies of the site (data/ship.bmp that no browser can
# decode, at picture/; data/laser.wav missing, at media/; data/laser.wav
# damaged, at sound/; data/intro.avi, the video's header that the site
# serves, damaged, at intro/) and runs
# startup_box_test.mjs on them. Usage: startup_box_test.sh SITE_DIR.
# Skipped (77) without a site (make test builds it with Emscripten).
set -eu
site=$1
here=$(dirname "$0")
. "$here/site_checks.sh"
need_site "$site"
served=$(mktemp -d)
trap 'rm -rf "$served"' EXIT
cp -R "$site" "$served/picture"
printf 'XX' | dd of="$served/picture/data/ship.bmp" bs=1 conv=notrunc 2>/dev/null
cp -R "$site" "$served/media"
rm "$served/media/data/laser.wav"
cp -R "$site" "$served/sound"
printf 'XXXX' | dd of="$served/sound/data/laser.wav" bs=1 conv=notrunc 2>/dev/null
cp -R "$site" "$served/intro"
printf 'XXXX' | dd of="$served/intro/data/intro.avi" bs=1 conv=notrunc 2>/dev/null
"$here/../browser-run-test" "$served" "$here/startup_box_test.mjs"
