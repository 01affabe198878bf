// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSpinBox>

namespace kwintor {

// A spin box the player moves one step at a time with its arrows or the
// Up and Down keys; nothing can be typed or pasted into it.
class StepSpinBox : public QSpinBox {
    Q_OBJECT

public:
    StepSpinBox(int minimum, int maximum, int step, int value, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace kwintor
