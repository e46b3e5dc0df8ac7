#!/usr/bin/env bash
# start.sh BIN: the installed program starts on the offscreen platform with a fresh HOME, makes
# its data folder there at the first start, keeps running, and writes nothing into its install tree.
set -euo pipefail
bin=$(cd "$1" && pwd)
root=$(dirname "$bin")
fail() { echo "FAIL: $*" >&2; exit 1; }
home=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT

before=$(find "$root" -printf '%p %s %T@\n' | sort)
env -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$bin/defibrio" >"$home/log" 2>&1 &
pid=$!
# Up to 20 s for the data folder, which is made before the window opens.
for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || { cat "$home/log" >&2; fail "the program ended by itself"; }
    [ -d "$home/.local/share/Defibrio" ] && break
    sleep 0.1
done
[ -d "$home/.local/share/Defibrio" ] || fail "the installed program made no data folder in 20 s"
kill -0 "$pid" 2>/dev/null || { cat "$home/log" >&2; fail "the program ended by itself"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
[ "$(find "$root" -printf '%p %s %T@\n' | sort)" = "$before" ] || fail "the program wrote into its install tree"
echo "the installed program starts and keeps its data folder under HOME"
