#!/usr/bin/env bash
# command-line.sh PROGRAM VERSION: --version and --help print and exit without any display.
set -euo pipefail
program=$1 version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
headless=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR HOME="$(mktemp -d)")

out=$(timeout 20 "${headless[@]}" "$program" --version)
[ "$out" = "Defibrio $version" ] || fail "--version printed '$out'"
out=$(timeout 20 "${headless[@]}" "$program" -v)
[ "$out" = "Defibrio $version" ] || fail "-v printed '$out'"
out=$(timeout 20 "${headless[@]}" "$program" --help)
grep -q -- '--version' <<<"$out" || fail "--help does not list --version: $out"
grep -q -- 'Usage: ' <<<"$out" || fail "--help prints no usage line: $out"
# Any other option is refused, once the window system is there to tell Qt's own options apart.
set +e
out=$(timeout 20 env QT_QPA_PLATFORM=offscreen HOME="$(mktemp -d)" "$program" --no-such-option 2>&1)
status=$?
set -e
[ $status -eq 1 ] && grep -q "no-such-option" <<<"$out" || fail "an unknown option was not refused ($status): $out"
echo "--version and --help answer without a display; an unknown option is refused"
