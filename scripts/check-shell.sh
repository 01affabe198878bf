#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, listing the findings, when shellcheck (with .shellcheckrc) warns
# about a shell script: every tracked *.sh file and every other tracked file
# that starts with a sh or bash #! line. Usage: scripts/check-shell.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/install-deps.sh" check
cd "$root"
# git grep reads only the tracked files and skips the binary ones.
mapfile -t files < <(
    {
        git ls-files '*.sh'
        git grep -I -n -E '^#![[:space:]]*/[^[:space:]]*/(env[[:space:]]+)?(ba)?sh([[:space:]]|$)' -- ':!*.sh' |
            awk -F: '$2 == 1 {print $1}'
    } | sort -u
)
if ! findings=$(shellcheck -x -S warning -f gcc "${files[@]}"); then
    echo "shellcheck finds these in the shell scripts:" >&2
    printf '%s\n' "$findings" >&2
    exit 1
fi
echo "All ${#files[@]} shell scripts pass shellcheck."
