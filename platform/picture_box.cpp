#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "drag_session.h"

namespace kwintor {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent)
{
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
    if (HasPicture())
        QPainter(this).drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    if (!draggable_ || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    BeginDrag(*this, event->position().toPoint(), event->globalPosition().toPoint());
}

}  // namespace kwintor
