#!/usr/bin/env bash
# Checks what the package packed by pack_package.sh installs and what it declares it needs:
#   check_package.sh DEB_DIR
set -euo pipefail
deb=$(ls "$1"/nocturo_*_amd64.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
missing=0
for file in usr/bin/nocturo usr/share/nocturo/Objects.csv usr/share/nocturo/OpenNGC.csv \
    usr/share/nocturo/cities.csv usr/share/nocturo/guide.html \
    usr/share/applications/io.github.nocturo.Nocturo.desktop \
    usr/share/metainfo/io.github.nocturo.Nocturo.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/nocturo.png usr/share/icons/hicolor/scalable/apps/nocturo.svg \
    usr/share/man/man1/nocturo.1.gz usr/share/doc/nocturo/copyright usr/share/doc/nocturo/changelog.gz; do
    grep -qx "\./$file" <<<"$files" || { echo "package: $file is missing"; missing=1; }
done
# Libraries with the versions dpkg-shlibdeps found; the window plugins, which nothing links.
depends=$(dpkg-deb -f "$deb" Depends)
for package in "libqt6widgets6 (>= " "liberfa1 (>= " qt6-qpa-plugins; do
    grep -qF "$package" <<<"$depends" || { echo "package: does not depend on $package ($depends)"; missing=1; }
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw xdg-utils <<<"$recommends" || { echo "package: does not recommend xdg-utils ($recommends)"; missing=1; }
[ "$(dpkg-deb -f "$deb" Package)" = nocturo ] || { echo "package: wrong name"; missing=1; }
[ "$missing" -eq 0 ] && echo "package: $(basename "$deb") holds what it should"
exit "$missing"
