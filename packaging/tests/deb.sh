#!/usr/bin/env bash
# deb.sh BUILD OUT VERSION: `cpack -G DEB` into OUT makes defibrio_VERSION_ARCH.deb with its
# dependencies worked out, its documentation folder named after the package, and no lintian error.
set -euo pipefail
build=$1 out=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$out"
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out.log" 2>&1 || { cat "$out.log" >&2; fail "cpack failed"; }
deb="$out/defibrio_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in $out: $(ls "$out")"

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = defibrio ] || fail "package name $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
grep -q 'libqt6widgets6' <<<"$(field Depends)" || fail "Depends not worked out from the program: $(field Depends)"
grep -q '<.*@.*>' <<<"$(field Maintainer)" || fail "no maintainer: $(field Maintainer)"
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/defibrio ./usr/share/doc/defibrio/copyright ./usr/share/doc/defibrio/changelog.gz \
    ./usr/share/defibrio/sounds/MOTION.WAV ./usr/share/defibrio/sounds/de/MOTION.WAV; do
    grep -q " $path\$" <<<"$contents" || fail "$path is not in the package"
done
! grep -q 'share/doc/Defibrio' <<<"$contents" || fail "a documentation folder named after the project"

lintian --fail-on error --tag-display-limit 0 "$deb"
echo "$(basename "$deb"): no lintian errors"
