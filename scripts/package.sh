#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kwintor in Release and makes its Debian package with CPack in
# build/pkg/deb. The build's output goes to stderr; stdout gets only the
# package's path. Usage: scripts/package.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build="$root/build/pkg"

"$root/scripts/install-deps.sh" play package >&2
# Debian's hardening: fortified functions, stack protector, PIE, full RELRO.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CXXFLAGS LDFLAGS
# A fresh configure, so that the flags above are the build's own. Games'
# programs go under /usr/games, their private parts under /usr/lib/games.
rm -rf "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_INSTALL_BINDIR=games -DCMAKE_INSTALL_LIBEXECDIR=lib/games >/dev/null
cmake --build "$build" --parallel "$(nproc)" >&2
rm -rf "$build/deb"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$build/deb" >&2
printf '%s\n' "$build"/deb/kwintor_*.deb
