// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <optional>

#include "caption_layout.h"
#include "gradient_tables.h"
#include "tcolor.h"

class QMenuBar;
class QPainter;
class QVBoxLayout;

namespace kwintor {

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

enum TGFPaintWhen { gfpAlways, gfpActive, gfpNever };

class TGradientForm;
// Called with the window, a painter on the caption image set to the caption
// font, and the space left for the text, which the handler may change.
using TGFOnCaptionPaint = std::function<void(TGradientForm& sender, QPainter& canvas, QRect& textRect)>;

// The base of every Kwintor window. It draws its own frame and caption bar
// (a gradient behind icon, buttons and text) in place of the desktop's. A
// window lays out its widgets on the client area in fixed pixels, below its
// menu bar if it has one; it is hidden, never destroyed, when closed.
class TGradientForm : public QWidget {
    Q_OBJECT

public:
    // With a parent the window is its dialog, which the desktop keeps above it.
    explicit TGradientForm(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    int GradientColors() const { return gradientColors_; }
    void SetGradientColors(int count);
    TColor CaptionTextColor() const { return captionTextColor_; }
    void SetCaptionTextColor(TColor color);
    TColor InactiveCaptionTextColor() const { return inactiveCaptionTextColor_; }
    void SetInactiveCaptionTextColor(TColor color);
    TColor GradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor color);
    TColor GradientStopColor() const { return gradientStopColor_; }
    void SetGradientStopColor(TColor color);
    TColor GradientInactiveStartColor() const { return gradientInactiveStartColor_; }
    void SetGradientInactiveStartColor(TColor color);
    TColor GradientInactiveStopColor() const { return gradientInactiveStopColor_; }
    void SetGradientInactiveStopColor(TColor color);
    TGFPaintWhen PaintGradient() const { return paintGradient_; }
    void SetPaintGradient(TGFPaintWhen when);
    bool UseWin98Gradient() const { return useWin98Gradient_; }
    void SetUseWin98Gradient(bool use);
    const TGFOnCaptionPaint& OnCaptionPaint() const { return onCaptionPaint_; }
    void SetOnCaptionPaint(TGFOnCaptionPaint handler) { onCaptionPaint_ = std::move(handler); }

    TBorderStyle BorderStyle() const { return bsSizeable; }
    TBorderIcons BorderIcons() const { return borderIcons_; }
    // The caption buttons; the desktop learns them as window hints, which
    // re-creates the window: set them before its bounds.
    void SetBorderIcons(TBorderIcons icons);

    const GradientTable& ActiveGradientTable() const { return activeGradientTable_; }
    const GradientTable& InactiveGradientTable() const { return inactiveGradientTable_; }
    const std::optional<QFont>& CaptionFont() const { return captionFont_; }

    void RequestFrameRepaint();
    bool IsCaptionActive() const;
    void RefreshCaptionFont();

    // In window coordinates: the caption bar, right and bottom exclusive.
    virtual EdgeRect CaptionBarRect() const;
    // Composes the caption bar off-screen at the device pixel ratio of
    // `surface`, which covers the whole window, and copies it there; returns
    // where it went.
    virtual EdgeRect RenderCaptionBar(QPainter& surface, bool active);
    virtual void DrawSystemMenuIcon(QPainter& surface, EdgeRect& textRect, bool active);
    virtual void FillCaptionSolid(QPainter& surface, const EdgeRect& rect, bool active);
    virtual void FillCaptionGradient(QPainter& surface, const EdgeRect& rect, bool active);
    virtual void DrawCaptionTitle(QPainter& surface, const EdgeRect& textRect, bool active);
    virtual void DrawCaptionButtons(QPainter& surface, EdgeRect& textRect);
    virtual void BuildGradientTables();
    virtual bool SystemDrawsCaption() const;
    virtual void RepaintCaption(bool active);

    QWidget* ClientArea() const { return clientArea_; }
    void SetMenuBar(QMenuBar* menuBar);
    // Keeps the client area at the size the window's bounds give it now and
    // centres it in a larger window, which can no longer shrink below it.
    void KeepClientAreaCentred();

    // Places the window by its outer bounds, frame and caption included.
    void SetBounds(int left, int top, int width, int height);

    // Shows the window modally and waits until it is closed; returns the
    // modal result it was closed with (mrCancel when closed by its frame).
    int ShowModal();
    // Closes a modally shown window with `result`.
    void SetModalResult(int result);
    int ModalResult() const { return modalResult_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // A press on the frame, before the desktop takes it over, or while the
    // window follows the mouse itself where the desktop cannot.
    struct FrameDrag {
        Qt::Edges edges;  // all four for a move
        QPointF pressAt;  // in the window
        QPoint origin;  // on the screen
        QRect start;
        bool byHand = false;
    };

    void SetGradientColor(TColor& color, TColor value);
    bool UsesGradient(bool active) const;
    std::vector<CaptionButton> ButtonsInWindow() const;
    std::optional<CaptionButtonKind> ButtonAt(QPoint point) const;
    Qt::Edges SizingEdgesAt(QPoint point) const;
    bool InCaptionBar(QPoint point) const;
    void PressButton(CaptionButtonKind kind);
    void ToggleMaximized();
    void StartFrameDrag(const QMouseEvent& event);
    void FollowFrameDrag(const QMouseEvent& event);
    void HandFrameDragToDesktop(QPoint moved);
    void FollowMouse(QPoint moved);
    void ShowSizingCursor(QPoint point);
    void FitFrameToState();

    QVBoxLayout* layout_;
    QWidget* clientArea_;
    QString caption_;
    int gradientColors_ = 64;
    TColor captionTextColor_ = clWhite;
    TColor inactiveCaptionTextColor_ = clWhite;
    TColor gradientStartColor_ = clBlack;
    TColor gradientStopColor_ = clActiveCaption;
    TColor gradientInactiveStartColor_ = clBlack;
    TColor gradientInactiveStopColor_ = clInactiveCaption;
    TGFPaintWhen paintGradient_ = gfpAlways;
    bool useWin98Gradient_ = false;
    // Nothing here draws gradient captions for the program.
    const bool systemGradientAvailable_ = false;
    TGFOnCaptionPaint onCaptionPaint_;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    GradientTable activeGradientTable_ {};
    GradientTable inactiveGradientTable_ {};
    std::optional<QFont> captionFont_;
    bool captionActive_ = false;
    std::optional<CaptionButtonKind> pressedButton_;
    std::optional<FrameDrag> frameDrag_;
    int modalResult_ = mrNone;
};

}  // namespace kwintor
