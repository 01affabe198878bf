// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace kwintor::desktop {

// The game's own connection to the X server; none on other platforms.
inline xcb_connection_t* X11Connection()
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

}  // namespace kwintor::desktop
