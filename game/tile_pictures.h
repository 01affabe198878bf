// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>

#include "equation.h"

namespace kwintor {

inline constexpr int TileSize = 32;
inline const QColor TileBackground {0xC0, 0xC0, 0xC0};
inline const QColor TileGlyph {0xFF, 0x00, 0x00};
inline const QColor TileOutline {0x00, 0x00, 0x00};

// The palette tile of an operator: a red glyph with a black outline on
// silver, TileSize logical pixels square, drawn for a screen of `ratio`
// device pixels to one. The outline is one logical pixel rounded to whole
// device pixels, so it is as wide on every side. The empty slot has no
// picture: a null image.
QImage TilePicture(OperatorCode code, qreal ratio = 1);

}  // namespace kwintor
