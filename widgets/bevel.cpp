// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bevel.h"

#include <QPainter>

namespace kwintor {

Bevel::Bevel(Shape shape, Style style, QWidget* parent)
    : QWidget(parent)
    , shape_(shape)
    , style_(style)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    // A lowered bevel is lit from the top left, so its shadow falls there.
    const QColor topLeft = style_ == Style::Lowered ? shadow : highlight;
    const QColor bottomRight = style_ == Style::Lowered ? highlight : shadow;
    const int right = width() - 1;
    const int bottom = height() - 1;

    switch (shape_) {
    case Shape::Box:
        painter.setPen(topLeft);
        painter.drawLine(0, 0, right, 0);
        painter.drawLine(0, 0, 0, bottom);
        painter.setPen(bottomRight);
        painter.drawLine(right, 0, right, bottom);
        painter.drawLine(0, bottom, right, bottom);
        break;
    case Shape::Frame:
        // Two outlines one pixel apart give the etched or embossed edge.
        painter.setPen(bottomRight);
        painter.drawRect(1, 1, right - 1, bottom - 1);
        painter.setPen(topLeft);
        painter.drawRect(0, 0, right - 1, bottom - 1);
        break;
    case Shape::TopLine:
        painter.setPen(topLeft);
        painter.drawLine(0, 0, right, 0);
        painter.setPen(bottomRight);
        painter.drawLine(0, 1, right, 1);
        break;
    }
}

}  // namespace kwintor
