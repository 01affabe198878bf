// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

// The board's colours, named as the sixteen-colour palette of the desktop
// the game was first drawn for names them.
namespace kwintor::palette {

inline const QColor Silver {0xC0, 0xC0, 0xC0};
inline const QColor Blue {0x00, 0x00, 0xFF};
inline const QColor Red {0xFF, 0x00, 0x00};
inline const QColor Green {0x00, 0x80, 0x00};
inline const QColor Black {0x00, 0x00, 0x00};

}  // namespace kwintor::palette
