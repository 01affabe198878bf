# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the scripts: where the project is, and how to build one of its
# CMake presets (CMakePresets.json) after installing the package lists it
# needs. A preset builds in build/PRESET.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

preset_dir() { printf '%s\n' "$root/build/$1"; }

# build_preset PRESET LIST… [-- TARGET…]: the lists go to install-deps.sh;
# without targets the whole preset is built, at the priority
# KWINTOR_BUILD_NICENESS gives (CI builds behind the tests it runs).
build_preset() {
    local preset=$1 lists=() targets=()
    shift
    while (( $# )) && [[ $1 != -- ]]; do
        lists+=("$1")
        shift
    done
    (( $# )) && shift
    targets=("$@")
    "$root/scripts/install-deps.sh" "${lists[@]}"
    (cd "$root" && cmake --preset "$preset" >/dev/null)
    nice -n "${KWINTOR_BUILD_NICENESS:-0}" cmake --build "$(preset_dir "$preset")" --parallel "$(nproc)" ${targets[@]+--target "${targets[@]}"}
}
