#!/usr/bin/env bash
# Installs what is missing, builds Pelomar and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target pelomar
exec build/app/pelomar
