// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSize>

class QPainter;

namespace kwintor {

// The raised border of a classic window `outer` pixels large; the rest of
// the frame is the window's face colour.
void DrawWindowBorder(QPainter& painter, QSize outer);

}  // namespace kwintor
