#!/bin/sh
# The canvas typesetter in headless Chromium against the native typesetter
# on every caption of both screens (text_test.mjs). Arguments: the native
# figures' program (native_captions), the web build's text probe site and
# the folder that holds data/. Skipped (77) without the site.
set -eu
native=$1
site=$2
repo=$3
if [ ! -f "$site/index.html" ]; then
    echo "SKIP: no text probe site at '$site' (make test builds it with Emscripten)"
    exit 77
fi
figures=$(mktemp)
trap 'rm -f "$figures"' EXIT
(cd "$repo" && "$native") >"$figures"
"$repo/tests/browser-run-test" "$site" "$repo/tests/web/text_test.mjs" "$figures"
