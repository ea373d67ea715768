#!/bin/sh
# The game's page against the native simulator: makes the simulator's
# picture of the title screen after "Přeskočit" and the rectangles of its
# text, then runs page_test.mjs and scaled_test.mjs on the site with them.
# Usage: page_test.sh SIMULATOR SITE_DIR REPO (the folder that holds data/).
# Skipped (77) without a site (make test builds it with Emscripten).
set -eu
simulator=$1
site=$2
repo=$3
here=$(dirname "$0")
. "$here/site_checks.sh"
need_site "$site"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The title's one caption after the intro: "Exit".
(cd "$repo" && "$simulator") >"$work/out" <<EOF_SCRIPT
click Form1.Label1
print Form1.exit.Left Form1.exit.Top Form1.exit.Width Form1.exit.Height
shot $work/title.bmp
EOF_SCRIPT
text=$(sed -n 's/^Form1\.exit\.[A-Za-z]*=//p' "$work/out" | tr '\n' ' ' |
    awk '{ printf "[{\"x\": %d, \"y\": %d, \"width\": %d, \"height\": %d}]", $1, $2, $3, $4 }')
"$here/../browser-run-test" "$site" "$here/page_test.mjs" "$work/title.bmp" "$text"
"$here/../browser-run-test" "$site" "$here/scaled_test.mjs" "$work/title.bmp" "$text"
