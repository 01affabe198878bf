// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gradient_form.h"

#include <QCloseEvent>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

#include "caption_painter.h"
#include "caption_update_guard.h"
#include "desktop_metrics.h"
#include "menu_anchors.h"
#include "window_display.h"

namespace kwintor {

namespace {

EdgeRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

}  // namespace

// A window with an owner is its dialog: Qt names the owner to X11 window
// managers (WM_TRANSIENT_FOR), which keep the window above it, for dialogs
// alone.
TGradientForm::TGradientForm(QWidget* parent)
    : QWidget(parent, (parent != nullptr ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint)
    , layout_(new QVBoxLayout(this))
    , clientArea_(new QWidget(this))
{
    BuildGradientTables();
    FitFrameToState();
    layout_->setSpacing(0);
    layout_->addWidget(clientArea_, 1);
    // Only the frame shows sizing cursors; the client area keeps its own.
    clientArea_->setCursor(Qt::ArrowCursor);
    setMouseTracking(true);
    RefreshCaptionFont();
}

void TGradientForm::SetCaption(const QString& caption)
{
    if (CaptionUpdateGuard::Held())
        return;
    const CaptionUpdateGuard guard;
    if (windowTitle() != caption)
        setWindowTitle(caption);
    caption_ = caption;
    if (!SystemDrawsCaption() && isVisible())
        RepaintCaption(IsCaptionActive());
}

void TGradientForm::SetGradientColors(int count)
{
    if (count == gradientColors_ || count < MinGradientColors || count > MaxGradientColors)
        return;
    gradientColors_ = count;
    BuildGradientTables();
    RequestFrameRepaint();
}

void TGradientForm::SetCaptionTextColor(TColor color)
{
    if (color == captionTextColor_)
        return;
    captionTextColor_ = color;
    RequestFrameRepaint();
}

void TGradientForm::SetInactiveCaptionTextColor(TColor color)
{
    if (color == inactiveCaptionTextColor_)
        return;
    inactiveCaptionTextColor_ = color;
    RequestFrameRepaint();
}

// A gradient colour may name a system colour whose value has changed, so
// setting it again always rebuilds.
void TGradientForm::SetGradientColor(TColor& color, TColor value)
{
    color = value;
    BuildGradientTables();
    RequestFrameRepaint();
}

void TGradientForm::SetGradientStartColor(TColor color) { SetGradientColor(gradientStartColor_, color); }

void TGradientForm::SetGradientStopColor(TColor color) { SetGradientColor(gradientStopColor_, color); }

void TGradientForm::SetGradientInactiveStartColor(TColor color)
{
    SetGradientColor(gradientInactiveStartColor_, color);
}

void TGradientForm::SetGradientInactiveStopColor(TColor color)
{
    SetGradientColor(gradientInactiveStopColor_, color);
}

void TGradientForm::SetPaintGradient(TGFPaintWhen when)
{
    if (when == paintGradient_)
        return;
    paintGradient_ = when;
    RequestFrameRepaint();
}

// With no system gradient to hand the caption to there is no window to
// create anew: the switch is only kept.
void TGradientForm::SetUseWin98Gradient(bool use) { useWin98Gradient_ = use; }

void TGradientForm::SetBorderIcons(TBorderIcons icons)
{
    borderIcons_ = icons;
    Qt::WindowFlags flags = windowType() | Qt::FramelessWindowHint | Qt::WindowTitleHint;
    // Qt hands a customised window with buttons back to the desktop's frame.
    flags.setFlag(Qt::CustomizeWindowHint, icons == 0);
    flags.setFlag(Qt::WindowSystemMenuHint, (icons & biSystemMenu) != 0);
    flags.setFlag(Qt::WindowCloseButtonHint, (icons & biSystemMenu) != 0);
    flags.setFlag(Qt::WindowMinimizeButtonHint, (icons & biMinimize) != 0);
    flags.setFlag(Qt::WindowMaximizeButtonHint, (icons & biMaximize) != 0);
    flags.setFlag(Qt::WindowContextHelpButtonHint, (icons & biHelp) != 0);
    setWindowFlags(flags);
    RequestFrameRepaint();
}

void TGradientForm::RequestFrameRepaint()
{
    if (!SystemDrawsCaption())
        update();
}

bool TGradientForm::IsCaptionActive() const { return isActiveWindow(); }

void TGradientForm::RefreshCaptionFont()
{
    const bool tool = BorderStyle() == bsToolWindow || BorderStyle() == bsSizeToolWin;
    captionFont_ = tool ? desktop::SmallCaptionFont() : desktop::CaptionFont();
}

EdgeRect TGradientForm::CaptionBarRect() const
{
    return CaptionBarBounds(BorderStyle(), size(), isMaximized());
}

EdgeRect TGradientForm::RenderCaptionBar(QPainter& surface, bool active)
{
    const EdgeRect bar = CaptionBarRect();
    if (bar.Width() <= 0 || bar.Height() <= 0)
        return bar;
    // Composed at the surface's own resolution in logical coordinates: text
    // and icon get every device pixel, and the copy below is one to one.
    const qreal ratio = surface.device()->devicePixelRatio();
    QImage image(QSize(qRound(bar.Width() * ratio), qRound(bar.Height() * ratio)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    {
        QPainter composer(&image);
        EdgeRect text {0, 0, bar.Width(), bar.Height()};
        if (UsesGradient(active))
            FillCaptionGradient(composer, text, active);
        else
            FillCaptionSolid(composer, text, active);
        ++text.left;
        DrawSystemMenuIcon(composer, text, active);
        DrawCaptionButtons(composer, text);
        if (onCaptionPaint_) {
            composer.save();
            if (captionFont_)
                composer.setFont(*captionFont_);
            QRect handed = text.ToQRect();
            onCaptionPaint_(*this, composer, handed);
            composer.restore();
            text = FromQRect(handed);
        }
        DrawCaptionTitle(composer, text, active);
    }
    surface.drawImage(bar.left, bar.top, image);
    return bar;
}

void TGradientForm::DrawSystemMenuIcon(QPainter& surface, EdgeRect& textRect, bool /*active*/)
{
    const std::optional<EdgeRect> place = TakeIconPlace(BorderStyle(), BorderIcons(), textRect);
    if (!place)
        return;
    QIcon icon = windowIcon();
    if (icon.isNull())
        icon = desktop::DefaultApplicationIcon();
    icon.paint(&surface, place->ToQRect());
}

void TGradientForm::FillCaptionSolid(QPainter& surface, const EdgeRect& rect, bool active)
{
    surface.fillRect(rect.ToQRect(), ToQColor(ResolveColor(active ? clActiveCaption : clInactiveCaption)));
}

void TGradientForm::FillCaptionGradient(QPainter& surface, const EdgeRect& rect, bool active)
{
    const GradientTable& table = active ? activeGradientTable_ : inactiveGradientTable_;
    // Image surfaces here are true colour, never palettes.
    FillGradientBar(surface, rect.ToQRect(), table, gradientColors_, false);
}

void TGradientForm::DrawCaptionTitle(QPainter& surface, const EdgeRect& textRect, bool active)
{
    EdgeRect place = textRect;
    place.left += 2;
    surface.save();
    if (captionFont_)
        surface.setFont(*captionFont_);
    const TColor color = active ? captionTextColor_ : inactiveCaptionTextColor_;
    DrawCaptionText(surface, place.ToQRect(), caption_, ToQColor(ResolveColor(color)));
    surface.restore();
}

void TGradientForm::DrawCaptionButtons(QPainter& surface, EdgeRect& textRect)
{
    for (const CaptionButton& button :
         TakeButtonPlaces(BorderStyle(), BorderIcons(), isMaximized(), textRect))
        DrawCaptionButton(surface, button);
}

void TGradientForm::BuildGradientTables()
{
    inactiveGradientTable_ = BuildGradientTable(ResolveColor(gradientInactiveStartColor_),
                                                ResolveColor(gradientInactiveStopColor_), gradientColors_);
    activeGradientTable_ = BuildGradientTable(ResolveColor(gradientStartColor_),
                                              ResolveColor(gradientStopColor_), gradientColors_);
}

bool TGradientForm::SystemDrawsCaption() const { return useWin98Gradient_ && systemGradientAvailable_; }

// Widgets paint only in their paint event: the state to draw is kept and
// the bar's area scheduled.
void TGradientForm::RepaintCaption(bool active)
{
    captionActive_ = active;
    update(CaptionBarRect().ToQRect());
}

bool TGradientForm::UsesGradient(bool active) const
{
    return paintGradient_ == gfpAlways || (paintGradient_ == gfpActive && active);
}

void TGradientForm::SetMenuBar(QMenuBar* menuBar)
{
    menuBar->setCursor(Qt::ArrowCursor);
    AnchorMenusBelowTitles(*menuBar);
    // A layout's own menu bar would sit on the caption, above the margins.
    layout_->insertWidget(0, menuBar);
}

void TGradientForm::KeepClientAreaCentred()
{
    layout_->activate();
    clientArea_->setFixedSize(clientArea_->size());
    layout_->setAlignment(clientArea_, Qt::AlignCenter);
}

void TGradientForm::SetBounds(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
}

int TGradientForm::ShowModal()
{
    modalResult_ = mrNone;
    kwintor::ShowModal(*this);
    return modalResult_;
}

void TGradientForm::SetModalResult(int result)
{
    modalResult_ = result;
    if (result != mrNone)
        close();
}

void TGradientForm::closeEvent(QCloseEvent* event)
{
    if (modalResult_ == mrNone)
        modalResult_ = mrCancel;
    QWidget::closeEvent(event);
}

}  // namespace kwintor
