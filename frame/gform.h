#pragma once

#include <QWidget>

#include <cstdint>

class QMenuBar;
class QVBoxLayout;

namespace kwintor {

// 0x00BBGGRR, or with the top bit set a system colour index in the low byte.
using TColor = std::uint32_t;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clInactiveCaption = 0x80000003;

// Modal results.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// The base of every Kwintor window. A window lays out its widgets on the
// client area in fixed pixels, below its menu bar if it has one; it is
// hidden, never destroyed, when closed.
class TGradientForm : public QWidget {
    Q_OBJECT

public:
    explicit TGradientForm(QWidget* parent = nullptr);

    TColor GradientStartColor() const { return gradientStartColor_; }
    void SetGradientStartColor(TColor color) { gradientStartColor_ = color; }
    TColor GradientStopColor() const { return gradientStopColor_; }
    void SetGradientStopColor(TColor color) { gradientStopColor_ = color; }

    QWidget* ClientArea() const { return clientArea_; }
    void SetMenuBar(QMenuBar* menuBar);

    // Places the window by its outer bounds, frame and caption included.
    void SetBounds(int left, int top, int width, int height);

    // Shows the window modally and waits until it is closed; returns the
    // modal result it was closed with (mrCancel when closed by its frame).
    int ShowModal();
    // Closes a modally shown window with `result`.
    void SetModalResult(int result);
    int ModalResult() const { return modalResult_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QVBoxLayout* layout_;
    QWidget* clientArea_;
    TColor gradientStartColor_ = 0;
    TColor gradientStopColor_ = clActiveCaption;
    int modalResult_ = mrNone;
};

}  // namespace kwintor
