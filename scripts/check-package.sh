#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages for unstable twice
# (scripts/package.sh --twice: one commit, the same bytes), checks them
# with unstable's lintian, where anything but what
# packaging/debian/*lintian-overrides explains fails, and the sources'
# licensing with reuse. For each other release named it builds the
# package of that release too (its unit tests ran in its own suite, so
# without them). Then, on a fresh system of each release, it installs the
# package with its declared dependencies alone, runs its autopkgtests
# (packaging/debian/tests) there with autopkgtest's null runner, and checks
# the installed desktop entry and AppStream data. Any error or warning
# fails it. With --once unstable's package is built once: CI's time has no
# room for the second build. Needs root (or sudo) for the chroots.
# Usage: scripts/check-package.sh [--once] [RELEASE…] (unstable, 13, 12; all three by default)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/debian-system.sh"
if (( EUID != 0 )); then
    exec sudo "$0" "$@"
fi
started=$SECONDS
app_id=io.github.kwintor.Kwintor
twice=(--twice)
[[ ${1:-} == --once ]] && twice=() && shift
releases=("$@")
(( ${#releases[@]} )) || releases=(unstable 13 12)
for release in "${releases[@]}"; do
    debian_codename "$release" >/dev/null || { echo "usage: scripts/check-package.sh [--once] [unstable|13|12]…" >&2; exit 2; }
done

"$root/scripts/install-deps.sh" package release
# Every file says its licence, which the package's copyright file is made from.
(cd "$root" && reuse lint)

# The systems the packages are installed on are made while they build:
# mmdebstrap waits mostly on the network and the disk, the builds on the
# processors. Each in a process group of its own, so that an early end
# stops it too.
declare -A test_system_pid=() checks_pid=()
test_system() { preset_dir "package-test-$1"; }
# Their logs go beside them, before anything else has made build/.
mkdir -p "$root/build"
set -m
for release in "${releases[@]}"; do
    make_debian_system "$(debian_codename "$release")" "$(test_system "$release")" \
        >"$(test_system "$release").log" 2>&1 &
    test_system_pid[$release]=$!
done
set +m
stop_test_systems() {
    local pid
    for pid in "${test_system_pid[@]}" "${checks_pid[@]}"; do
        kill -TERM -- "-$pid" 2>/dev/null || true
    done
}
trap stop_test_systems EXIT

# lint RELEASE: lintian of the release, in the system the package was
# built in, after the build: the .changes names the .dsc and the .deb,
# which it checks with it; as package.sh's builder (2000), offline.
lint() {
    local build_system changes
    build_system=$(preset_dir "package-system-$1")
    changes=$(cd "$root/build/package/$1" && echo kwintor_*.changes)
    in_debian_system "$build_system" env DEBIAN_FRONTEND=noninteractive \
        apt-get install --yes --no-install-recommends lintian
    offline_in_debian_system "$build_system" 2000 /build \
        lintian --pedantic --display-info --fail-on error,warning,info,pedantic "/build/$changes"
    echo "check-package: lintian passed $changes after $((SECONDS - started)) s"
}

# install_and_test RELEASE: the package installed on the fresh system of
# its release, its autopkgtests run against it there.
install_and_test() {
    local release=$1 out=$root/build/package/$1 system deb dsc version upstream
    system=$(test_system "$release")
    dsc=$(cd "$out" && echo kwintor_*.dsc)
    deb=$(cd "$out" && echo kwintor_*.deb)
    version=${dsc#kwintor_}
    version=${version%.dsc}
    upstream=${version%-*}
    mkdir -p "$system/packages/source"
    cp "$out/$deb" "$system/packages/"
    # The source tree as dpkg-source would unpack it; the system has no xz.
    tar --extract --gzip --file="$out/kwintor_$upstream.orig.tar.gz" \
        --directory="$system/packages/source" --strip-components=1
    tar --extract --xz --file="$out/kwintor_$version.debian.tar.xz" --directory="$system/packages/source"
    # shellcheck disable=SC2016 # the inner shell expands these
    in_debian_system "$system" bash -euo pipefail -c '
        cd /packages
        export DEBIAN_FRONTEND=noninteractive
        apt-get update
        # What the package declares, and not what it only recommends, must
        # be enough to play.
        apt-get install --yes --no-install-recommends "./$1"
        apt-get install --yes --no-install-recommends autopkgtest desktop-file-utils appstream
        # The package is installed already: the tests get it, not a build.
        autopkgtest --no-built-binaries /packages/source/ -- null
        desktop-file-validate "/usr/share/applications/$2.desktop"
        appstreamcli validate --pedantic --no-net "/usr/share/metainfo/$2.metainfo.xml"
    ' check-package "$deb" "$app_id"
    echo "check-package: the $release package installed and passed its autopkgtests after $((SECONDS - started)) s"
}

# The checks after a build wait mostly on the network and the test
# displays: they go on while the next release's package builds.
for release in "${releases[@]}"; do
    if [[ $release == unstable || $release == sid ]]; then
        "$root/scripts/package.sh" "${twice[@]}" "$release"
    else
        DEB_BUILD_OPTIONS=nocheck DEB_BUILD_PROFILES=nocheck "$root/scripts/package.sh" "$release"
    fi
    system=$(test_system "$release")
    wait "${test_system_pid[$release]}" ||
        { cat "$system.log" >&2; echo "check-package: no $release system to install on" >&2; exit 1; }
    cat "$system.log"
    set -m
    {
        if [[ $release == unstable || $release == sid ]]; then
            lint "$release"
        fi
        install_and_test "$release"
    } >"$system-checks.log" 2>&1 &
    checks_pid[$release]=$!
    set +m
done
failed=0
for release in "${releases[@]}"; do
    wait "${checks_pid[$release]}" || failed=1
    cat "$(test_system "$release")-checks.log"
done
(( !failed )) || { echo "check-package: a release's checks failed (above)" >&2; exit 1; }
trap - EXIT
echo "check-package: ${releases[*]} checked in $((SECONDS - started)) s"
