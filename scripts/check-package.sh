#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR (configured and built already) and
# checks what a Debian user relies on: lintian finds no error in the .deb,
# the menu entry passes desktop-file-validate and the AppStream description
# passes appstreamcli (without fetching the screenshot).
#
#   scripts/check-package.sh BUILD_DIR
set -euo pipefail
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR}")
cd "$(dirname "$0")/.."
rm -f "$build_dir"/wrennet_*.deb
(cd "$build_dir" && cpack -G DEB >/dev/null)
deb=$(ls "$build_dir"/wrennet_*.deb)
lintian --fail-on error --tag-display-limit 0 "$deb"
desktop-file-validate resources/wrennet.desktop
appstreamcli validate --no-net resources/metainfo/*.metainfo.xml
echo "package: $(basename "$deb") passes lintian, desktop-file-validate and appstreamcli"
