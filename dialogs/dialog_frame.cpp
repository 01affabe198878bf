// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialog_frame.h"

#include "desktop_metrics.h"

namespace kwintor {

namespace {

constexpr int DialogFontHeight = 14;
constexpr TColor DarkRed = 127;
constexpr TColor Blue = 0xFF0000;

}  // namespace

void SetUpDialogFrame(TGradientForm& form, const QString& caption, CaptionButtons buttons,
                      const QRect& outerBounds)
{
    if (buttons == CaptionButtons::None) {
        // Text only on the caption, and the fixed layout keeps its size.
        form.setWindowFlags(Qt::Dialog);
        form.SetBorderIcons(0);
        form.SetSizeableByPlayer(false);
    }
    form.setWindowTitle(caption);
    form.setFont(desktop::SansSerifFont(DialogFontHeight));
    form.SetBounds(outerBounds.left(), outerBounds.top(), outerBounds.width(), outerBounds.height());
}

void SetDialogGradient(TGradientForm& form)
{
    form.SetGradientStartColor(DarkRed);
    form.SetGradientStopColor(Blue);
}

}  // namespace kwintor
