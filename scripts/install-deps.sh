#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when they are all present; otherwise needs root.
set -euo pipefail

packages=(
    cmake ninja-build g++ git
    libgtest-dev libbenchmark-dev
    qt6-base-dev libgl-dev
    fonts-liberation2
    clang libclang-rt-14-dev
    xvfb xauth imagemagick
    locales
)

# The tests check that numbers ignore a C locale whose decimal point is ','.
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^uk_UA\.utf-\?8$' || localedef -i uk_UA -f UTF-8 uk_UA.UTF-8
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
ensure_comma_locale
