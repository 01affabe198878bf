#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's test command on another Debian release, as a new user
# would on a fresh machine: a minimal system of that release made anew with
# mmdebstrap from Debian's archive in build/release-CODENAME, this working
# tree copied into it, and scripts/test.sh run there, which installs the
# project's package lists itself. The fuzzers and the desktop tests under
# load (scripts/test.sh --without-load) run on CI's own Debian 12 only,
# whose Orca 43 is the least forgiving: CI's time has no room for them here.
# Needs root (or sudo) for the chroot.
# With --prepare it only makes the system and installs those lists in it,
# which waits on the network and the disk, so that CI can do it while the
# processors build elsewhere; a later run without it uses that system.
# With --with-tidy it also runs scripts/check-tidy.sh there after the suite,
# over the suite's build: unstable's newest clang-tidy is CI's.
# Usage: scripts/test-in-release.sh [--prepare] [--with-tidy] RELEASE (12, 13, unstable)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$root/scripts/debian-system.sh"

arguments=("$@")
prepare_only=false with_tidy=false
lists=(play test)
while [[ ${1:-} == --* ]]; do
    case $1 in
        --prepare) prepare_only=true ;;
        --with-tidy) with_tidy=true lists+=(check) ;;
        *) break ;;
    esac
    shift
done
codename=$(debian_codename "${1:-}") || { echo "usage: scripts/test-in-release.sh [--prepare] [--with-tidy] 12|13|unstable" >&2; exit 2; }
if (( EUID != 0 )); then
    exec sudo "$0" "${arguments[@]}"
fi
system="$(preset_dir "release-$codename")"
started=$SECONDS

# What git would commit, as it stands in the working tree now.
copy_tree() {
    rm -rf "$system/src"
    mkdir "$system/src"
    (cd "$root" && git ls-files -z --cached --others --exclude-standard |
        tar --null --files-from=- --create --file=-) | tar --extract --directory="$system/src" --file=-
}

# The tree is copied in again for the suite, so any commit's will do.
purpose="the package lists ${lists[*]}"
if $prepare_only || ! take_prepared "$system" "$purpose"; then
    make_debian_system "$codename" "$system"
    copy_tree
    # The same lists test.sh (and check-tidy.sh) would install.
    in_debian_system "$system" /src/scripts/install-deps.sh "${lists[@]}"
    echo "test-in-release: $codename prepared in $((SECONDS - started)) s"
    if $prepare_only; then
        mark_prepared "$system" "$purpose"
        exit 0
    fi
fi
copy_tree
in_debian_system --isolated "$system" bash -c "cd /src && scripts/test.sh --without-load"
echo "test-in-release: the whole suite passed on $codename in $((SECONDS - started)) s"
if $with_tidy; then
    in_debian_system "$system" bash -c "cd /src && scripts/check-tidy.sh"
    echo "test-in-release: clang-tidy passed on $codename in $((SECONDS - started)) s"
fi
