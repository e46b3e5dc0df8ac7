#!/usr/bin/env bash
# Installs what is missing, builds into build/ and runs every test (windows on the offscreen platform).
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh --test
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${DEFIB_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
