// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>

#include "gradient_form.h"
#include "tcolor.h"

namespace kwintor {

// Every Kwintor caption runs from dark red to blue while it is active.
inline constexpr TColor CaptionDarkRed = 0x00007F;
inline constexpr TColor CaptionBlue = 0xFF0000;

// Character heights of "MS Sans Serif": the board's and the other windows'.
inline constexpr int BoardFontHeight = 11;
inline constexpr int WindowFontHeight = 14;

enum class CaptionButtons {
    None,  // an option dialog: text only, closed by its own buttons
    All,  // system menu, minimise, maximise and close
};

// Caption, font and frame of a window, placed at `outerBounds`, frame
// included. Every frame sizes; a window without caption buttons never
// shrinks below its design, so that none of its fixed widgets is cut.
void SetUpWindowFrame(TGradientForm& form, const QString& caption, CaptionButtons buttons,
                      const QRect& outerBounds, int fontHeight);

void SetCaptionGradient(TGradientForm& form);

}  // namespace kwintor
