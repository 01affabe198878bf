// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

class QWidget;

namespace kwintor::desktop {

// At a fractional zoom Qt paints a window one pixel short of its native
// size when the size rounds down: on X11 the server fills that last row or
// column with `face` instead of leaving it black. Call once the window is
// shown; elsewhere it does nothing.
void FillUnpaintedEdge(const QWidget& window, QColor face);

}  // namespace kwintor::desktop
