#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ file differs from .clang-format.
# With --fix it reformats them instead. Usage: scripts/check-format.sh [--fix]
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/install-deps.sh" check
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [[ ${1:-} == --fix ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" 2>/dev/null || unformatted+=("$file")
done
if (( ${#unformatted[@]} )); then
    echo "These files differ from .clang-format (scripts/check-format.sh --fix mends them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "All ${#files[@]} C++ files follow .clang-format."
