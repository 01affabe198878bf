// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTest>

#include "gradient_form.h"
#include "window_frame.h"

// Every window of the game has the same caption: dark red into blue.
inline void CheckCaptionColours(const kwintor::TGradientForm& window)
{
    QCOMPARE(window.GradientStartColor(), kwintor::CaptionDarkRed);
    QCOMPARE(window.GradientStopColor(), kwintor::CaptionBlue);
}
