#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives the game a working directory holding its data files: the shipped
# defaults, never over a file already there (the player's scores stay), by
# the same rule as the installed launcher. Usage: scripts/seed-run-dir.sh DIR
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
exec "$root/packaging/copy-missing.sh" "$root/data" "$1"
