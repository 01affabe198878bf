// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frame_edges.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kwintor {

Qt::Edges EdgesAt(QPoint point, QSize size, int margin, int corner)
{
    const bool onFrame = point.x() < margin || point.x() >= size.width() - margin || point.y() < margin ||
        point.y() >= size.height() - margin;
    if (!onFrame)
        return {};
    const int reach = std::max(margin, corner);
    Qt::Edges edges;
    if (point.x() < reach)
        edges |= Qt::LeftEdge;
    else if (point.x() >= size.width() - reach)
        edges |= Qt::RightEdge;
    if (point.y() < reach)
        edges |= Qt::TopEdge;
    else if (point.y() >= size.height() - reach)
        edges |= Qt::BottomEdge;
    return edges;
}

HitTestCode HitTestOf(Qt::Edges edges)
{
    constexpr std::array<std::pair<unsigned, HitTestCode>, 8> codes {{
        {Qt::LeftEdge, htLeft},
        {Qt::RightEdge, htRight},
        {Qt::TopEdge, htTop},
        {Qt::TopEdge | Qt::LeftEdge, htTopLeft},
        {Qt::TopEdge | Qt::RightEdge, htTopRight},
        {Qt::BottomEdge, htBottom},
        {Qt::BottomEdge | Qt::LeftEdge, htBottomLeft},
        {Qt::BottomEdge | Qt::RightEdge, htBottomRight},
    }};
    const auto found = std::find_if(codes.begin(), codes.end(),
                                    [edges](const auto& code) { return code.first == edges.toInt(); });
    return found == codes.end() ? htNowhere : found->second;
}

std::optional<Qt::CursorShape> SizingCursor(int hitTest)
{
    switch (hitTest) {
    case htLeft:
    case htRight: return Qt::SizeHorCursor;
    case htTop:
    case htBottom: return Qt::SizeVerCursor;
    case htTopLeft:
    case htBottomRight: return Qt::SizeFDiagCursor;
    case htTopRight:
    case htBottomLeft: return Qt::SizeBDiagCursor;
    default: return std::nullopt;
    }
}

QRect DraggedBounds(const QRect& start, Qt::Edges edges, QPoint delta, QSize minimum)
{
    QRect bounds = start;
    if (edges & Qt::LeftEdge)
        bounds.setLeft(std::min(start.left() + delta.x(), start.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        bounds.setRight(std::max(start.right() + delta.x(), start.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        bounds.setTop(std::min(start.top() + delta.y(), start.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        bounds.setBottom(std::max(start.bottom() + delta.y(), start.top() + minimum.height() - 1));
    return bounds;
}

}  // namespace kwintor
