// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_border.h"

#include <QPainter>

#include "desktop_metrics.h"

namespace kwintor {

namespace {

void DrawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}

}  // namespace

void DrawWindowBorder(QPainter& painter, QSize outer)
{
    using namespace desktop;
    const QRect bounds(QPoint(0, 0), outer);
    DrawRing(painter, bounds, SystemColor(ColorButtonFace), Qt::black);
    DrawRing(painter, bounds.adjusted(1, 1, -1, -1), SystemColor(ColorButtonHighlight),
             SystemColor(ColorButtonShadow));
}

}  // namespace kwintor
