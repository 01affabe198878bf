// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tile_pictures.h"

#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <array>
#include <vector>

namespace kwintor {

namespace {

// Rectangles of tile pixels, from the first column and row to the last.
using Glyph = std::vector<QRect>;

QRect Cells(int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    return QRect(QPoint(firstColumn, firstRow), QPoint(lastColumn, lastRow));
}

// The dot of the multiplication sign, seven rows high.
void AddDot(Glyph& glyph, int topRow, int centreColumn)
{
    constexpr std::array<int, 7> rowWidths = {3, 5, 7, 7, 7, 5, 3};
    int row = topRow;
    for (const int width : rowWidths) {
        const int half = width / 2;
        glyph.push_back(Cells(centreColumn - half, centreColumn + half, row, row));
        ++row;
    }
}

const QRect MinusBar = Cells(2, 29, 14, 17);

Glyph GlyphOf(OperatorCode code)
{
    Glyph glyph;
    switch (code) {
    case OperatorCode::Minus: glyph.push_back(MinusBar); break;
    case OperatorCode::Plus: glyph = {MinusBar, Cells(14, 18, 3, 28)}; break;
    case OperatorCode::Multiplication: AddDot(glyph, 13, 15); break;
    case OperatorCode::Division:
        glyph.push_back(MinusBar);
        AddDot(glyph, 3, 16);
        AddDot(glyph, 22, 16);
        break;
    default: break;
    }
    return glyph;
}

// Device pixels whose centres lie in `cells`.
QRect OnDevice(const QRect& cells, qreal ratio)
{
    const auto edge = [ratio](int logical) { return qRound(logical * ratio); };
    return QRect(QPoint(edge(cells.left()), edge(cells.top())),
                 QPoint(edge(cells.right() + 1) - 1, edge(cells.bottom() + 1) - 1));
}

}  // namespace

// The outline is every pixel within its width of the glyph, corners too:
// the glyph's rectangles grown by it, with the glyph painted over them.
QImage TilePicture(OperatorCode code, qreal ratio)
{
    if (code == OperatorCode::Empty)
        return {};
    const int side = qCeil(TileSize * ratio);
    const int outline = std::max(1, qRound(ratio));
    const Glyph glyph = GlyphOf(code);
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(TileBackground);
    {
        QPainter painter(&picture);
        for (const QRect& cells : glyph)
            painter.fillRect(OnDevice(cells, ratio).adjusted(-outline, -outline, outline, outline),
                             TileOutline);
        for (const QRect& cells : glyph)
            painter.fillRect(OnDevice(cells, ratio), TileGlyph);
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

}  // namespace kwintor
