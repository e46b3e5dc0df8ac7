#!/usr/bin/env bash
# Saves PNG pictures of the windows under Xvfb: tools/screenshots.sh [OUTDIR] (default build/screenshots).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
bin=$(realpath "${BIN:-$root/build/bin}")
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-screenshots" "$out"
xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-options-screenshots" "$out"
