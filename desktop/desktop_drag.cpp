// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop_drag.h"

#include <QLoggingCategory>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <utility>

#include "x11_connection.h"

namespace kwintor {

namespace {

// Why the desktop refused a caption drag: silent below critical unless
// QT_LOGGING_RULES asks, as "kwintor.*=true" does.
Q_LOGGING_CATEGORY(WindowDragLog, "kwintor.windowdrag", QtCriticalMsg)

template <typename T> std::unique_ptr<T, decltype(&std::free)> Owned(T* reply) { return {reply, &std::free}; }

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const auto reply = Owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(qstrlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
}

// Whether the window manager names `atom` among what it supports.
bool ManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t atom)
{
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    const auto reply = Owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096), nullptr));
    if (!reply || reply->format != 32)
        return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, atom) != atoms + count;
}

// Where a point of the window lies on the root window, in device pixels.
std::optional<std::pair<xcb_window_t, QPoint>> OnRoot(xcb_connection_t* connection, xcb_window_t id,
                                                      QPointF point)
{
    const auto geometry =
        Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!geometry)
        return std::nullopt;
    const auto place = Owned(xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, id, geometry->root, static_cast<std::int16_t>(point.x()),
                                  static_cast<std::int16_t>(point.y())),
        nullptr));
    if (!place)
        return std::nullopt;
    return std::pair {geometry->root, QPoint(place->dst_x, place->dst_y)};
}

// The window manager takes the drag from where the pointer is now, which
// is found before the window catches up, so that the two agree.
bool StartX11Drag(xcb_connection_t* connection, QWindow& window, QPointF pressAt, QPointF moved,
                  int direction, const std::function<void()>& catchUp)
{
    const xcb_window_t id = static_cast<xcb_window_t>(window.winId());
    const qreal ratio = window.devicePixelRatio();
    const auto press = OnRoot(connection, id, pressAt * ratio);
    const xcb_atom_t moveResize = Atom(connection, "_NET_WM_MOVERESIZE");
    if (!press || !ManagerSupports(connection, press->first, moveResize)) {
        qCWarning(WindowDragLog, "the window manager takes no _NET_WM_MOVERESIZE");
        return false;
    }
    const QPoint pointer = press->second + (moved * ratio).toPoint();
    catchUp();
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = moveResize;
    message.data.data32[0] = static_cast<std::uint32_t>(pointer.x());
    message.data.data32[1] = static_cast<std::uint32_t>(pointer.y());
    message.data.data32[2] = static_cast<std::uint32_t>(direction);
    message.data.data32[3] = XCB_BUTTON_INDEX_1;
    message.data.data32[4] = 1;  // a normal program's request
    // The manager grabs the pointer, which this program holds while the button is down.
    xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    xcb_send_event(connection, 0, press->first,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

}  // namespace

bool DesktopDragWaitsForMotion() { return desktop::X11Connection() != nullptr; }

bool StartDesktopDrag(QWindow& window, QPointF pressAt, QPointF moved, Qt::Edges edges,
                      const std::function<void()>& catchUp)
{
    if (xcb_connection_t* connection = desktop::X11Connection()) {
        const std::optional<int> direction = MoveResizeDirection(edges);
        return direction && StartX11Drag(connection, window, pressAt, moved, *direction, catchUp);
    }
    catchUp();
    const bool started = edges == MoveEdges ? window.startSystemMove() : window.startSystemResize(edges);
    if (!started)
        qCWarning(WindowDragLog, "the desktop took no move or resize of the window");
    return started;
}

std::optional<int> MoveResizeDirection(Qt::Edges edges)
{
    constexpr std::array<std::pair<unsigned, int>, 9> directions {{
        {Qt::TopEdge | Qt::LeftEdge, 0},
        {Qt::TopEdge, 1},
        {Qt::TopEdge | Qt::RightEdge, 2},
        {Qt::RightEdge, 3},
        {Qt::BottomEdge | Qt::RightEdge, 4},
        {Qt::BottomEdge, 5},
        {Qt::BottomEdge | Qt::LeftEdge, 6},
        {Qt::LeftEdge, 7},
        {MoveEdges.toInt(), 8},
    }};
    const auto found = std::find_if(directions.begin(), directions.end(),
                                    [edges](const auto& entry) { return entry.first == edges.toInt(); });
    return found == directions.end() ? std::nullopt : std::optional<int>(found->second);
}

}  // namespace kwintor
