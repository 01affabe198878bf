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
source "$root/scripts/debian-system.sh"

codename=$(debian_codename "${1:-}") || { echo "usage: scripts/test-in-release.sh 12|13|unstable" >&2; exit 2; }
if (( EUID != 0 )); then
    exec sudo "$0" "$@"
fi
system="$(preset_dir "release-$codename")"
started=$SECONDS
make_debian_system "$codename" "$system"

# What git would commit, as it stands in the working tree.
mkdir "$system/src"
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --create --file=-) | tar --extract --directory="$system/src" --file=-

in_debian_system "$system" bash -c "cd /src && scripts/test.sh && scripts/fuzz.sh 10"
echo "test-in-release: the whole suite passed on $codename in $((SECONDS - started)) s"
