// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtTest>

#include "gform.h"

// Every window of the game has the same caption: dark red into blue.
inline void CheckCaptionColours(const kwintor::TGradientForm& window)
{
    QCOMPARE(window.GradientStartColor(), kwintor::TColor {127});
    QCOMPARE(window.GradientStopColor(), kwintor::TColor {0xFF0000});
}
