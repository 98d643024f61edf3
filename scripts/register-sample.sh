#!/usr/bin/env bash
# Builds the sample database and registers it as the user data source OrvaneSample in the user's
# own odbc.ini, without root. Other data sources in that file are kept as they are; running it
# again gives the same result.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
dsn=OrvaneSample
db="${XDG_DATA_HOME:-$HOME/.local/share}/orvane/OrvaneSample.db"

# unixODBC reads the user's odbc.ini from the home folder of the password file, not from $HOME,
# unless ODBCINI names another file.
if [ -n "${ODBCINI:-}" ]; then
    ini=$ODBCINI
else
    home=$(getent passwd "$(id -un)" | cut -d: -f6)
    ini="${home:-$HOME}/.odbc.ini"
fi

if [ ! -f "$db" ] || [ "$here/sample/OrvaneSample.sql" -nt "$db" ]; then
    "$here/make-sample-db.sh" "$db"
fi

mkdir -p "$(dirname "$ini")"
touch "$ini"
tmp=$(mktemp "$ini.XXXXXX")
trap 'rm -f "$tmp"' EXIT
# Copy the file without the old section of this data source and without trailing blank lines.
awk -v name="$dsn" '
    /^[[:space:]]*\[/ {
        section = $0
        gsub(/^[[:space:]]*\[|\][[:space:]]*$/, "", section)
        skip = tolower(section) == tolower(name)
    }
    skip { next }
    /^[[:space:]]*$/ { blanks++; next }
    { for (; blanks > 0; blanks--) print ""; print }
' "$ini" >"$tmp"
if [ -s "$tmp" ]; then
    echo >>"$tmp"
fi
cat >>"$tmp" <<INI
[$dsn]
Description=Orvane sample database
Driver=SQLite3
Database=$db
INI
chmod --reference="$ini" "$tmp"
mv -f "$tmp" "$ini"
trap - EXIT
echo "Registered data source $dsn ($db) in $ini"
