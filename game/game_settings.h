// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings.h"

namespace kwintor {

// The game's settings, which the option dialogs are handed to write. Lives
// for one run with the defaults; nothing is kept between runs.
inline constinit Settings GameSettings;

}  // namespace kwintor
