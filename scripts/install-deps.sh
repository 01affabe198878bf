#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of the named lists in scripts/packages/ that
# this machine is missing: play (building and playing), test, fuzz, bench,
# package, icons, check. Usage: scripts/install-deps.sh LIST...
# A line "a | b" is met by either; where neither is installed, the first
# the release's archive offers is installed, as in a package's Depends.
# Runs apt-get directly as root, through sudo otherwise; never asks questions.
# Without either it prints the line to run as root and stops.
set -euo pipefail
lists="$(dirname "${BASH_SOURCE[0]}")/packages"

installed() { [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null) == "install ok installed" ]]; }
offered() { [[ $(apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: //p') =~ ^[^\(] ]]; }
# first_offered PACKAGE…: the first the archive offers, else the last, for
# apt to say what is wrong with it.
first_offered() {
    local package
    for package; do
        offered "$package" && { echo "$package"; return; }
    done
    echo "${@: -1}"
}

# Each line not met, as its alternatives.
unmet=()
for name in "$@"; do
    [[ -f "$lists/$name.txt" ]] || { echo "install-deps.sh: no package list '$name' in $lists" >&2; exit 2; }
    while read -r line; do
        [[ -z "$line" || "$line" == \#* ]] && continue
        read -r -a alternatives <<<"${line//|/ }"
        met=false
        for package in "${alternatives[@]}"; do
            installed "$package" && met=true
        done
        $met || unmet+=("${alternatives[*]}")
    done <"$lists/$name.txt"
done

(( ${#unmet[@]} == 0 )) && exit 0

as_root=()
if (( EUID != 0 )); then
    if ! command -v sudo >/dev/null; then
        echo "Kwintor needs these Debian packages, and installing them needs root. As root, run:" >&2
        echo "  apt-get update && apt-get install --no-install-recommends ${unmet[*]##* }" >&2
        exit 1
    fi
    as_root=(sudo)
fi
"${as_root[@]}" apt-get update
missing=()
for line in "${unmet[@]}"; do
    # shellcheck disable=SC2086 # the alternatives, split on blanks
    missing+=("$(first_offered $line)")
done
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
