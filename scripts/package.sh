#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes Kwintor's Debian source package from the commit checked out (HEAD)
# and builds it as Debian's build daemons would: in a fresh minimal system
# of the release, with only build-essential and the Build-Depends of
# packaging/debian/control installed, as a user who is not root and with
# no network. The unit tests run in the build. The source and binary
# packages, .buildinfo and .changes land in build/package/RELEASE; the
# system stays in build/package-system-RELEASE for checks (lintian) to use.
# DEB_BUILD_OPTIONS and DEB_BUILD_PROFILES (nocheck) reach the build.
# Needs root (or sudo) for the chroot.
# Usage: scripts/package.sh [RELEASE] (12, 13, unstable (the default), or a codename)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/debian-system.sh"

release=${1:-unstable}
codename=$(debian_codename "$release") || { echo "usage: scripts/package.sh [12|13|unstable]" >&2; exit 2; }
if (( EUID != 0 )); then
    exec sudo "$0" "$@"
fi
started=$SECONDS

# The Debian revision comes from the changelog, the upstream version from
# CMake's project(); they must agree.
version=$(sed -n '1s/^kwintor (\([^)]*\)).*/\1/p' "$root/packaging/debian/changelog")
upstream=${version%-*}
grep -q "^project(Kwintor VERSION $upstream " "$root/CMakeLists.txt" ||
    { echo "package.sh: the changelog's version $version is not CMakeLists.txt's project() version" >&2; exit 1; }
if [[ -n $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
    echo "package.sh: the working tree has uncommitted changes; the package is made of HEAD without them" >&2
fi

out=$root/build/package/$release
system=$root/build/package-system-$release
rm -rf "$out"
mkdir -p "$out"
# Same commit, same bytes: git archive dates every file with the commit's
# time, and gzip -n leaves out its own name and time stamp.
orig=kwintor_$upstream.orig.tar.gz
git -C "$root" archive --format=tar --prefix="kwintor-$upstream/" HEAD | gzip -9n >"$out/$orig"

make_debian_system "$codename" "$system" --include=build-essential,dpkg-dev
mkdir "$system/build"
cp "$out/$orig" "$system/build/"
# A fixed number, so that chroot needs no name looked up outside the system.
builder=2000
in_debian_system "$system" bash -euo pipefail -c '
    cd /build
    tar --extract --gzip --file="$1"
    cd "kwintor-$2"
    cp -r packaging/debian debian
    # The copyright file is made from the licensing data REUSE reads.
    sh packaging/make-copyright.sh . >debian/copyright
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    profiles=$4
    apt-get build-dep --yes --no-install-recommends ${profiles:+--build-profiles="${profiles// /,}"} ./
    useradd --uid "$3" --user-group --home-dir /build --no-create-home builder
    chown -R builder:builder /build
' package "$orig" "$upstream" "$builder" "${DEB_BUILD_PROFILES:-}"
echo "package.sh: the build's system is ready after $((SECONDS - started)) s"
offline_in_debian_system "$system" "$builder" /build bash -euo pipefail -c '
    cd "/build/kwintor-$1"
    export DEB_BUILD_OPTIONS=$2 DEB_BUILD_PROFILES=$3
    [[ -n $DEB_BUILD_OPTIONS ]] || unset DEB_BUILD_OPTIONS
    [[ -n $DEB_BUILD_PROFILES ]] || unset DEB_BUILD_PROFILES
    # The machine is shared: all its cores, at a lower priority.
    nice -n 10 dpkg-buildpackage -us -uc --jobs-try="$4"
' package "$upstream" "${DEB_BUILD_OPTIONS:-}" "${DEB_BUILD_PROFILES:-}" "$(nproc)"

for file in "$system"/build/kwintor_* "$system"/build/kwintor-dbgsym_*; do
    [[ -e $file ]] || continue
    cp "$file" "$out/"
done
echo "package.sh: built for $codename in $((SECONDS - started)) s:"
ls -l "$out"
