#!/usr/bin/env bash
# Runs lintian on the package packed by pack_package.sh and fails on any error or warning:
#   lint_package.sh DEB_DIR
# Exits 77 (skipped) where lintian is not installed.
set -euo pipefail
if ! command -v lintian >/dev/null 2>&1; then
    echo "package: lintian is not installed, the package is not checked by it"
    exit 77
fi
deb=$(ls "$1"/nocturo_*_amd64.deb)
# lintian warns when run as root, as containers do; that is no fault of the package.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2> >(grep -v "running with root privileges" >&2)
echo "package: lintian finds no error or warning in $(basename "$deb")"
