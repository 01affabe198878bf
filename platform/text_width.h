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
