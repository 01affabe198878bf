#!/usr/bin/env bash
# Builds Kwintor in Release and makes its Debian package with CPack in
# build/pkg/deb. The build's output goes to stderr; stdout gets only the
# package's path. Usage: scripts/package.sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build/pkg"

"$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" >&2
rm -rf "$build/deb"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/deb" >&2
printf '%s\n' "$build"/deb/kwintor_*.deb
