#!/bin/sh
# Builds the Debian package from the build tree and runs lintian on it: errors
# fail, warnings are listed. Exits with 77, CTest's skip code, without the tools.
#   package-lintian.sh BUILD_DIR
set -eu
build=$(cd "${1:?build folder}" && pwd)
for tool in lintian dpkg-shlibdeps cpack; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: $tool is missing"; exit 77; }
done
work=$(mktemp -d /tmp/quorix-lintian.XXXXXX)
trap 'rm -rf "$work"' EXIT
cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAILED: cpack could not build the package" >&2; exit 1; }
# lintian exits non-zero on errors only; --fail-on makes that explicit.
lintian --fail-on error --info --no-tag-display-limit "$work"/quorix-config_*.deb
