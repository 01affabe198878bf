// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "gform.h"
#include "placed.h"

namespace kwintor {

enum class CaptionButtons {
    None,  // an option dialog: closed by its own buttons only
    All,  // system menu, minimise, maximise and close, on a sizeable frame
};

// Caption, font and frame shared by the dialogs; `outerBounds` include the frame.
void SetUpDialogFrame(TGradientForm& form, const QString& caption, CaptionButtons buttons,
                      const QRect& outerBounds);

// The dark red to blue caption every dialog is painted with.
void SetDialogGradient(TGradientForm& form);

}  // namespace kwintor
