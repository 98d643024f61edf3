#!/usr/bin/env bash
# The test environment: test-own ODBC ini files, the SQLite sample, a throwaway PostgreSQL server.
#   test-env.sh start <envdir> <srcdir>   make <envdir> fresh and start the server
#   test-env.sh stop  <envdir> [<srcdir>] stop the server (always succeeds)
set -euo pipefail

usage() {
    echo "usage: $0 start|stop <envdir> [<srcdir>]" >&2
    exit 2
}

[ $# -ge 2 ] || usage
action=$1
envdir=$2
srcdir=${3:-$(cd "$(dirname "$0")/.." && pwd)}
case "$envdir" in
"" | / | /root | /home | /tmp) echo "test-env: refusing to use '$envdir'" >&2 && exit 2 ;;
esac

pg_user=orvane
pg_password=orvane_pw
pg_database=orvane_test
# A login whose password holds what ends or starts an attribute of a connection string.
pg_odd_user=orvane_odd
pg_odd_password='odd;Database=postgres;}x{ '

pg_bindir() {
    local dir
    for dir in /usr/lib/postgresql/15/bin /usr/lib/postgresql/*/bin; do
        if [ -x "$dir/initdb" ]; then
            echo "$dir"
            return 0
        fi
    done
    echo "test-env: no PostgreSQL server binaries found (package postgresql-15)" >&2
    return 1
}

# Runs a server command as the server's owner: initdb refuses root, so root hands it to postgres.
as_pg_owner() {
    if [ "$(id -u)" -eq 0 ]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

stop_server() {
    local pgdata=$envdir/pg
    [ -f "$pgdata/postmaster.pid" ] || return 0
    local bindir
    bindir=$(pg_bindir) || return 0
    if ! as_pg_owner "$bindir/pg_ctl" -D "$pgdata" stop -m fast -w -t 30 >/dev/null 2>&1; then
        local pid
        pid=$(head -n 1 "$pgdata/postmaster.pid" 2>/dev/null || true)
        if [[ "$pid" =~ ^[0-9]+$ ]]; then
            kill -9 "$pid" 2>/dev/null || true
        fi
    fi
}

# Absolute path of an ODBC driver library shipped by a Debian package.
driver_path() {
    local name=$1 dir
    for dir in "/usr/lib/$(uname -m)-linux-gnu/odbc" /usr/lib/*/odbc /usr/lib/odbc /usr/local/lib; do
        if [ -f "$dir/$name" ]; then
            echo "$dir/$name"
            return 0
        fi
    done
    echo "test-env: ODBC driver $name not found" >&2
    return 1
}

port_in_use() {
    (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

free_port() {
    local port
    while :; do
        port=$((20000 + RANDOM % 40000))
        if ! port_in_use "$port"; then
            echo "$port"
            return 0
        fi
    done
}

write_ini_files() {
    local sqlite_driver pg_unicode pg_ansi port=$1
    sqlite_driver=$(driver_path libsqlite3odbc.so)
    pg_unicode=$(driver_path psqlodbcw.so)
    pg_ansi=$(driver_path psqlodbca.so)
    cat >"$envdir/odbcinst.ini" <<EOF
[SQLite3]
Description=SQLite3 ODBC Driver
Driver=$sqlite_driver
DontDLClose=1

[PostgreSQL Unicode]
Description=PostgreSQL ODBC driver (Unicode version)
Driver=$pg_unicode
DontDLClose=1

[PostgreSQL ANSI]
Description=PostgreSQL ODBC driver (ANSI version)
Driver=$pg_ansi
DontDLClose=1
EOF
    cat >"$envdir/odbc.ini" <<EOF
[ODBC Data Sources]
OrvaneSample=SQLite3
OrvaneSampleCopy=SQLite3
OrvanePgTest=PostgreSQL Unicode

[OrvaneSample]
Description=Orvane sample database
Driver=SQLite3
Database=$envdir/OrvaneSample.db

[OrvaneSampleCopy]
Description=A second data source on the same driver, for the connection dialog's driver list
Driver=SQLite3
Database=$envdir/OrvaneSample.db

[OrvanePgTest]
Description=Orvane PostgreSQL test database
Driver=PostgreSQL Unicode
Servername=127.0.0.1
Port=$port
Database=$pg_database
Username=$pg_user
Password=$pg_password
EOF
}

start_server() {
    local bindir pgdata=$envdir/pg port attempt
    bindir=$(pg_bindir)
    mkdir -p "$pgdata"
    chmod 700 "$pgdata"
    if [ "$(id -u)" -eq 0 ]; then
        chown postgres: "$pgdata"
    fi
    as_pg_owner "$bindir/initdb" -D "$pgdata" -U postgres --encoding=UTF8 --locale=C \
        --auth-local=trust --auth-host=scram-sha-256 >"$envdir/initdb.log" 2>&1 ||
        {
            cat "$envdir/initdb.log" >&2
            return 1
        }
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        if as_pg_owner "$bindir/pg_ctl" -D "$pgdata" -l "$pgdata/server.log" -w -t 60 \
            -o "-c listen_addresses=127.0.0.1 -p $port -k $pgdata -c fsync=off" start >/dev/null; then
            echo "$port" >"$envdir/pg.port"
            return 0
        fi
        echo "test-env: server start on port $port failed (attempt $attempt)" >&2
    done
    cat "$pgdata/server.log" >&2 || true
    return 1
}

load_database() {
    local port=$1
    local psql=("$(pg_bindir)/psql" -q -X -v ON_ERROR_STOP=1 -h "$envdir/pg" -p "$port")
    "${psql[@]}" -U postgres -d postgres \
        -c "CREATE ROLE $pg_user LOGIN PASSWORD '$pg_password'" \
        -c "CREATE ROLE $pg_odd_user LOGIN PASSWORD '$pg_odd_password'" \
        -c "CREATE DATABASE $pg_database OWNER $pg_user ENCODING 'UTF8'" >/dev/null
    "${psql[@]}" -U "$pg_user" -d "$pg_database" -f "$srcdir/scripts/sample/OrvanePgTest.sql" >/dev/null
}

case "$action" in
start)
    stop_server
    rm -rf "$envdir"
    mkdir -p "$envdir/config"
    "$srcdir/scripts/make-sample-db.sh" "$envdir/OrvaneSample.db"
    start_server
    port=$(cat "$envdir/pg.port")
    write_ini_files "$port"
    load_database "$port"
    echo "test-env: ready in $envdir (PostgreSQL on 127.0.0.1:$port)"
    ;;
stop)
    stop_server || true
    exit 0
    ;;
*) usage ;;
esac
