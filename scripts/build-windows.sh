#!/usr/bin/env bash
# Builds pelomar.exe, the 32-bit Windows program, with Debian's mingw-w64, and
# runs the Windows build's tests under Wine on a private Xvfb server.
#   scripts/build-windows.sh [HOST_BUILD_DIR]
# The icon file is drawn by a host (Linux) build of pelomar_icons, made in
# HOST_BUILD_DIR (default build-host) if it is not there yet.
#
# The tests run the 32-bit build under wine32 where this machine's kernel runs
# 32-bit programs, and otherwise a 64-bit build of the same sources under
# wine64 (some kernels ship with 32-bit emulation switched off).
set -euo pipefail
cd "$(dirname "$0")/.."
host=${1:-build-host}
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)

# Whether the kernel itself runs 32-bit programs (not an emulator registered
# with binfmt_misc, under which Wine is far too slow to test with).
runs32() {
    [[ -e /lib/ld-linux.so.2 && ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]] && /lib/ld-linux.so.2 --version >/dev/null 2>&1
}
need=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth openbox file binutils-mingw-w64-i686)
missing=()
for p in "${need[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
arch=x86_64
if runs32 || { dpkg --print-foreign-architectures | grep -q i386 && runs32; }; then
    if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
        "${sudo[@]}" dpkg --add-architecture i386
        "${sudo[@]}" apt-get update -qq
        "${sudo[@]}" apt-get install -y -qq --no-install-recommends wine32:i386
    fi
    arch=i686
fi

if [[ ! -f "$host/assets/icons/pelomar.ico" ]]; then
    cmake -S . -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$host" --target pelomar_icon_images
fi
icons=$(cd "$host/assets/icons" && pwd)

cross() {  # cross ARCH DIR
    cmake -S . -B "$2" -G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$1.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DPELOMAR_HOST_ICONS="$icons" -DPELOMAR_WERROR=ON >/dev/null
    cmake --build "$2" -j "$(nproc)"
}
cross i686 build-win32
exe=build-win32/app/pelomar.exe
kind=$(file -b "$exe")
echo "$exe: $kind"
[[ "$kind" == "PE32 executable (GUI) Intel 80386"* ]] || { echo "not a PE32 GUI program for Intel 80386"; exit 1; }
dlls=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | tr '\n' ' ')
echo "imports: $dlls"
for dll in $dlls; do
    case "$dll" in kernel32.dll|user32.dll|gdi32.dll|shell32.dll|msvcrt.dll) ;;
        *) echo "imports a DLL that is not the system's: $dll"; exit 1 ;; esac
done

tests=build-win32
[[ "$arch" == x86_64 ]] && { tests=build-win64; cross x86_64 "$tests"; echo "32-bit programs cannot run here: testing the 64-bit build of the same sources"; }

work=$(mktemp -d)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; wineserver -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [[ -s "$work/display" ]] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPREFIX="$PWD/$tests/wineprefix"
ctest --test-dir "$tests" --output-on-failure
