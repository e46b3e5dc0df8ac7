#!/usr/bin/env bash
# Measures start-up, peak memory, CPU at the main menu and during a scenario, the real-time
# accuracy of the analyze-to-disarm chain, the time the summary takes to open and the latency of
# the first voice prompt, each side by
# side with a bare Qt main window in the same run, under Xvfb; and the CPR metronome's ticks as
# they come out in 30 s of CPR (their count, their spacing and the sound streams opened). With pulseaudio installed
# (tools/deps.sh --perf) it starts a private sound server with a silent output, so that the prompts
# really play and their sound can be timed as it leaves the program.
#   RUNS=N   start-ups measured for each median (7)
#   BIN=DIR  the built programs (build/bin)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${BIN:-$root/build/bin}")
runs=${RUNS:-7}
cd "$bin"

pulse_dir=
cleanup() {
    if [ -n "$pulse_dir" ]; then
        [ -f "$pulse_dir/pid" ] && kill "$(cat "$pulse_dir/pid")" 2>/dev/null || true
        rm -rf "$pulse_dir"
    fi
}
trap cleanup EXIT
if command -v pulseaudio >/dev/null; then
    pulse_dir=$(mktemp -d)
    HOME="$pulse_dir" XDG_RUNTIME_DIR="$pulse_dir" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --use-pid-file=no -L "module-null-sink sink_name=null" \
        -L "module-remap-source master=null.monitor source_name=listen" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$pulse_dir/native" >"$pulse_dir/log" 2>&1 &
    echo $! >"$pulse_dir/pid"
    export PULSE_SERVER="unix:$pulse_dir/native"
    for _ in $(seq 50); do [ -S "$pulse_dir/native" ] && break; sleep 0.1; done
    sound="a private sound server with a silent output"
else
    sound="no sound server (install pulseaudio to time the prompts)"
fi

run() { xvfb-run -a -s "-screen 0 1400x900x24" "$bin/defibrio-perf" "$@" 2>/dev/null; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# The number just before a unit word in a line: field "ms" of "... shown after 70.4 ms ...".
number_before() { grep -oE "[-+]?[0-9.]+ $1" | head -1 | awk '{print $1}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {if (b == "" || a == "" || b + 0 == 0) print "-"; else printf "%.2f x", a / b}'; }
row() { printf '| %-44s | %14s | %14s | %8s |\n' "$1" "$2" "$3" "$4"; }

bare=()
full=()
moments=()
for _ in $(seq "$runs"); do
    bare+=("$(run startup-bare | number_before "ms")")
    line=$(run startup)
    full+=("$(echo "$line" | number_before "ms")")
    moments+=("$line")
done
b=$(printf '%s\n' "${bare[@]}" | median)
f=$(printf '%s\n' "${full[@]}" | median)

idle_bare=$(run idle-bare)
idle=$(run idle)
scenario=$(run scenario)
timeline_bare=$(run timeline-bare)
timeline=$(run timeline)
scenario_scaled=$(run scenario scaled)
timeline_scaled=$(run timeline scaled)
summary_bare=$(run summary-bare)
summary=$(run summary)
summary_long=$(run summary long)
prompt_bare=$(run prompt-bare)
prompt=$(run prompt)
# The metronome: its ticks as they come out, and the sound streams the program opens meanwhile
# (each a new "sink-input" of the sound server).
streams=-
if [ -n "$pulse_dir" ] && command -v pactl >/dev/null; then
    pactl subscribe >"$pulse_dir/events" 2>/dev/null &
    subscriber=$!
    sleep 0.5
fi
metronome=$(run metronome)
if [ -n "${subscriber:-}" ]; then
    kill "$subscriber" 2>/dev/null || true
    wait "$subscriber" 2>/dev/null || true
    streams=$(grep -c "'new' on sink-input" "$pulse_dir/events" || true)
fi

mem() { echo "$1" | grep -oE '[0-9.]+ MiB' | awk '{print $1}'; }
cpu() { echo "$1" | grep -oE '[0-9.]+ %' | awk '{print $1}'; }
off() { echo "$1" | grep -oE 'by [-+][0-9.]+' | awk '{print $2}'; }
late() { echo "$1" | grep -oE '[0-9.]+ ms after' | awk '{print $1}'; }

echo "Defibrio against a bare Qt main window, $(date -u '+%Y-%m-%d %H:%M UTC'), load $(cut -d' ' -f1-3 /proc/loadavg), $sound"
echo
row "figure" "bare window" "Defibrio" "ratio"
row "---" "---" "---" "---"
row "process start to first paint (median of $runs)" "$b ms" "$f ms" "$(ratio "$f" "$b")"
row "peak resident memory at the main menu" "$(mem "$idle_bare") MiB" "$(mem "$idle") MiB" \
    "$(ratio "$(mem "$idle")" "$(mem "$idle_bare")")"
row "peak resident memory in a scenario with CPR" "$(mem "$idle_bare") MiB" "$(mem "$scenario") MiB" \
    "$(ratio "$(mem "$scenario")" "$(mem "$idle_bare")")"
row "CPU at the main menu (% of one core)" "$(cpu "$idle_bare") %" "$(cpu "$idle") %" \
    "$(ratio "$(cpu "$idle")" "$(cpu "$idle_bare")")"
row "CPU in a scenario with CPR (% of one core)" "$(cpu "$idle_bare") %" "$(cpu "$scenario") %" \
    "$(ratio "$(cpu "$scenario")" "$(cpu "$idle_bare")")"
row "34 s analyze-to-disarm chain, real time" "$(off "$timeline_bare") ms" "$(off "$timeline") ms" \
    "$(ratio "$(off "$timeline")" "$(off "$timeline_bare")")"
row "CPU in that scenario, window scaled 1.25 x" "$(cpu "$idle_bare") %" "$(cpu "$scenario_scaled") %" \
    "$(ratio "$(cpu "$scenario_scaled")" "$(cpu "$idle_bare")")"
row "34 s chain, window scaled 1.25 x" "$(off "$timeline_bare") ms" "$(off "$timeline_scaled") ms" \
    "$(ratio "$(off "$timeline_scaled")" "$(off "$timeline_bare")")"
row "summary: End Scenario to its first paint" "$(late "$summary_bare") ms" "$(late "$summary") ms" \
    "$(ratio "$(late "$summary")" "$(late "$summary_bare")")"
row "summary after a 20-minute scenario" "$(late "$summary_bare") ms" "$(late "$summary_long") ms" \
    "$(ratio "$(late "$summary_long")" "$(late "$summary_bare")")"
row "first prompt: display text to sound out" "$(late "$prompt_bare") ms" "$(late "$prompt") ms" \
    "$(ratio "$(late "$prompt")" "$(late "$prompt_bare")")"
ticks=$(echo "$metronome" | grep -oE '[0-9]+ ticks' | awk '{print $1}')
spacing=$(echo "$metronome" | grep -oE '[0-9.]+ ms mean' | awk '{print $1}')
spread=$(echo "$metronome" | grep -oE '[0-9.]+ to [0-9.]+ ms' | awk '{print $1 "-" $3}')
off_beat=$(echo "$metronome" | grep -oE '[0-9]+ off by' | awk '{print $1}')
row "metronome: ticks out in 30 s of CPR" "goal 55" "${ticks:--}" "-"
row "metronome: tick spacing, mean" "545.5 ms" "${spacing:--} ms" "-"
row "metronome: tick spacing, shortest to longest" "535-555 ms" "${spread:--} ms" "-"
row "metronome: ticks off by more than 10 ms" "goal 0" "${off_beat:--}" "-"
row "metronome: sound streams opened in its run" "goal 1" "$streams" "-"
echo
echo "The bare window's 34 s figure is one precise Qt timer of 34 s; its prompt is a loaded sound"
echo "effect played when its title changes; its summary is an empty dialog. Defibrio's start-ups, as measured (ms since process start):"
printf '  %s\n' "${moments[@]}"
echo "$summary_long" | grep -E "events over" | sed 's/^/  /' || true
echo "  $metronome"
for line in "$prompt_bare" "$prompt"; do
    case "$line" in *"no sound"*) echo "  $line" ;; esac
done
