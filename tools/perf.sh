#!/usr/bin/env bash
# Measures start-up (against a bare Qt window, side by side), peak memory, CPU at the main menu
# and during a scenario, and the real-time accuracy of the analyze-to-disarm chain, under Xvfb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${BIN:-$root/build/bin}")
runs=${RUNS:-7}
cd "$bin"
run() { xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-perf" "$@" 2>/dev/null; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
bare=(); full=()
for _ in $(seq "$runs"); do
    bare+=("$(run startup-bare | awk '{print $(NF-1)}')")
    full+=("$(run startup | awk '{print $(NF-1)}')")
done
b=$(printf '%s\n' "${bare[@]}" | median)
f=$(printf '%s\n' "${full[@]}" | median)
echo "start-up to first paint, median of $runs: bare window $b ms, Defibrio $f ms ($(awk -v f="$f" -v b="$b" 'BEGIN {printf "%.2f", f/b}') x)"
echo "bare window: $(run idle-bare)"
echo "main menu:   $(run idle)"
echo "scenario:    $(run scenario)"
echo "timeline:    $(run timeline)"
