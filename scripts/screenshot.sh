#!/usr/bin/env bash
# Takes the README's screenshot: the main window after a Generate on the sample, in a real X
# server (Xvfb). Run after a build with tests: scripts/screenshot.sh [build-dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
out=$PWD/docs/orvane-main-window.png
env="$PWD/$build/testenv"
scripts/test-env.sh start "$env" "$PWD" >/dev/null
trap 'scripts/test-env.sh stop "$env" "$PWD" >/dev/null' EXIT
ODBCINI=$env/odbc.ini ODBCSYSINI=$env ORVANE_CONFIG_DIR=$env/config ORVANE_TEST_ENV=$env \
    ORVANE_BIN_DIR=$PWD/$build/bin ORVANE_SCREENSHOT=$out QT_QPA_PLATFORM=xcb \
    ASAN_OPTIONS=detect_leaks=0 \
    xvfb-run -a -s "-screen 0 1280x900x24" \
    "$build/tests/test_desktop" --gtest_filter='MainFormTest.GenerateFillsThePanesWithWhatOrvaneGenWrites'
echo "Saved $out"
