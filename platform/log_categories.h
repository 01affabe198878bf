// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// Failures the game goes on past, that a player may still ask about ("no
// sound"): silent unless QT_LOGGING_RULES asks, as "kwintor.*=true" does.
Q_DECLARE_LOGGING_CATEGORY(SoundLog)
Q_DECLARE_LOGGING_CATEGORY(WindowDragLog)
