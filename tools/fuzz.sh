#!/usr/bin/env bash
# Fuzzes the readers of the option files, the send options, the scoreboard, the report viewer and
# the scenario files, and the append to the instructor's CSV file, with libFuzzer.
#   tools/fuzz.sh [SECONDS]     builds the targets with clang, AddressSanitizer and UBSan into
#                               build-fuzz/ and runs each for SECONDS (30) from the checked-in seeds
#   tools/fuzz.sh --coverage    replays the corpus grown there through a build with clang's source
#                               coverage and prints the line coverage of the readers
# A broken invariant or a sanitizer report stops with the input kept as build-fuzz/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang++ >/dev/null 2>&1; then
    echo "Fuzzing skipped: clang++ is not installed (tools/deps.sh --test installs it)."
    exit 0
fi
targets=(options sendoptions scoreboard reportviewer debriefcsv scenariofile station)
# The targets write their files into a fresh folder for every input: in memory where there is one.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
jobs=$(nproc)
[ "$jobs" -gt 2 ] && jobs=2

if [ "${1:-}" = "--coverage" ]; then
    cmake -S . -B build-fuzz-coverage -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DDEFIB_CORE_ONLY=ON \
        -DDEFIB_FUZZ=ON -DDEFIB_BENCHMARKS=OFF \
        -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" >/dev/null
    cmake --build build-fuzz-coverage -j"$jobs" --target "${targets[@]/#/fuzz_}" >/dev/null
    rm -f build-fuzz-coverage/*.profraw
    objects=()
    for target in "${targets[@]}"; do
        mkdir -p "build-fuzz/corpus/$target"
        LLVM_PROFILE_FILE="build-fuzz-coverage/$target-%p.profraw" \
            "build-fuzz-coverage/bin/fuzz_$target" -runs=0 "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" \
            2>/dev/null
        objects+=(-object "build-fuzz-coverage/bin/fuzz_$target")
    done
    llvm-profdata-14 merge -sparse build-fuzz-coverage/*.profraw -o build-fuzz-coverage/fuzz.profdata
    echo "Line coverage of the readers by the corpus (lines, missed, covered):"
    llvm-cov-14 report -instr-profile=build-fuzz-coverage/fuzz.profdata "${objects[@]:1}" 2>/dev/null |
        awk '/(options|engine)\/(options|optionfile|ftpsettings|scoreboard|reportviewer|reports|debriefcsv|textfile|utf8|scenariofile)\.cpp/ { print "  " $1, $8, $9, $10 }'
    exit 0
fi

seconds=${1:-30}
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEFIB_CORE_ONLY=ON \
    -DDEFIB_FUZZ=ON -DDEFIB_SANITIZE=ON -DDEFIB_WERROR=ON -DDEFIB_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target "${targets[@]/#/fuzz_}"
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "Fuzzing $target for $seconds s"
    status=0
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/crash-$target-" "build-fuzz/corpus/$target" "tests/fuzz/corpus/$target" \
        >"build-fuzz/$target.log" 2>&1 || status=$?
    grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb)" \
        "build-fuzz/$target.log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 60 "build-fuzz/$target.log"
        echo "The $target fuzz target failed; the input is kept as build-fuzz/crash-$target-*"
        exit 1
    fi
done
