// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>

namespace kwintor {

class PictureBox;

// Starts dragging `source`, held at `grabPoint` (in its own coordinates)
// with the cursor at `globalPosition`. Until the left button comes up the
// drag sees the application's mouse events first and decides the drop on the
// global cursor position, whichever widget Qt delivers them to.
void BeginDrag(PictureBox& source, QPoint grabPoint, QPoint globalPosition);

}  // namespace kwintor
