#!/usr/bin/env bash
# Installs what is missing, builds into build/ and starts Defibrio in its program directory.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo ${DEFIB_CMAKE_ARGS:-}
cmake --build build -j"$(nproc)"
cd build/bin
exec ./defibrio
