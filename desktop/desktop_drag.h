// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointF>

#include <functional>
#include <optional>

class QWindow;

namespace kwintor {

// All four edges: the whole window follows the mouse.
inline constexpr Qt::Edges MoveEdges = Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge;

// Whether a window drag goes to the desktop only once the mouse moves. An
// X11 window manager cannot tell whether the button is still down: a quick
// click handed to it leaves the window stuck to the pointer. A Wayland
// compositor checks the press itself.
bool DesktopDragWaitsForMotion();

// Hands the move (MoveEdges) or resize that began with a press at
// `pressAt`, in the window's coordinates, and has since gone `moved` on the
// screen, to the desktop, once `catchUp` has put the window where the drag
// has brought it: the desktop then goes on from where the pointer is, even
// when it moves no further. False where the desktop cannot; the window
// must then follow the mouse itself.
bool StartDesktopDrag(QWindow& window, QPointF pressAt, QPointF moved, Qt::Edges edges,
                      const std::function<void()>& catchUp);

// The direction of an X11 move or resize (_NET_WM_MOVERESIZE): none for
// edges that make no side or corner.
std::optional<int> MoveResizeDirection(Qt::Edges edges);

}  // namespace kwintor
