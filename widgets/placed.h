// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <QString>

namespace kwintor {

// Names a widget and puts it at its fixed place: windows are laid out in
// pixels, and tests and the rest of the game find widgets by these names.
template <typename Widget> Widget* Placed(Widget* widget, const char* name, const QRect& geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

}  // namespace kwintor
