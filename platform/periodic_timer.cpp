// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "periodic_timer.h"

namespace kwintor {

PeriodicTimer::PeriodicTimer(std::chrono::milliseconds interval, QObject* parent)
    : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &PeriodicTimer::Ticked);
    timer_.start(interval);
}

}  // namespace kwintor
