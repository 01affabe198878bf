// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace kwintor {

// The width in pixels of `text` drawn in `font`.
inline int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

}  // namespace kwintor
