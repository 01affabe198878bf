// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_frame.h"

#include "desktop_metrics.h"

namespace kwintor {

void SetUpWindowFrame(TGradientForm& form, const QString& caption, CaptionButtons buttons,
                      const QRect& outerBounds, int fontHeight)
{
    if (buttons == CaptionButtons::None) {
        form.setWindowFlags(Qt::Dialog);
        form.SetBorderIcons(0);
        form.setMinimumSize(outerBounds.size());
    }
    form.setWindowTitle(caption);
    form.setFont(desktop::SansSerifFont(fontHeight));
    form.SetBounds(outerBounds.left(), outerBounds.top(), outerBounds.width(), outerBounds.height());
}

void SetCaptionGradient(TGradientForm& form)
{
    form.SetGradientStartColor(CaptionDarkRed);
    form.SetGradientStopColor(CaptionBlue);
}

}  // namespace kwintor
