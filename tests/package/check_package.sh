#!/usr/bin/env bash
# Packs the build tree as the Debian package would be packed and checks what it installs and
# what it declares it needs:  check_package.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >/dev/null)
deb=$(ls "$out"/nocturo_*_amd64.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
missing=0
for file in usr/bin/nocturo usr/share/nocturo/Objects.csv usr/share/nocturo/OpenNGC.csv \
    usr/share/nocturo/cities.csv usr/share/nocturo/guide.html \
    usr/share/applications/io.github.nocturo.Nocturo.desktop \
    usr/share/metainfo/io.github.nocturo.Nocturo.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/nocturo.png usr/share/icons/hicolor/scalable/apps/nocturo.svg \
    usr/share/doc/nocturo/copyright; do
    grep -qx "\./$file" <<<"$files" || { echo "package: $file is missing"; missing=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 qt6-qpa-plugins liberfa1; do
    grep -q "\b$package\b" <<<"$depends" || { echo "package: does not depend on $package ($depends)"; missing=1; }
done
[ "$(dpkg-deb -f "$deb" Package)" = nocturo ] || { echo "package: wrong name"; missing=1; }
[ "$missing" -eq 0 ] && echo "package: $(basename "$deb") holds what it should"
exit "$missing"
