// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "screen_probe.h"

namespace kwintor {

namespace {

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// The ratio Qt scales an X screen by: its Xft.dpi resource against 96, or
// 1 where the desktop sets none.
double DesktopRatio(xcb_connection_t* connection, xcb_window_t root)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, root, XCB_ATOM_RESOURCE_MANAGER, XCB_ATOM_STRING, 0, 1 << 16);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return 1;
    const std::string resources(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    const std::string name = "Xft.dpi:";
    const std::size_t at = resources.find(name);
    if (at == std::string::npos || (at > 0 && resources[at - 1] != '\n'))
        return 1;
    const double dpi = std::strtod(resources.c_str() + at + name.size(), nullptr);
    return dpi > 0 ? dpi / 96 : 1;
}

}  // namespace

std::optional<ScreenSize> ProbeX11Screen()
{
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(connection.get()))
        return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int skipped = 0; skipped < screenNumber && screens.rem > 0; ++skipped)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        return std::nullopt;
    const xcb_screen_t& screen = *screens.data;
    const double ratio = DesktopRatio(connection.get(), screen.root);
    return ScreenSize {screen.width_in_pixels / ratio, screen.height_in_pixels / ratio};
}

}  // namespace kwintor
