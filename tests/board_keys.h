// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "equation.h"

// Presses `key` on the widget with the keyboard focus, as a player would.
inline void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
}

// The key of the main block that types `code`.
inline Qt::Key KeyFor(kwintor::OperatorCode code)
{
    switch (code) {
    case kwintor::OperatorCode::Plus: return Qt::Key_Plus;
    case kwintor::OperatorCode::Minus: return Qt::Key_Minus;
    case kwintor::OperatorCode::Multiplication: return Qt::Key_Asterisk;
    case kwintor::OperatorCode::Division: return Qt::Key_Slash;
    default: return Qt::Key_Delete;
    }
}

// Types the equation's own operators from its first slot on, in a round of
// `operandCount` numbers: the last one solves it.
inline void TypeOwnOperators(std::size_t operandCount)
{
    const std::size_t slotCount = operandCount - 1U;
    for (std::size_t number = 1; number <= slotCount; ++number)
        Press(KeyFor(kwintor::Equation[number].Operator));
}
