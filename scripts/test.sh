#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UBSan, and runs every test. The tests
# bring their own ODBC configuration, sample database and PostgreSQL server (scripts/test-env.sh).
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_TESTS=ON
cmake --build build-asan -j"$(nproc)"
ctest --test-dir build-asan --output-on-failure -j2
