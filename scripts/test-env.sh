#!/usr/bin/env bash
# The test environment: test-own ODBC ini files, the SQLite sample, throwaway PostgreSQL and
# MariaDB servers.
#   test-env.sh start <envdir> <srcdir>   make <envdir> fresh and start the servers
#   test-env.sh stop  <envdir> [<srcdir>] stop the servers (always succeeds)
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
# MariaDB: the same database name, user and password.
my_user=$pg_user
my_password=$pg_password
my_database=$pg_database

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

mariadbd_path() {
    local path
    for path in /usr/sbin/mariadbd /usr/sbin/mysqld /usr/bin/mariadbd; do
        if [ -x "$path" ]; then
            echo "$path"
            return 0
        fi
    done
    echo "test-env: no MariaDB server found (package mariadb-server)" >&2
    return 1
}

# Small and quick: the database lives for one test run. Root hands the server to the mysql
# user, since it refuses to run as root.
my_server_options() {
    local options=(--no-defaults "--datadir=$envdir/mariadb" --skip-name-resolve
        --innodb-log-file-size=4M --innodb-buffer-pool-size=16M
        --innodb-flush-log-at-trx-commit=0 --skip-log-bin)
    if [ "$(id -u)" -eq 0 ]; then
        options+=(--user=mysql)
    fi
    printf '%s\n' "${options[@]}"
}

stop_mariadb() {
    local pidfile=$envdir/mariadb/mariadbd.pid pid i
    [ -f "$pidfile" ] || return 0
    pid=$(head -n 1 "$pidfile" 2>/dev/null || true)
    [[ "$pid" =~ ^[0-9]+$ ]] || return 0
    kill "$pid" 2>/dev/null || return 0
    for i in $(seq 1 300); do
        kill -0 "$pid" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
}

start_mariadb() {
    local server datadir=$envdir/mariadb port attempt i options
    server=$(mariadbd_path)
    mapfile -t options < <(my_server_options)
    mkdir -p "$datadir"
    if [ "$(id -u)" -eq 0 ]; then
        chown mysql: "$datadir"
    fi
    mariadb-install-db "${options[@]}" --auth-root-authentication-method=normal \
        --skip-test-db >"$envdir/mariadb-install.log" 2>&1 ||
        {
            cat "$envdir/mariadb-install.log" >&2
            return 1
        }
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        "$server" "${options[@]}" --bind-address=127.0.0.1 --port="$port" \
            --socket="$datadir/mariadbd.sock" --pid-file="$datadir/mariadbd.pid" \
            --log-error="$datadir/server.log" >/dev/null 2>&1 </dev/null &
        for i in $(seq 1 300); do
            if mariadb-admin --no-defaults -S "$datadir/mariadbd.sock" -u root ping \
                >/dev/null 2>&1; then
                echo "$port" >"$envdir/mariadb.port"
                return 0
            fi
            kill -0 $! 2>/dev/null || break
            sleep 0.2
        done
        stop_mariadb
        echo "test-env: MariaDB start on port $port failed (attempt $attempt)" >&2
    done
    cat "$datadir/server.log" >&2 || true
    return 1
}

load_mariadb() {
    local mariadb=(mariadb --no-defaults -S "$envdir/mariadb/mariadbd.sock")
    local host
    for host in 127.0.0.1 localhost; do
        "${mariadb[@]}" -u root -e "CREATE USER '$my_user'@'$host' IDENTIFIED BY '$my_password';
            GRANT ALL ON *.* TO '$my_user'@'$host'"
    done
    "${mariadb[@]}" -u root \
        -e "CREATE DATABASE $my_database CHARACTER SET utf8mb4 COLLATE utf8mb4_bin"
    "${mariadb[@]}" -u "$my_user" -p"$my_password" "$my_database" \
        <"$srcdir/scripts/sample/OrvaneMariaTest.sql"
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
    local sqlite_driver pg_unicode pg_ansi maria port=$1 my_port=$2
    sqlite_driver=$(driver_path libsqlite3odbc.so)
    pg_unicode=$(driver_path psqlodbcw.so)
    pg_ansi=$(driver_path psqlodbca.so)
    maria=$(driver_path libmaodbc.so)
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

[MariaDB Unicode]
Description=MariaDB Connector/ODBC
Driver=$maria
DontDLClose=1
EOF
    cat >"$envdir/odbc.ini" <<EOF
[ODBC Data Sources]
OrvaneSample=SQLite3
OrvaneSampleCopy=SQLite3
OrvanePgTest=PostgreSQL Unicode
OrvaneMariaTest=MariaDB Unicode

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

[OrvaneMariaTest]
Description=Orvane MariaDB test database
Driver=MariaDB Unicode
Server=127.0.0.1
Port=$my_port
Database=$my_database
User=$my_user
Password=$my_password
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
    stop_mariadb
    rm -rf "$envdir"
    mkdir -p "$envdir/config"
    "$srcdir/scripts/make-sample-db.sh" "$envdir/OrvaneSample.db"
    start_server
    start_mariadb
    port=$(cat "$envdir/pg.port")
    my_port=$(cat "$envdir/mariadb.port")
    write_ini_files "$port" "$my_port"
    load_database "$port"
    load_mariadb
    echo "test-env: ready in $envdir (PostgreSQL on 127.0.0.1:$port," \
        "MariaDB on 127.0.0.1:$my_port)"
    ;;
stop)
    stop_server || true
    stop_mariadb || true
    exit 0
    ;;
*) usage ;;
esac
