// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_box.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "drag_session.h"
#include "reader_tree.h"

namespace kwintor {

namespace {

// Every other pixel of the outline inverted, as the classic desktop draws
// it: it shows on a silver tile and on an empty slot alike.
void DrawFocusRectangle(QPainter& painter, const QRect& outline)
{
    QPen dots(Qt::white, 0);
    dots.setDashPattern({1, 1});
    painter.setPen(dots);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
}

}  // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
    InstallReaderTree();
}

void PictureBox::SetPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::Drop(PictureBox& source)
{
    if (dropHandler_)
        dropHandler_(*this, source);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (HasPicture())
        painter.drawImage(0, 0, picture_);
    if (hasFocus())
        DrawFocusRectangle(painter, rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (!draggable_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    BeginDrag(*this, event->position().toPoint(), event->globalPosition().toPoint());
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (keyHandler_ && keyHandler_(*this, *event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace kwintor
