# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced after common.sh by the scripts that work on a fresh minimal
# Debian system of a release, made with mmdebstrap from Debian's archive
# under build/ and entered as root in a chroot of its own. Needs root.

# debian_codename RELEASE: prints the codename of 12, 13, unstable (or of
# a codename itself); fails on anything else.
debian_codename() {
    case ${1:-} in
        12 | bookworm) echo bookworm ;;
        13 | trixie) echo trixie ;;
        unstable | sid) echo sid ;;
        *) return 1 ;;
    esac
}

# make_debian_system CODENAME DIR [MMDEBSTRAP-OPTION…]: a minimal system of
# that release in DIR, made anew, which can reach the archive.
make_debian_system() {
    local codename=$1 system=$2 started=$SECONDS
    shift 2
    # shellcheck disable=SC2154 # root is set by common.sh, sourced first
    "$root/scripts/install-deps.sh" release
    rm -rf "$system"
    mkdir -p "$(dirname "$system")"
    # Unstable's Release file is valid for a week only; an archive snapshot
    # older than that must still be taken. The system is thrown away after
    # one use, so dpkg need not wait for the disk (here and in its later
    # installs).
    mmdebstrap --variant=minbase --aptopt='Acquire::Check-Valid-Until "false"' \
        --dpkgopt=force-unsafe-io "$@" \
        "$codename" "$system" "${KWINTOR_DEBIAN_MIRROR:-http://deb.debian.org/debian}"
    cp /etc/resolv.conf "$system/etc/resolv.conf"
    echo "debian-system: a minimal $codename in $((SECONDS - started)) s"
}

# A system can be made ahead, while the processors are busy elsewhere, and
# is then used once, by the next run that wants it for the same purpose.
# mark_prepared DIR PURPOSE: the system in DIR is ready for PURPOSE.
mark_prepared() { printf '%s\n' "$2" >"$1/.kwintor-prepared"; }

# take_prepared DIR PURPOSE: true if the system was made ahead for PURPOSE;
# either way no later run takes it again.
take_prepared() {
    local marker=$1/.kwintor-prepared ready=false
    [[ -e $marker && $(<"$marker") == "$2" ]] && ready=true
    rm -f "$marker"
    $ready
}

# in_debian_system [--isolated] DIR COMMAND…: runs the command as root in
# the system, in a mount and process namespace of its own, so that the
# chroot's mounts and every process the command leaves behind go when it
# ends. With --isolated also in a network namespace of its own, offline:
# the displays and servers that tests start listen on abstract sockets as
# well, which all systems of one network namespace share, so that a client
# could reach another system's display of the same number. (The packages'
# autopkgtests stay online: autopkgtest installs dpkg-dev's tools itself.)
in_debian_system() {
    local network=()
    if [[ $1 == --isolated ]]; then
        network=(unshare --net)
        shift
    fi
    local system=$1
    shift
    enter_debian_system "$system" "${network[@]}" chroot "$system" \
        env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root LANG=C.UTF-8 CI="${CI:-}" "$@"
}

# offline_in_debian_system DIR UID HOME COMMAND…: the same as the user of
# that number (and its group of the same number), with no network at all.
offline_in_debian_system() {
    local system=$1 uid=$2 home=$3
    shift 3
    enter_debian_system "$system" unshare --net chroot --userspec="$uid:$uid" "$system" \
        env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" LANG=C.UTF-8 "$@"
}

enter_debian_system() {
    # shellcheck disable=SC2016 # the inner shell expands these
    unshare --mount --pid --fork --propagation private bash -euo pipefail -c '
        system=$1
        shift
        mount -t proc proc "$system/proc"
        mount --rbind /sys "$system/sys"
        mount --rbind /dev "$system/dev"
        mount -t tmpfs tmpfs "$system/tmp"
        # This shell stays, as the namespace'"'"'s init, to reap what is
        # orphaned there: a dead process nobody reaps still counts as there.
        status=0
        "$@" || status=$?
        exit "$status"
    ' debian-system "$@"
}
