#!/usr/bin/env bash
# Installs what is missing, builds, registers the sample data source and runs Orvane
# (the desktop program when a display is available, otherwise the headless orvane-gen).
# Extra arguments go to the program.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANE_SANITIZE=OFF -DORVANE_TESTS=OFF
cmake --build build -j"$(nproc)"
scripts/register-sample.sh

if [ -x build/bin/orvane ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/orvane "$@"
elif [ -x build/bin/orvane-gen ]; then
    exec build/bin/orvane-gen --list --dsn OrvaneSample "$@"
else
    echo "orvane-gen is not built yet: the sample data source is registered, nothing else to run."
fi
