#!/bin/sh
# Runs lintian on the Debian package: errors fail, every other tag is listed.
# Exits with 77, CTest's skip code, without lintian.
#   package-lintian.sh PACKAGE_DIR   (where package-build.sh put the .deb)
set -eu
command -v lintian >/dev/null 2>&1 || { echo "SKIPPED: lintian is missing (scripts/install-deps installs it)"; exit 77; }
deb=$(ls "${1:?package folder}"/quorix-config_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "SKIPPED: no package in $1 (package_build made none; see its output)"; exit 77; }
lintian --fail-on error --display-info --pedantic --tag-display-limit 0 "$deb"
