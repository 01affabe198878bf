// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "captioned_box.h"

#include <QCloseEvent>
#include <QDialog>
#include <QVBoxLayout>

#include "gradient_form.h"
#include "window_display.h"
#include "window_frame.h"

namespace kwintor {

namespace {

// The window's close button, the desktop's close and Alt+F4 close the box,
// which decides what that means and then takes the window with it.
class CloseTheBox : public QObject {
public:
    CloseTheBox(QWidget& window, QDialog& box)
        : box_(box)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() != QEvent::Close || !box_.isVisible())
            return false;
        event->ignore();
        box_.close();
        return true;
    }

private:
    QDialog& box_;
};

}  // namespace

int ShowUnderGradientCaption(QDialog& box)
{
    QWidget* const owner = box.parentWidget();
    const Qt::WindowFlags flags = box.windowFlags();
    TGradientForm window(DialogOwner());
    window.setObjectName(box.objectName());
    window.SetBorderIcons(biSystemMenu);
    SetCaptionGradient(window);
    window.setWindowTitle(box.windowTitle());
    box.setParent(window.ClientArea(), Qt::Widget);
    auto* layout = new QVBoxLayout(window.ClientArea());
    layout->setContentsMargins({});
    layout->addWidget(&box);
    QObject::connect(&box, &QDialog::finished, &window, &QWidget::hide);
    const CloseTheBox closeTheBox(window, box);
    box.show();
    window.setFixedSize(window.sizeHint());
    window.ShowModal();
    box.setParent(owner, flags);
    return box.result();
}

}  // namespace kwintor
