#!/usr/bin/env bash
# Installs the Debian packages the suite builds and runs with, when any is missing.
set -euo pipefail
packages=(build-essential cmake qt6-base-dev qt6-svg-dev libqt6test6 libgtest-dev googletest
          fonts-dejavu-core xauth qt6-translations-l10n
          poppler-utils)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Instalando: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
