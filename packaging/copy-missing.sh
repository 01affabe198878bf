#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies into DIR each file of DEFAULTS that DIR lacks, never over one
# already there, so the player's scores stay. Both the installed launcher
# and scripts/seed-run-dir.sh seed the game's folder with it.
# Usage: copy-missing.sh DEFAULTS DIR
set -eu
mkdir -p "$2"
for file in "$1"/*; do
    [ -e "$2/${file##*/}" ] || cp "$file" "$2/"
done
