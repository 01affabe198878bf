#!/usr/bin/env bash
# Gives the game a working directory holding its data files: copies the
# shipped defaults into DIR, never over a file already there (the player's
# scores stay). Usage: scripts/seed-run-dir.sh DIR
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mkdir -p "$1"
for file in "$root"/data/*; do
    [[ -e "$1/$(basename "$file")" ]] || cp "$file" "$1/"
done
