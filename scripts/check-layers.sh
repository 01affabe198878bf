#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails on an #include "..." that reaches up or sideways between the layers,
# and prints each one as file:line. A folder may include its own headers and
# those of a lower rank, never those of its own rank in another folder or of
# a higher one. The sound output and the desktop's windows each stand on
# the engine alone; so do the score file's core, so that its reader and the
# fuzzer need no widgets, and the board's rules, which their tests check
# without windows. The boxes show windows; the widgets and the caption frame
# show what a drag or a caption event throws in the error box.
# The ranks are written here alone: the libraries each folder's
# CMakeLists.txt links must be of lower ranks too, and --folders prints the
# folders for the other checks (clang-tidy's) to take.
# Usage: scripts/check-layers.sh [SOURCE-ROOT] | --folders
set -euo pipefail
list_folders=false
if [[ ${1:-} == --folders ]]; then
    list_folders=true
    shift
fi
root=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$root"

declare -A rank=(
    [engine]=0 [system]=0
    [sound]=1 [desktop]=1 [scores/core]=1 [game/rules]=1
    [boxes]=2
    [widgets]=3 [frame]=3
    [dialogs]=4 [scores]=4
    [game]=5
)
mapfile -t folders < <(printf '%s\n' "${!rank[@]}" | sort)
if $list_folders; then
    printf '%s\n' "${folders[@]}"
    exit 0
fi

# Sets `layer` to the layer of a path: the longest folder of the table that
# holds it (in a variable, since a subshell per include is slow).
layer_of() {
    local candidate
    layer=""
    for candidate in "${folders[@]}"; do
        if [[ $1 == "$candidate"/* && ${#candidate} -gt ${#layer} ]]; then
            layer=$candidate
        fi
    done
}

# Includes are written as the path below a layer's own folder, which is that
# layer's include directory, or below an enclosing layer's (core/...); a name
# in two layers would be a guess.
declare -A header_layer=()
status=0
for folder in "${folders[@]}"; do
    [[ -d $folder ]] || continue
    while IFS= read -r header; do
        layer_of "$header"
        [[ $layer == "$folder" ]] || continue
        name=${header#"$folder"/}
        if [[ -n ${header_layer[$name]:-} ]]; then
            echo "$header: the header name $name is in ${header_layer[$name]} too" >&2
            status=1
        fi
        for enclosing in "${folders[@]}"; do
            [[ $header == "$enclosing"/* ]] && header_layer[${header#"$enclosing"/}]=$folder
        done
    done < <(find "$folder" -name '*.h' | sort)
done

for folder in "${folders[@]}"; do
    [[ -d $folder ]] || continue
    while IFS=: read -r file line text; do
        layer_of "$file"
        own=$layer
        [[ $own == "$folder" ]] || continue
        [[ $text =~ \"([^\"]+)\" ]] || continue
        included=${BASH_REMATCH[1]}
        # The compiler looks beside the including file first.
        if [[ -f ${file%/*}/$included ]]; then
            layer_of "$(realpath --relative-to=. "${file%/*}/$included")"
            target=$layer
        else
            target=${header_layer[$included]:-}
        fi
        # Generated files and headers outside the layers (moc output) pass.
        [[ -n $target && $target != "$own" ]] || continue
        if (( rank[$target] >= rank[$own] )); then
            echo "$file:$line: $own (rank ${rank[$own]}) includes \"$included\" of $target (rank ${rank[$target]})" >&2
            status=1
        fi
    done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$folder" | sort -t: -k1,1 -k2,2n)
done

# The libraries: each folder's CMakeLists.txt makes its own and links those
# of lower ranks only; others (Qt's, the warnings) pass.
declare -A library_layer=()
for folder in "${folders[@]}"; do
    [[ -f $folder/CMakeLists.txt ]] || continue
    # shellcheck disable=SC2013 # words on purpose: the names hold no blanks
    for library in $(grep -oE 'add_library\(kwintor_[a-z_]+' "$folder/CMakeLists.txt" | cut -d'(' -f2); do
        library_layer[$library]=$folder
    done
done
for folder in "${folders[@]}"; do
    [[ -f $folder/CMakeLists.txt ]] || continue
    for library in $(tr '\n' ' ' <"$folder/CMakeLists.txt" | grep -oE 'target_link_libraries\([^)]*\)' |
        grep -oE 'kwintor_[a-z_]+' | sort -u); do
        target=${library_layer[$library]:-}
        [[ -n $target && $target != "$folder" ]] || continue
        if (( rank[$target] >= rank[$folder] )); then
            echo "$folder/CMakeLists.txt: $folder (rank ${rank[$folder]}) links $library of $target (rank ${rank[$target]})" >&2
            status=1
        fi
    done
done
exit "$status"
