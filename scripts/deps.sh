#!/usr/bin/env bash
# Installs the Debian packages the project needs that are missing; does nothing when all are there.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev libfontconfig-dev fontconfig
    fonts-liberation fonts-dejavu-core
    cups cups-client cups-bsd printer-driver-cups-pdf libcups2-dev
    poppler-utils
    python3 fontconfig
    xvfb xauth x11-utils imagemagick
)
if [ "$#" -gt 0 ]; then
    packages+=("$@")
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
