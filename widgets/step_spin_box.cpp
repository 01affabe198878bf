// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "step_spin_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace kwintor {

StepSpinBox::StepSpinBox(int minimum, int maximum, int step, int value, QWidget* parent)
    : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setSingleStep(step);
    setValue(value);
    lineEdit()->setReadOnly(true);
    // Its menu would offer stepping and pasting behind the arrows' back.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void StepSpinBox::keyPressEvent(QKeyEvent* event)
{
    // Paging would skip ten steps at once.
    if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        event->accept();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void StepSpinBox::wheelEvent(QWheelEvent* event)
{
    // A wheel turned over the dialog must not change a value in passing.
    event->ignore();
}

}  // namespace kwintor
