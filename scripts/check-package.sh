#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages for unstable
# (scripts/package.sh), checks them with unstable's lintian, where anything
# but what packaging/debian/*lintian-overrides explains fails, and the
# sources' licensing with reuse; then, on another fresh unstable system,
# installs the package with its declared dependencies alone, runs its
# autopkgtests (packaging/debian/tests) there with autopkgtest's null
# runner, and checks the installed desktop entry and AppStream data. Any
# error or warning fails it. Needs root (or sudo) for the chroots.
# Usage: scripts/check-package.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/debian-system.sh"
if (( EUID != 0 )); then
    exec sudo "$0" "$@"
fi
started=$SECONDS
release=unstable
codename=$(debian_codename "$release")
app_id=io.github.kwintor.Kwintor

"$root/scripts/install-deps.sh" package release
# Every file says its licence, which the package's copyright file is made from.
(cd "$root" && reuse lint)

# The system the package is installed on is made while it builds:
# mmdebstrap waits mostly on the network and the disk, the build on the
# processors.
test_system=$root/build/package-test-$release
test_system_log=$root/build/package-test-$release.log
# In a process group of its own, so that an early end stops mmdebstrap too.
set -m
make_debian_system "$codename" "$test_system" >"$test_system_log" 2>&1 &
test_system_pid=$!
set +m
stop_test_system() { kill -TERM -- "-$test_system_pid" 2>/dev/null || true; }
trap stop_test_system EXIT

# Twice, to see that one commit makes the same bytes.
"$root/scripts/package.sh" --twice "$release"
out=$root/build/package/$release
build_system=$root/build/package-system-$release
changes=$(cd "$out" && echo kwintor_*.changes)
dsc=$(cd "$out" && echo kwintor_*.dsc)
deb=$(cd "$out" && echo kwintor_*.deb)
version=${dsc#kwintor_}
version=${version%.dsc}
upstream=${version%-*}

# Lintian of the release, in the system the package was built in, after the
# build: the .changes names the .dsc and the .deb, which it checks with it.
in_debian_system "$build_system" env DEBIAN_FRONTEND=noninteractive \
    apt-get install --yes --no-install-recommends lintian
# As package.sh's builder (2000), offline.
offline_in_debian_system "$build_system" 2000 /build \
    lintian --pedantic --display-info --fail-on error,warning,info,pedantic "/build/$changes"
echo "check-package: lintian passed $changes after $((SECONDS - started)) s"

wait "$test_system_pid" || { cat "$test_system_log" >&2; echo "check-package: no $codename system to install on" >&2; exit 1; }
trap - EXIT
cat "$test_system_log"
mkdir -p "$test_system/packages/source"
cp "$out/$deb" "$test_system/packages/"
# The source tree as dpkg-source would unpack it; the system has no xz.
tar --extract --gzip --file="$out/kwintor_$upstream.orig.tar.gz" --directory="$test_system/packages/source" --strip-components=1
tar --extract --xz --file="$out/kwintor_$version.debian.tar.xz" --directory="$test_system/packages/source"
in_debian_system "$test_system" bash -euo pipefail -c '
    cd /packages
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    # What the package declares, and not what it only recommends, must be
    # enough to play.
    apt-get install --yes --no-install-recommends "./$1"
    apt-get install --yes --no-install-recommends autopkgtest desktop-file-utils appstream
    # The package is installed already: the tests get it, not a build.
    autopkgtest --no-built-binaries /packages/source/ -- null
    desktop-file-validate "/usr/share/applications/$2.desktop"
    appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$2.metainfo.xml"
' check-package "$deb" "$app_id"
echo "check-package: the package installed, passed its autopkgtests and checks in $((SECONDS - started)) s"
