#include "gform.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "desktop_metrics.h"
#include "window_display.h"

namespace kwintor {

TGradientForm::TGradientForm(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , layout_(new QVBoxLayout(this))
    , clientArea_(new QWidget(this))
{
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(clientArea_);
}

void TGradientForm::SetMenuBar(QMenuBar* menuBar) { layout_->setMenuBar(menuBar); }

void TGradientForm::SetBounds(int left, int top, int width, int height)
{
    // The desktop draws frame and caption around the widget's own geometry.
    using namespace desktop;
    setGeometry(left + SizingFrame, top + SizingFrame + CaptionHeight, width - 2 * SizingFrame,
                height - 2 * SizingFrame - CaptionHeight);
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
