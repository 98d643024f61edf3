#!/usr/bin/env bash
# Rewrites the golden files of tests/golden/ from the current build (build-asan/ or the folder
# given). Read the diff before committing: the files hold what the tests take as right.
set -euo pipefail

cd "$(dirname "$0")/.."
build=${1:-build-asan}
ORVANE_UPDATE_GOLDEN=1 ORVANE_SOURCE_DIR=$PWD ORVANE_CONFIG_DIR=$(mktemp -d) \
    "$build/tests/test_generator" --gtest_filter='GenSqlTest.DialectsWriteTheirWholeScript'
git status --short -- tests/golden
