#!/usr/bin/env bash
# The instructor's console measured under Xvfb: the latency of 200 commands over loopback (target
# under 50 ms), the console's CPU with 30 defibrio-sim stations playing scenarios for 60 s (target
# under 5 % of one core; the stations are processes of their own and do not count), and one
# station's CPU with and without the console joined (target under 1 point more).
#   SECONDS_RUN=N   seconds of each CPU measurement (60)
#   STATIONS=N      stations for the console's CPU (30)
#   BIN=DIR         the built programs (build/bin)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${BIN:-$root/build/bin}")
seconds=${SECONDS_RUN:-60}
stations=${STATIONS:-30}
run() { xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-console-perf" "$@" 2>/dev/null; }
run latency
run console "$bin/defibrio-sim" "$stations" "$seconds"
run station "$bin/defibrio-sim" "$seconds"
