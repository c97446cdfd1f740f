#!/usr/bin/env bash
# Installs the build into a scratch root and validates what a Linux desktop
# reads from it; then builds the .deb and checks what it declares and holds.
#   install_check.sh BUILD_DIR ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
for f in usr/bin/pelomar \
         "usr/share/applications/$id.desktop" \
         "usr/share/metainfo/$id.metainfo.xml" \
         usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,256x256}/apps/"$id.png"; do
    [[ -f "$root/$f" ]] || { echo "missing: /$f"; exit 1; }
done
for size in 16 24 32 48 256; do
    got=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [[ "$got" == *"PNG image data, $size x $size"* ]] || { echo "icon $size: $got"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml"
grep -qx "Icon=$id" "$root/usr/share/applications/$id.desktop"

(cd "$build" && cpack -G DEB -B "$root/deb" >/dev/null)
deb=$(ls "$root"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for need in fonts-liberation fonts-wine libqt6gui6 libqt6widgets6; do
    [[ "$depends" == *"$need"* ]] || { echo "the package does not depend on $need"; exit 1; }
done
contents=$(dpkg-deb -c "$deb")
for f in usr/bin/pelomar "usr/share/applications/$id.desktop" "usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [[ "$contents" == *"./$f"* ]] || { echo "the package lacks /$f"; exit 1; }
done
echo "install check passed"
