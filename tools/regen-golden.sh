#!/usr/bin/env bash
# Regenerates the expected output of scenario scripts: tools/regen-golden.sh [NAME ...]
# (all of tests/scenarios without names). Read the diff before committing it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sim=$(realpath "${SIM:-$root/build/bin/defibrio-sim}")
[ -x "$sim" ] || { echo "build defibrio-sim first (cmake --build build)" >&2; exit 1; }
cd "$root/tests/scenarios"
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for script in *.sim; do names+=("${script%.sim}"); done
fi
for name in "${names[@]}"; do
    work=$(mktemp -d)
    [ -d "$name.given" ] && cp -r "$name.given/." "$work/"
    status=0
    (cd "$work" && "$sim" "$root/tests/scenarios/$name.sim" > "$root/tests/scenarios/$name.out") || status=$?
    if [ "$status" -ne 0 ]; then echo "$status" > "$name.status"; else rm -f "$name.status"; fi
    if [ -d "$name.files" ]; then
        for file in "$name.files"/*; do cp "$work/$(basename "$file")" "$file"; done
    fi
    rm -rf "$work"
    echo "$name: exit $status"
done
