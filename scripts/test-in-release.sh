#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's test command on another Debian release, as a new user
# would on a fresh machine: a minimal system of that release made anew with
# mmdebstrap from Debian's archive in build/release-CODENAME, this working
# tree copied into it, and scripts/test.sh run there, which installs the
# project's package lists itself; then the fuzzers for 10 s each, which
# build with that release's clang. Needs root (or sudo) for the chroot.
# Usage: scripts/test-in-release.sh RELEASE (12, 13, unstable, or a codename)
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

case ${1:-} in
    12 | bookworm) codename=bookworm ;;
    13 | trixie) codename=trixie ;;
    unstable | sid) codename=sid ;;
    *) echo "usage: scripts/test-in-release.sh 12|13|unstable" >&2; exit 2 ;;
esac
mirror=${KWINTOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}

if (( EUID != 0 )); then
    exec sudo "$0" "$@"
fi
"$root/scripts/install-deps.sh" release
system="$(preset_dir "release-$codename")"
rm -rf "$system"
mkdir -p "$(dirname "$system")"

started=$SECONDS
# Unstable's Release file is valid for a week only; an archive snapshot
# older than that must still be taken.
mmdebstrap --variant=minbase --aptopt='Acquire::Check-Valid-Until "false"' \
    "$codename" "$system" "$mirror"
echo "test-in-release: a minimal $codename in $((SECONDS - started)) s"

# What git would commit, as it stands in the working tree.
mkdir "$system/src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --create --file=-) | tar --extract --directory="$system/src" --file=-
cp /etc/resolv.conf "$system/etc/resolv.conf"

# A mount and process namespace of its own: the chroot's mounts and every
# process the tests leave behind go when it ends.
unshare --mount --pid --fork --propagation private bash -euo pipefail -c '
    system=$1
    mount -t proc proc "$system/proc"
    mount --rbind /sys "$system/sys"
    mount --rbind /dev "$system/dev"
    mount -t tmpfs tmpfs "$system/tmp"
    exec chroot "$system" env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 CI="${CI:-}" bash -c "cd /src && scripts/test.sh && scripts/fuzz.sh 10"
' test-in-release "$system"
echo "test-in-release: the whole suite passed on $codename in $((SECONDS - started)) s"
