// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tile_pictures.h"

#include <array>
#include <bitset>

namespace kwintor {

namespace {

using GlyphMask = std::array<std::bitset<TileSize>, TileSize>;  // [row][column]

void FillRectangle(GlyphMask& mask, int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column)
            mask[row].set(column);
}

// The dot of the multiplication sign, seven rows high.
void FillDot(GlyphMask& mask, int topRow, int centreColumn)
{
    constexpr std::array<int, 7> rowWidths = {3, 5, 7, 7, 7, 5, 3};
    for (int i = 0; i < 7; ++i) {
        const int half = rowWidths[i] / 2;
        FillRectangle(mask, centreColumn - half, centreColumn + half, topRow + i, topRow + i);
    }
}

void FillMinusBar(GlyphMask& mask) { FillRectangle(mask, 2, 29, 14, 17); }

GlyphMask GlyphOf(OperatorCode code)
{
    GlyphMask mask {};
    switch (code) {
    case OperatorCode::Minus: FillMinusBar(mask); break;
    case OperatorCode::Plus:
        FillMinusBar(mask);
        FillRectangle(mask, 14, 18, 3, 28);
        break;
    case OperatorCode::Multiplication: FillDot(mask, 13, 15); break;
    case OperatorCode::Division:
        FillMinusBar(mask);
        FillDot(mask, 3, 16);
        FillDot(mask, 22, 16);
        break;
    default: break;
    }
    return mask;
}

// The outline is every background pixel that touches the glyph, corners too.
bool TouchesGlyph(const GlyphMask& mask, int row, int column)
{
    for (int r = row - 1; r <= row + 1; ++r)
        for (int c = column - 1; c <= column + 1; ++c)
            if (r >= 0 && r < TileSize && c >= 0 && c < TileSize && mask[r].test(c))
                return true;
    return false;
}

}  // namespace

QImage TilePicture(OperatorCode code)
{
    if (code == OperatorCode::Empty)
        return {};
    const GlyphMask mask = GlyphOf(code);
    QImage picture(TileSize, TileSize, QImage::Format_RGB32);
    for (int row = 0; row < TileSize; ++row)
        for (int column = 0; column < TileSize; ++column) {
            const QColor colour = mask[row].test(column) ? TileGlyph
                : TouchesGlyph(mask, row, column)        ? TileOutline
                                                         : TileBackground;
            picture.setPixelColor(column, row, colour);
        }
    return picture;
}

}  // namespace kwintor
