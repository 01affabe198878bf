#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages of the named lists in scripts/packages/ that
# this machine is missing: play (building and playing), test, fuzz, bench,
# package, icons, check. Usage: scripts/install-deps.sh LIST...
# Runs apt-get directly as root, through sudo otherwise; never asks questions.
# Without either it prints the line to run as root and stops.
set -euo pipefail
lists="$(dirname "${BASH_SOURCE[0]}")/packages"

missing=()
for name in "$@"; do
    [[ -f "$lists/$name.txt" ]] || { echo "install-deps.sh: no package list '$name' in $lists" >&2; exit 2; }
    while read -r package; do
        [[ -z "$package" || "$package" == \#* ]] && continue
        status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
        [[ "$status" == "install ok installed" ]] || missing+=("$package")
    done <"$lists/$name.txt"
done

(( ${#missing[@]} == 0 )) && exit 0

as_root=()
if (( EUID != 0 )); then
    if ! command -v sudo >/dev/null; then
        echo "Kwintor needs these Debian packages, and installing them needs root. As root, run:" >&2
        echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}" </dev/null
