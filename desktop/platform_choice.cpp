// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform_choice.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include "screen_probe.h"

namespace kwintor {

namespace {

Q_LOGGING_CATEGORY(PlatformLog, "kwintor.platform", QtCriticalMsg)

}  // namespace

SessionFacts ReadSession()
{
    SessionFacts session;
    session.chosenPlatform = qgetenv("QT_QPA_PLATFORM").split(';').constFirst().split(':').constFirst();
    session.waylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland";
    session.x11DisplayOffered = !qgetenv("DISPLAY").isEmpty();
    const bool mayOpenOnWayland = session.chosenPlatform.isEmpty()
        ? session.waylandSession
        : session.chosenPlatform.startsWith("wayland");
    if (mayOpenOnWayland) {
        if (const auto desktop = ProbeWaylandDesktop()) {
            session.compositorAnswered = true;
            session.compositorDrawsFrames = desktop->drawsFrames;
            session.compositorScreen = desktop->screen;
        }
    }
    return session;
}

bool PreferXwayland(const SessionFacts& session)
{
    return session.chosenPlatform.isEmpty() && session.waylandSession && session.compositorAnswered &&
        !session.compositorDrawsFrames && session.x11DisplayOffered;
}

bool QtDrawsFrames(const SessionFacts& session)
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        session.compositorAnswered && !session.compositorDrawsFrames;
}

Platform PlatformQtWillUse(const SessionFacts& session)
{
    const QByteArray& chosen = session.chosenPlatform;
    if (!chosen.isEmpty())
        return chosen.startsWith("wayland") ? Platform::Wayland
            : chosen == "xcb"               ? Platform::X11
                                            : Platform::Other;
    if (PreferXwayland(session))
        return Platform::X11;
    return session.waylandSession ? Platform::Wayland : Platform::X11;
}

void ChoosePlatformBeforeApplication(const SessionFacts& session)
{
    if (!PreferXwayland(session))
        return;
    qCDebug(PlatformLog) << "the compositor draws no frames: the game opens on its X server";
    // Should the X server turn the game away, Qt goes on to Wayland.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

}  // namespace kwintor
