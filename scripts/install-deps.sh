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
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Wine's Tahoma where fontconfig finds and caches it, as the installed
# program has it (the .deb links it into /usr/share/fonts).
fonts=/usr/local/share/fonts/pelomar
if [[ ! -e "$fonts/tahoma.ttf" ]]; then
    "${sudo[@]}" mkdir -p "$fonts"
    for face in tahoma.ttf tahomabd.ttf; do
        "${sudo[@]}" ln -sf "/usr/share/wine/fonts/$face" "$fonts/$face"
    done
    "${sudo[@]}" fc-cache "$fonts"
fi
