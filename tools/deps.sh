#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Defibrio need, when any is
# missing. As root it runs apt-get; otherwise it prints the exact line to run and stops.
# With --test it also installs what only the tests need (the servers they start, the fuzzing
# compiler, the packaging checkers), so a trainee's machine never gets a server installed. With
# --perf it installs what tools/perf.sh needs besides: a sound server to time the prompts.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-svg-dev qt6-multimedia-dev qt6-websockets-dev libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libcurl4-openssl-dev libssh2-1-dev libssl-dev nlohmann-json3-dev libavahi-client-dev file
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format fonts-dejavu-core xvfb xauth
)

test_packages=(
    clang libclang-rt-14-dev
    python3-pyftpdlib python3-openssl openssh-server openssh-client
    desktop-file-utils appstream lintian dpkg-dev
    poppler-utils python3-jsonschema python3-websockets
    espeak-ng sox
)

perf_packages=(pulseaudio)

if [ "${1:-}" = "--test" ]; then
    packages+=("${test_packages[@]}")
fi
if [ "${1:-}" = "--perf" ]; then
    packages+=("${perf_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
    echo "Defibrio needs these packages, which are not installed: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "    sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    echo "then run this command again." >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
