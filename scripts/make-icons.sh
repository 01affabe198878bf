#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kwintor developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws the application icon's PNG sizes from its SVG with rsvg-convert
# (librsvg2-bin). The PNGs are kept in the repository, so building and
# packaging need no SVG renderer.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
icons="$root/packaging/icons/hicolor"
"$root/scripts/install-deps.sh" icons
for size in 16 32 48 64 128 256; do
    mkdir -p "$icons/${size}x$size/apps"
    rsvg-convert --width "$size" --height "$size" --output "$icons/${size}x$size/apps/kwintor.png" \
        "$icons/scalable/apps/kwintor.svg"
done
