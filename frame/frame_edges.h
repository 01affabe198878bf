// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace kwintor {

// The classic desktop's hit-test codes of the sizing frame.
enum HitTestCode : int {
    htNowhere = 0,
    htLeft = 10,
    htRight = 11,
    htTop = 12,
    htTopLeft = 13,
    htTopRight = 14,
    htBottom = 15,
    htBottomLeft = 16,
    htBottomRight = 17,
};

// The window edges that a press at `point` sizes, in a window of `size`
// whose sizing frame is `margin` pixels wide: none off the frame. Along
// `corner` pixels of frame from each corner both of its edges size, so a
// corner is more than a margin-square target.
Qt::Edges EdgesAt(QPoint point, QSize size, int margin, int corner);

HitTestCode HitTestOf(Qt::Edges edges);

// The sizing cursor for a hit-test code of the frame; none for other codes.
std::optional<Qt::CursorShape> SizingCursor(int hitTest);

// `start` with `edges` dragged by `delta`, never smaller than `minimum`.
QRect DraggedBounds(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum);

}  // namespace kwintor
