#!/usr/bin/env bash
# Packs the build tree as the Debian package would be packed (installed under /usr):
#   pack_package.sh BUILD_DIR DEB_DIR
set -euo pipefail
build=$1
out=$2
rm -rf "$out"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >/dev/null)
ls "$out"/nocturo_*_amd64.deb
