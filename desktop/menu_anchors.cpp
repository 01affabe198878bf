// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "menu_anchors.h"

#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QRect>
#include <QRectF>
#include <QVariant>
#include <QWindow>

namespace kwintor {

#if QT_VERSION >= QT_VERSION_CHECK(6, 11, 0)
namespace {

// Qt's whole-application scale factor, which the game's zoom is set by
// and the player may set instead.
double ScaleFactor()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

void AnchorBelowTitle(QMenuBar& bar, QMenu& menu)
{
    const QRect title = bar.actionGeometry(menu.menuAction());
    const QRectF inWindow(bar.mapTo(bar.window(), title.topLeft()), title.size());
    const double factor = ScaleFactor();
    const QRectF inWindowPixels(inWindow.topLeft() * factor, inWindow.size() * factor);
    menu.winId();
    // Qt's Wayland shell reads this before its own anchor; Plasma's
    // panels place their popups by it too.
    menu.windowHandle()->setProperty("_q_waylandPopupAnchorRect", inWindowPixels.toAlignedRect());
}

}  // namespace
#endif

void AnchorMenusBelowTitles(QMenuBar& bar)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 11, 0)
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    for (QMenu* menu : bar.findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        QObject::connect(menu, &QMenu::aboutToShow, menu, [&bar, menu] { AnchorBelowTitle(bar, *menu); });
#else
    Q_UNUSED(bar);
#endif
}

}  // namespace kwintor
