// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>

#include "board_palette.h"
#include "equation.h"

namespace kwintor {

inline constexpr int TileSize = 32;
inline const QColor TileBackground = palette::Silver;
inline const QColor TileGlyph = palette::Red;
inline const QColor TileOutline = palette::Black;

// The palette tile of an operator: a red glyph with a black outline on
// silver, TileSize logical pixels square, drawn for a screen of `ratio`
// device pixels to one. The outline is one logical pixel rounded to whole
// device pixels, so it is as wide on every side. The empty slot has no
// picture: a null image.
QImage TilePicture(OperatorCode code, qreal ratio = 1);

}  // namespace kwintor
