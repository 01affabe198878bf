// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace kwintor {

// The text of the about window, one paragraph a line.
QString AboutText();

}  // namespace kwintor
