#!/usr/bin/env bash
# Installs the Debian 12 packages Pelomar needs that this machine lacks.
#   scripts/install-deps.sh          building and running
#   scripts/install-deps.sh --test   also the headless and X11 test tools
# Runs apt-get only when something is missing; uses sudo when not root.
set -euo pipefail

packages=(
    cmake ninja-build g++ qt6-base-dev
    fonts-liberation fonts-wine  # Arial's metrics and a Tahoma
)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(
        xvfb xauth xdotool x11-utils openbox imagemagick
        desktop-file-utils appstream dpkg-dev file
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
