#!/usr/bin/env bash
# Runs every benchmark and prints each figure beside its baseline.
#   bench/run.sh [BUILD_DIR]   without a folder: a Release build in build-bench
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-}
if [[ -z "$build" ]]; then
    build=build-bench
    scripts/install-deps.sh --test
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build" -j "$(nproc)" --target pelomar pelomar_first_frame bare_first_frame bench_startup bench_micro
fi
runs=${PELOMAR_BENCH_RUNS:-21}
work=$(mktemp -d)
xvfb=""
cleanup() { [[ -n "$xvfb" ]] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR

echo "machine: $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n1), $(free -g | awk '/Mem:/{print $2}') GiB;" \
     "Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null), build type $(sed -n 's/^CMAKE_BUILD_TYPE:STRING=//p' "$build/CMakeCache.txt")"
echo

QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" "$build/bench/pelomar_first_frame" "$build/bench/bare_first_frame" "$runs"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb \
    "$build/bench/bench_startup" "$build/bench/pelomar_first_frame" "$build/bench/bare_first_frame" "$runs"
echo

QT_QPA_PLATFORM=offscreen "$build/bench/bench_micro"
echo

size() { stat -c %s "$1"; }
strip -o "$work/pelomar" "$build/app/pelomar"
strip -o "$work/bare" "$build/bench/bare_first_frame"
p=$(size "$work/pelomar"); b=$(size "$work/bare")
echo "binary size, stripped: pelomar $((p / 1024)) KiB, bare window $((b / 1024)) KiB, ratio $(awk "BEGIN{printf \"%.2f\", $p/$b}")"
