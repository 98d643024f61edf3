#!/usr/bin/env bash
# Installs every Debian package Orvane needs to build, run and test; installs only what is missing.
set -euo pipefail

packages=(
    build-essential cmake pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev fonts-dejavu-core
    libqscintilla2-qt6-dev
    unixodbc unixodbc-dev odbcinst libsqliteodbc odbc-postgresql odbc-mariadb sqlite3
    postgresql-15 postgresql-client-15 mariadb-server mariadb-client
    googletest libgtest-dev libgmock-dev
    libxml2-utils openjdk-17-jdk-headless
    mono-mcs libmono-system-data4.0-cil libmono-system-xml4.0-cil
    xvfb xauth poppler-utils clang-format locales-all e2fsprogs
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
