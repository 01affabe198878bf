#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer check passes this tree, and on a small tree of its own finds
# each kind of wrong include (up, sideways, the score core on the windows,
# the boxes on the widgets) and a library linked sideways, and lets the
# right ones pass.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
check="$root/scripts/check-layers.sh"
"$check"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{engine,sound,desktop,boxes,widgets,frame,dialogs,scores/core,game}
add() { printf '%s\n' "${@:2}" >"$tree/$1"; }
add engine/equation.h '#include <cstdint>'
add engine/settings.h '#include "equation.h"'
add sound/wave_playback.h '#include "error.h"' '#include "window_display.h"'
add engine/error.h
add desktop/window_display.h '#include "settings.h"' '#include "core/score_table.h"'
add boxes/error_display.h '#include "window_display.h"' '#include "picture_box.h"'
add widgets/picture_box.h '#include "error_display.h"' '#include "gradient_form.h"'
add frame/gradient_form.h '#include "error_display.h"' '#include "window_display.h"'
add dialogs/about_window.h '#include "gradient_form.h"' '#include "najlepsi.h"'
add scores/najlepsi.h '#include "gradient_form.h"' '#include "score_table.h"'
add scores/core/score_table.h '#include "equation.h"' '#include "window_display.h"'
add game/main_window.h '#include "about_window.h"' '#include "najlepsi.h"' '#include "core/score_table.h"'
add engine/equation.cpp '#include "equation.h"' '#include "main_window.h"' '#include "x.moc"'
add desktop/CMakeLists.txt 'add_library(kwintor_desktop STATIC window_display.cpp)'
add sound/CMakeLists.txt 'add_library(kwintor_sound STATIC wave_playback.cpp)' \
    'target_link_libraries(kwintor_sound PRIVATE kwintor_engine kwintor_desktop)'
add boxes/CMakeLists.txt 'add_library(kwintor_boxes STATIC error_display.cpp)' 'target_link_libraries(kwintor_boxes' \
    '    PUBLIC Qt6::Gui PRIVATE kwintor_desktop kwintor_warnings)'

expected="boxes/error_display.h:2: boxes (rank 2) includes \"picture_box.h\" of widgets (rank 3)
desktop/window_display.h:2: desktop (rank 1) includes \"core/score_table.h\" of scores/core (rank 1)
dialogs/about_window.h:2: dialogs (rank 4) includes \"najlepsi.h\" of scores (rank 4)
engine/equation.cpp:2: engine (rank 0) includes \"main_window.h\" of game (rank 5)
scores/core/score_table.h:2: scores/core (rank 1) includes \"window_display.h\" of desktop (rank 1)
sound/wave_playback.h:2: sound (rank 1) includes \"window_display.h\" of desktop (rank 1)
widgets/picture_box.h:2: widgets (rank 3) includes \"gradient_form.h\" of frame (rank 3)
sound/CMakeLists.txt: sound (rank 1) links kwintor_desktop of desktop (rank 1)"
if found=$("$check" "$tree" 2>&1); then
    echo "the check passed a tree with wrong includes" >&2
    exit 1
fi
if [[ $found != "$expected" ]]; then
    printf 'expected:\n%s\nfound:\n%s\n' "$expected" "$found" >&2
    exit 1
fi
