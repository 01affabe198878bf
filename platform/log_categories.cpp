// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "log_categories.h"

// Below critical nothing is written unless the rules turn it on.
Q_LOGGING_CATEGORY(SoundLog, "kwintor.sound", QtCriticalMsg)
Q_LOGGING_CATEGORY(WindowDragLog, "kwintor.windowdrag", QtCriticalMsg)
