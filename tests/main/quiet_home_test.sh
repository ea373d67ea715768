#!/bin/sh
# A normal run of the real program under Xvfb, with SDL's own choice of
# sound driver (not the dummy one the other tests use) and a fresh home:
# the program writes nothing, into the home or anywhere near it, and says
# nothing on the terminal but its own line when no sound device opens.
# There is no session bus: the game starts none (libdbus would autolaunch
# one that outlives the game and writes into the home), and leaves no
# process behind.
# Run through xvfb-run-test with the program and the data folder.
set -eu
program=$1
data=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/home" "$dir/game"
ln -s "$data" "$dir/game/data"
fail() { echo "FAIL: $*"; cat "$dir/err" 2>/dev/null; exit 1; }
tree() { (cd "$dir" && find home game | sort); }
before=$(tree)

(cd "$dir/game" && exec env -u SDL_AUDIODRIVER -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
    -u XDG_STATE_HOME -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$dir/runtime" HOME="$dir/home" \
    ORBITROVE_TEST_MARK="$dir" "$program") 2>"$dir/err" &
pid=$!
xdotool search --sync --onlyvisible --name '^Orbitrove$' >/dev/null
sleep 2
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"

left=$(grep -lsxzF "ORBITROVE_TEST_MARK=$dir" /proc/[0-9]*/environ || true)
[ -z "$left" ] || fail "processes left behind: $(for p in $left; do tr '\0' ' ' <"${p%environ}cmdline"; echo; done)"
after=$(tree)
[ "$before" = "$after" ] || fail "files written: $(echo "$after" | grep -vxF "$before" | head -n 10)"
said=$(cat "$dir/err")
case "$said" in
"" | "orbitrove: no sound device can be opened; the game plays silently") ;;
*) fail "noise on standard error" ;;
esac
echo "quiet home test passed (${said:-a sound device opened})"
