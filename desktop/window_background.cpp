// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window_background.h"

#include <QWidget>

#include "x11_connection.h"

namespace kwintor::desktop {

void FillUnpaintedEdge(const QWidget& window, QColor face)
{
    xcb_connection_t* connection = X11Connection();
    if (!connection || !window.windowHandle())
        return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    // A true-colour visual, as every desktop of today has, takes the RGB value as it is.
    const uint32_t pixel = face.rgb() & 0xFFFFFFU;
    xcb_change_window_attributes(connection, id, XCB_CW_BACK_PIXEL, &pixel);
    xcb_clear_area(connection, 0, id, 0, 0, 0, 0);
    xcb_flush(connection);
}

}  // namespace kwintor::desktop
