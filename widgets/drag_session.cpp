// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drag_session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

#include <utility>

#include "error_display.h"
#include "picture_box.h"

namespace kwintor {

namespace {

// A window that a modal one blocks takes no drops, as it takes no clicks.
bool IsBlocked(const QWidget& widget)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return modal && widget.window() != modal;
}

PictureBox* AcceptingBoxAt(QPoint globalPosition, PictureBox& source)
{
    auto* box = qobject_cast<PictureBox*>(QApplication::widgetAt(globalPosition));
    return box && box->isEnabled() && !IsBlocked(*box) && box->Accepts(source) ? box : nullptr;
}

class DragSession : public QObject {
public:
    DragSession(PictureBox& source, QPoint grabPoint);
    ~DragSession() override;

    void Follow(QPoint globalPosition);
    PictureBox* Source() const { return source_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool HandleMouse(QMouseEvent& event);

    QPointer<PictureBox> source_;
    QPointer<QLabel> picture_;
    QPoint grabPoint_;
};

// Not owned by a static: a drag still running at exit must not be torn down
// after the application is gone.
DragSession* current = nullptr;

void EndDrag() { delete std::exchange(current, nullptr); }

void DropAt(QPoint globalPosition)
{
    const QPointer<PictureBox> source = current->Source();
    // The picture and the cursor go before the drop handler runs: it may open a box.
    EndDrag();
    RunGuarded([&] {
        PictureBox* target = source ? AcceptingBoxAt(globalPosition, *source) : nullptr;
        if (target)
            target->Drop(*source);
    });
}

DragSession::DragSession(PictureBox& source, QPoint grabPoint)
    : source_(&source)
    , grabPoint_(grabPoint)
{
    QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
    if (source.HasPicture()) {
        // A child of the window, not a window of its own: a window would be
        // what QApplication::widgetAt finds under the cursor.
        picture_ = new QLabel(source.window());
        picture_->setObjectName(QStringLiteral("kwintorDragPicture"));
        picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
        picture_->setPixmap(QPixmap::fromImage(source.Picture()));
        picture_->adjustSize();
        picture_->show();
    }
    qApp->installEventFilter(this);
}

DragSession::~DragSession()
{
    qApp->removeEventFilter(this);
    delete picture_;
    QGuiApplication::restoreOverrideCursor();
}

void DragSession::Follow(QPoint globalPosition)
{
    if (picture_) {
        picture_->move(picture_->parentWidget()->mapFromGlobal(globalPosition) - grabPoint_);
        picture_->raise();
    }
    const bool accepted = source_ && AcceptingBoxAt(globalPosition, *source_);
    QGuiApplication::changeOverrideCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

// Nothing may touch the session after DropAt or EndDrag: both delete it.
bool DragSession::eventFilter(QObject* watched, QEvent* event)
{
    // Seen at the widget only: the window's own bookkeeping of the implicit grab must run.
    if (!watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: return HandleMouse(static_cast<QMouseEvent&>(*event));
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
            return false;
        EndDrag();
        return true;
    case QEvent::WindowBlocked:
        // As a modal box comes up, the drag ends without a drop.
        if (source_ && watched == source_->window())
            EndDrag();
        return false;
    default: return false;
    }
}

bool DragSession::HandleMouse(QMouseEvent& event)
{
    const QPoint globalPosition = event.globalPosition().toPoint();
    event.accept();
    if (event.type() == QEvent::MouseMove) {
        RunGuarded([&] { Follow(globalPosition); });
    } else if (event.button() == Qt::LeftButton && event.type() == QEvent::MouseButtonRelease) {
        DropAt(globalPosition);
    } else if (event.button() == Qt::LeftButton) {
        // The release got lost somewhere; this press starts afresh.
        EndDrag();
        return false;
    }
    return true;
}

}  // namespace

void BeginDrag(PictureBox& source, QPoint grabPoint, QPoint globalPosition)
{
    EndDrag();
    current = new DragSession(source, grabPoint);
    RunGuarded([&] { current->Follow(globalPosition); });
}

}  // namespace kwintor
