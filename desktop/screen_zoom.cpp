// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen_zoom.h"

#include <QByteArray>
#include <QLoggingCategory>

#include <algorithm>
#include <cmath>

#include "platform_choice.h"
#include "screen_probe.h"

namespace kwintor {

namespace {

Q_LOGGING_CATEGORY(ZoomLog, "kwintor.zoom", QtCriticalMsg)

// The restored main window's design size, frame and caption included.
constexpr double DesignWidth = 648;
constexpr double DesignHeight = 488;
// Room for a desktop's panel beside the restored window (GNOME's top bar).
constexpr double PanelAllowance = 32;
// Quarter steps keep bevels and frames free of one-pixel seams.
constexpr double ZoomStep = 0.25;

// The screens the board was designed for show it as it was.
bool DesignedFor(ScreenSize screen) { return screen.width <= 800 && screen.height <= 600; }

bool PlayerChoseScale()
{
    return qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ||
        qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS");
}

// Asks the display Qt is about to open for the size of its screen; nothing
// where no display answers or the platform is not a desktop's.
std::optional<ScreenSize> ProbeScreenBeforeApplication(const SessionFacts& session)
{
    switch (PlatformQtWillUse(session)) {
    case Platform::Wayland:
        // Without a compositor Qt falls back to X11, and so does the probe.
        if (session.compositorAnswered)
            return session.compositorScreen;
        return ProbeX11Screen();
    case Platform::X11: return ProbeX11Screen();
    case Platform::Other: break;
    }
    return std::nullopt;
}

}  // namespace

double BoardZoom(ScreenSize screen)
{
    if (DesignedFor(screen))
        return 1;
    const double fitting =
        std::min(screen.width / DesignWidth, (screen.height - PanelAllowance) / DesignHeight);
    return std::max(1.0, std::floor(fitting / ZoomStep) * ZoomStep);
}

void ZoomToScreen(const SessionFacts& session)
{
    if (PlayerChoseScale()) {
        qCDebug(ZoomLog) << "the player's scale factor stands: zoom 1";
        return;
    }
    const std::optional<ScreenSize> screen = ProbeScreenBeforeApplication(session);
    if (!screen) {
        qCDebug(ZoomLog) << "no screen to measure: zoom 1";
        return;
    }
    const double zoom = BoardZoom(*screen);
    qCDebug(ZoomLog) << "screen" << screen->width << "x" << screen->height << "logical: zoom" << zoom;
    if (zoom != 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(zoom));
}

}  // namespace kwintor
