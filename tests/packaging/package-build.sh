#!/bin/sh
# Builds the Debian package from the build tree with cpack, into a folder of its
# own: the build tree's files stay as the other tests use them. Exits with 77,
# CTest's skip code, without the Debian tools cpack needs.
#   package-build.sh BUILD_DIR PACKAGE_DIR
set -eu
build=$(cd "${1:?build folder}" && pwd)
out=${2:?package folder}
for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: $tool is missing (Debian with dpkg-dev needed)"; exit 77; }
done
rm -rf "$out"
mkdir -p "$out"
cpack -G DEB -B "$out" --config "$build/CPackConfig.cmake" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAILED: cpack could not build the package" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
deb=$(ls "$out"/quorix-config_*.deb)
echo "built $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -f "$deb" Depends Recommends
