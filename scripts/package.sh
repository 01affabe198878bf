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
# With --twice it builds the binary packages a second time, in another
# folder, time zone and locale and without the tests, and fails unless
# both builds made the same bytes.
# With --prepare it only makes the build's system, which waits on the
# network and the disk, so that CI can do it while the processors are busy
# elsewhere; a later build of the same commit and profiles uses it.
# Usage: scripts/package.sh [--prepare] [--twice] [RELEASE] (12, 13, unstable (the default))
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/debian-system.sh"

arguments=("$@")
twice=false
prepare_only=false
while [[ ${1:-} == --* ]]; do
    case $1 in
        --twice) twice=true ;;
        --prepare) prepare_only=true ;;
        *) break ;;
    esac
    shift
done
release=${1:-unstable}
codename=$(debian_codename "$release") ||
    { echo "usage: scripts/package.sh [--prepare] [--twice] [12|13|unstable]" >&2; exit 2; }
if (( EUID != 0 )); then
    exec sudo "$0" "${arguments[@]}"
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

# A fixed number, so that chroot needs no name looked up outside the system.
builder=2000

# unpack FOLDER: the source package's tree in FOLDER/kwintor-UPSTREAM, as
# dpkg-source would unpack it, owned by the builder.
unpack() {
    # shellcheck disable=SC2016 # the inner shell expands these
    in_debian_system "$system" bash -euo pipefail -c '
        mkdir -p "$1"
        cd "$1"
        # dpkg-source looks for the upstream tarball beside the tree.
        [[ -e $2 ]] || cp "/build/$2" .
        tar --extract --gzip --file="$2"
        cd "kwintor-$3"
        cp -r packaging/debian debian
        # The copyright file is made from the licensing data REUSE reads.
        sh packaging/make-copyright.sh . >debian/copyright
        chown -R "$4:$4" "$1"
    ' package "$1" "$orig" "$upstream" "$builder"
}

# build FOLDER OPTIONS PROFILES [ENV…]: dpkg-buildpackage in the tree that
# unpack made there, offline, as the builder, with those
# DEB_BUILD_OPTIONS and DEB_BUILD_PROFILES and the rest of its environment.
build() {
    local folder=$1 options=$2 profiles=$3
    shift 3
    # shellcheck disable=SC2016 # the inner shell expands these
    offline_in_debian_system "$system" "$builder" /build env "$@" bash -euo pipefail -c '
        cd "$1/kwintor-$2"
        export DEB_BUILD_OPTIONS=$3 DEB_BUILD_PROFILES=$4
        [[ -n $DEB_BUILD_OPTIONS ]] || unset DEB_BUILD_OPTIONS
        [[ -n $DEB_BUILD_PROFILES ]] || unset DEB_BUILD_PROFILES
        # The machine is shared: all its cores, at a lower priority.
        nice -n 10 dpkg-buildpackage -us -uc --jobs-try="$5"
    ' package "$folder" "$upstream" "$options" "$profiles" "$(nproc)"
}

# What the system was made for: a system made for another commit or other
# build profiles is made anew.
made_for="$(sha256sum <"$out/$orig") ${DEB_BUILD_PROFILES:-}"
if $prepare_only || ! take_prepared "$system" "$made_for"; then
    make_debian_system "$codename" "$system" --include=build-essential,dpkg-dev
    mkdir "$system/build"
    cp "$out/$orig" "$system/build/"
    in_debian_system "$system" useradd --uid "$builder" --user-group --home-dir /build --no-create-home builder
    unpack /build
    # shellcheck disable=SC2016 # the inner shell expands these
    in_debian_system "$system" bash -euo pipefail -c '
        cd "/build/kwintor-$1"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update
        profiles=$2
        apt-get build-dep --yes --no-install-recommends ${profiles:+--build-profiles="${profiles// /,}"} ./
    ' package "$upstream" "${DEB_BUILD_PROFILES:-}"
    echo "package.sh: the build's system is ready after $((SECONDS - started)) s"
    if $prepare_only; then
        mark_prepared "$system" "$made_for"
        exit 0
    fi
fi
build /build "${DEB_BUILD_OPTIONS:-}" "${DEB_BUILD_PROFILES:-}"

for file in "$system"/build/kwintor_* "$system"/build/kwintor-dbgsym_*; do
    [[ -e $file ]] || continue
    cp "$file" "$out/"
done
echo "package.sh: built for $codename in $((SECONDS - started)) s:"
ls -l "$out"
$twice || exit 0

unpack /build/again
build /build/again nocheck nocheck TZ=UTC-14 LANG=C
different=0
for deb in "$system"/build/*.deb; do
    again=$system/build/again/${deb##*/}
    if ! cmp "$deb" "$again"; then
        different=$((different + 1))
        diff <(dpkg-deb --contents "$deb") <(dpkg-deb --contents "$again") >&2 || true
    fi
done
(( different == 0 )) || { echo "package.sh: $different package(s) differ between two builds of one commit" >&2; exit 1; }
echo "package.sh: a second build made the same bytes; both builds took $((SECONDS - started)) s"
