#!/usr/bin/env bash
# install.sh BUILD DESTDIR: a fresh `cmake --install` of the build under DESTDIR with prefix /usr,
# as the package lays it out.
set -euo pipefail
build=$1 destdir=$2
rm -rf "$destdir"
DESTDIR="$destdir" cmake --install "$build" --prefix /usr >/dev/null
