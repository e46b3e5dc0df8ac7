#!/usr/bin/env bash
# Installs what is missing, builds into build/ and makes the Debian package build/defibrio_*.deb.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${DEFIB_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"
cd build
cpack -G DEB
