// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "caption_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "desktop_metrics.h"
#include "tcolor.h"

namespace kwintor {

namespace {

using namespace desktop;

void FillBands(QPainter& painter, const QRect& bar, const GradientTable& table, int count)
{
    const std::vector<int> edges = BandEdges(bar.width(), count);
    for (std::size_t j = 0; j < static_cast<std::size_t>(count); ++j) {
        if (edges[j + 1] > edges[j])
            painter.fillRect(bar.left() + edges[j], bar.top(), edges[j + 1] - edges[j], bar.height(),
                             ToQColor(table[j]));
    }
}

// The strip is stretched along one row of logical pixels first, so that on
// a finer screen each logical column keeps its colour over all its device
// pixels, as the bands do.
void StretchStrip(QPainter& painter, const QRect& bar, const GradientTable& table, int count)
{
    QImage strip(count, 1, QImage::Format_RGB32);
    for (int j = 0; j < count; ++j)
        strip.setPixel(j, 0, ToQColor(table[static_cast<std::size_t>(j)]).rgb());
    QImage row(bar.width(), 1, QImage::Format_RGB32);
    {
        QPainter stretcher(&row);
        stretcher.drawImage(row.rect(), strip);
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(bar, row);
    painter.restore();
}

// Raised like a push button: light and white above and left, grey and
// black below and right.
void DrawRaisedFace(QPainter& painter, const QRect& r)
{
    painter.fillRect(r, SystemColor(ColorButtonFace));
    painter.fillRect(r.left(), r.top(), r.width() - 1, 1, SystemColor(ColorButtonHighlight));
    painter.fillRect(r.left(), r.top(), 1, r.height() - 1, SystemColor(ColorButtonHighlight));
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, Qt::black);
    painter.fillRect(r.right(), r.top(), 1, r.height(), Qt::black);
    painter.fillRect(r.left() + 1, r.bottom() - 1, r.width() - 2, 1, SystemColor(ColorButtonShadow));
    painter.fillRect(r.right() - 1, r.top() + 1, 1, r.height() - 2, SystemColor(ColorButtonShadow));
}

void DrawCross(QPainter& painter, QPoint centre, const QColor& color)
{
    for (int i = -3; i <= 3; ++i) {
        painter.fillRect(centre.x() + i - 1, centre.y() + i, 2, 1, color);
        painter.fillRect(centre.x() + i - 1, centre.y() - i, 2, 1, color);
    }
}

void DrawWindowGlyph(QPainter& painter, const QRect& r, const QColor& color)
{
    painter.fillRect(r.left(), r.top(), r.width(), 2, color);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
    painter.fillRect(r.left(), r.top(), 1, r.height(), color);
    painter.fillRect(r.right(), r.top(), 1, r.height(), color);
}

void DrawRestoreGlyph(QPainter& painter, QPoint centre, const QColor& color)
{
    const QRect back(centre.x() - 2, centre.y() - 4, 6, 6);
    const QRect front(centre.x() - 4, centre.y() - 1, 6, 6);
    DrawWindowGlyph(painter, back, color);
    painter.fillRect(front, SystemColor(ColorButtonFace));
    DrawWindowGlyph(painter, front, color);
}

void DrawHelpGlyph(QPainter& painter, const QRect& r, const QColor& color)
{
    painter.save();
    painter.setFont(CaptionFont());
    painter.setPen(color);
    painter.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
    painter.restore();
}

void DrawGlyph(QPainter& painter, CaptionButtonKind kind, const QRect& r, QPoint offset, const QColor& color)
{
    const QRect face = r.adjusted(2, 2, -3, -3).translated(offset);
    const QPoint centre = face.center() + QPoint(1, 1);
    switch (kind) {
    case CaptionButtonKind::Close: DrawCross(painter, centre, color); break;
    case CaptionButtonKind::Minimize: painter.fillRect(centre.x() - 3, face.bottom() - 1, 6, 2, color); break;
    case CaptionButtonKind::Maximize:
        DrawWindowGlyph(painter, QRect(centre.x() - 4, centre.y() - 4, 9, 8), color);
        break;
    case CaptionButtonKind::Restore: DrawRestoreGlyph(painter, centre, color); break;
    case CaptionButtonKind::Help: DrawHelpGlyph(painter, face, color); break;
    }
}

}  // namespace

void FillGradientBar(QPainter& painter, const QRect& bar, const GradientTable& table, int count,
                     bool paletteSurface)
{
    if (FillsInBands(bar.width(), count, paletteSurface))
        FillBands(painter, bar, table, count);
    else
        StretchStrip(painter, bar, table, count);
}

void DrawCaptionButton(QPainter& painter, const CaptionButton& button)
{
    const QRect r = button.rect.ToQRect();
    DrawRaisedFace(painter, r);
    if (!button.inactive) {
        DrawGlyph(painter, button.kind, r, {}, SystemColor(ColorButtonText));
        return;
    }
    // Greyed glyphs are etched: white shifted down and right under grey.
    DrawGlyph(painter, button.kind, r, {1, 1}, SystemColor(ColorButtonHighlight));
    DrawGlyph(painter, button.kind, r, {}, SystemColor(ColorGrayText));
}

void DrawCaptionText(QPainter& painter, const QRect& place, const QString& text, const QColor& color)
{
    if (place.width() <= 0)
        return;
    painter.save();
    painter.setPen(color);
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, place.width());
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    painter.restore();
}

}  // namespace kwintor
