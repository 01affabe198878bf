// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform_choice.h"

#include <QByteArray>
#include <QLoggingCategory>

#include "screen_probe.h"

namespace kwintor {

namespace {

Q_LOGGING_CATEGORY(PlatformLog, "kwintor.platform", QtCriticalMsg)

SessionFacts ReadSession()
{
    SessionFacts session;
    session.platformChosen = !qgetenv("QT_QPA_PLATFORM").isEmpty();
    session.waylandSession = qgetenv("XDG_SESSION_TYPE") == "wayland";
    session.x11DisplayOffered = !qgetenv("DISPLAY").isEmpty();
    if (!session.platformChosen && session.waylandSession && session.x11DisplayOffered) {
        if (const auto desktop = ProbeWaylandDesktop()) {
            session.compositorAnswered = true;
            session.compositorDrawsFrames = desktop->drawsFrames;
        }
    }
    return session;
}

}  // namespace

bool PreferXwayland(const SessionFacts& session)
{
    return !session.platformChosen && session.waylandSession && session.compositorAnswered &&
        !session.compositorDrawsFrames && session.x11DisplayOffered;
}

void ChoosePlatformBeforeApplication()
{
    if (!PreferXwayland(ReadSession()))
        return;
    qCDebug(PlatformLog) << "the compositor draws no frames: the game opens on its X server";
    // Should the X server turn the game away, Qt goes on to Wayland.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

}  // namespace kwintor
