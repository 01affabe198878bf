// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>

namespace kwintor {

// A clock that ticks on the UI thread from construction until it is
// destroyed, also inside modal loops. It has no way to stop on purpose.
class PeriodicTimer : public QObject {
    Q_OBJECT

public:
    explicit PeriodicTimer(std::chrono::milliseconds interval = std::chrono::milliseconds(1000),
                           QObject* parent = nullptr);

    std::chrono::milliseconds Interval() const { return timer_.intervalAsDuration(); }

signals:
    void Ticked();

private:
    QTimer timer_;
};

}  // namespace kwintor
