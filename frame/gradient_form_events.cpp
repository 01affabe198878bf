// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How a window with a frame of its own answers the desktop and the mouse.
#include "gradient_form.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWhatsThis>
#include <QWindow>

#include "caption_update_guard.h"
#include "desktop_drag.h"
#include "desktop_metrics.h"
#include "error_display.h"
#include "frame_edges.h"
#include "window_border.h"

namespace kwintor {

namespace {

// How far along the frame a corner sizes both its edges: the caption's
// side, as on the classic desktop.
constexpr int SizingCorner = desktop::SizingFrame + desktop::CaptionHeight;

}  // namespace

// Whatever a handler below throws is shown once the event is over.
bool TGradientForm::event(QEvent* event)
{
    bool handled = true;
    RunGuarded([&] {
        // The desktop's fonts changed: this one never reaches changeEvent.
        if (event->type() == QEvent::ApplicationFontChange && !SystemDrawsCaption()) {
            RefreshCaptionFont();
            RepaintCaption(IsCaptionActive());
        }
        handled = QWidget::event(event);
    });
    return handled;
}

void TGradientForm::paintEvent(QPaintEvent* /*event*/)
{
    if (SystemDrawsCaption())
        return;
    QPainter surface(this);
    if (!isMaximized())
        DrawWindowBorder(surface, size());
    RenderCaptionBar(surface, captionActive_);
}

void TGradientForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (SystemDrawsCaption())
        return;
    switch (event->type()) {
    case QEvent::ActivationChange: RepaintCaption(IsCaptionActive()); break;
    case QEvent::WindowStateChange:
        FitFrameToState();
        if (!isMinimized())
            RepaintCaption(IsCaptionActive());
        break;
    case QEvent::WindowTitleChange:
        if (!CaptionUpdateGuard::Held())
            SetCaption(windowTitle());
        break;
    case QEvent::PaletteChange:
        BuildGradientTables();
        RepaintCaption(IsCaptionActive());
        break;
    default: break;
    }
}

void TGradientForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!SystemDrawsCaption() && !isMinimized())
        RepaintCaption(IsCaptionActive());
}

void TGradientForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || SystemDrawsCaption()) {
        QWidget::mousePressEvent(event);
        return;
    }
    pressedButton_ = ButtonAt(event->position().toPoint());
    if (!pressedButton_)
        StartFrameDrag(*event);
    RepaintCaption(IsCaptionActive());
}

void TGradientForm::mouseMoveEvent(QMouseEvent* event)
{
    if (frameDrag_ && (event->buttons() & Qt::LeftButton))
        FollowFrameDrag(*event);
    else
        ShowSizingCursor(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TGradientForm::mouseReleaseEvent(QMouseEvent* event)
{
    const std::optional<CaptionButtonKind> pressed = std::exchange(pressedButton_, std::nullopt);
    frameDrag_.reset();
    if (event->button() == Qt::LeftButton && pressed && pressed == ButtonAt(event->position().toPoint()))
        PressButton(*pressed);
    QWidget::mouseReleaseEvent(event);
}

void TGradientForm::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const bool onBar = InCaptionBar(at) && !ButtonAt(at);
    if (event->button() == Qt::LeftButton && onBar && (borderIcons_ & biMaximize))
        ToggleMaximized();
    else
        QWidget::mouseDoubleClickEvent(event);
}

std::vector<CaptionButton> TGradientForm::ButtonsInWindow() const
{
    const EdgeRect bar = CaptionBarRect();
    EdgeRect text {1, 0, bar.Width(), bar.Height()};
    TakeIconPlace(BorderStyle(), borderIcons_, text);
    std::vector<CaptionButton> buttons = TakeButtonPlaces(BorderStyle(), borderIcons_, isMaximized(), text);
    for (CaptionButton& button : buttons)
        button.rect = {button.rect.left + bar.left, button.rect.top + bar.top, button.rect.right + bar.left,
                       button.rect.bottom + bar.top};
    return ButtonTargets(std::move(buttons), bar, isMaximized());
}

std::optional<CaptionButtonKind> TGradientForm::ButtonAt(QPoint point) const
{
    for (const CaptionButton& button : ButtonsInWindow()) {
        if (!button.inactive && button.rect.ToQRect().contains(point))
            return button.kind;
    }
    return std::nullopt;
}

Qt::Edges TGradientForm::SizingEdgesAt(QPoint point) const
{
    if (!IsSizeable(BorderStyle()))
        return {};
    return EdgesAt(point, size(), FrameWidth(BorderStyle(), isMaximized()), SizingCorner);
}

bool TGradientForm::InCaptionBar(QPoint point) const { return CaptionBarRect().ToQRect().contains(point); }

void TGradientForm::PressButton(CaptionButtonKind kind)
{
    switch (kind) {
    case CaptionButtonKind::Close: close(); break;
    case CaptionButtonKind::Minimize: showMinimized(); break;
    case CaptionButtonKind::Maximize:
    case CaptionButtonKind::Restore: ToggleMaximized(); break;
    case CaptionButtonKind::Help: QWhatsThis::enterWhatsThisMode(); break;
    }
}

void TGradientForm::ToggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

// The desktop moves or sizes the window from the first pixel on. A click
// that does not move stays ours, for the buttons and the double click.
void TGradientForm::StartFrameDrag(const QMouseEvent& event)
{
    const QPoint at = event.position().toPoint();
    Qt::Edges edges = SizingEdgesAt(at);
    if (!edges && InCaptionBar(at) && !isMaximized())
        edges = MoveEdges;
    if (!edges)
        return;
    frameDrag_ = FrameDrag {edges, event.position(), event.globalPosition().toPoint(), geometry()};
    if (!DesktopDragWaitsForMotion())
        HandFrameDragToDesktop({});
}

void TGradientForm::HandFrameDragToDesktop(QPoint moved)
{
    QWindow* window = windowHandle();
    if (!frameDrag_)
        return;
    FrameDrag& drag = *frameDrag_;
    const auto catchUp = [this, moved] { FollowMouse(moved); };
    if (window && StartDesktopDrag(*window, drag.pressAt, moved, drag.edges, catchUp))
        frameDrag_.reset();
    else
        drag.byHand = true;
}

// Where the desktop cannot move or size the window, it follows the mouse.
void TGradientForm::FollowFrameDrag(const QMouseEvent& event)
{
    if (!frameDrag_)
        return;
    const QPoint moved = event.globalPosition().toPoint() - frameDrag_->origin;
    if (!frameDrag_->byHand)
        HandFrameDragToDesktop(moved);
    FollowMouse(moved);
}

void TGradientForm::FollowMouse(QPoint moved)
{
    using namespace desktop;
    if (!frameDrag_)
        return;
    const QSize minimum = minimumSize().expandedTo({MinimumTrackWidth, MinimumTrackHeight});
    setGeometry(DraggedBounds(frameDrag_->start, frameDrag_->edges, moved, minimum));
}

void TGradientForm::ShowSizingCursor(QPoint point)
{
    const std::optional<Qt::CursorShape> shape = SizingCursor(HitTestOf(SizingEdgesAt(point)));
    if (shape)
        setCursor(*shape);
    else
        unsetCursor();
}

// A maximised window has no frame: its caption and buttons meet the
// screen's edges.
void TGradientForm::FitFrameToState()
{
    layout_->setContentsMargins(ClientMargins(BorderStyle(), isMaximized()));
}

}  // namespace kwintor
