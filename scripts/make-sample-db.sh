#!/usr/bin/env bash
# Builds the SQLite sample database from scripts/sample/OrvaneSample.sql into <file>.
# The file is built beside the target and renamed into place, so readers never see half a database.
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 <database file>" >&2
    exit 2
fi
target=$1
script="$(cd "$(dirname "$0")" && pwd)/sample/OrvaneSample.sql"

if ! command -v sqlite3 >/dev/null; then
    echo "make-sample-db: sqlite3 is not installed (run scripts/setup.sh)" >&2
    exit 1
fi

mkdir -p "$(dirname "$target")"
tmp=$(mktemp "$target.XXXXXX")
trap 'rm -f "$tmp"' EXIT
rm -f "$tmp"
sqlite3 -bail "$tmp" <"$script"
mv -f "$tmp" "$target"
trap - EXIT
