// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QTest>

// Wait while events run until a condition holds, then check it as QVERIFY
// and QCOMPARE do. Qt 6.8's own QTRY_ macros narrow their timeout to int in
// the calling code, which our warnings refuse; qWaitFor waits inside Qt.
#define WAIT_VERIFY_WITH_TIMEOUT(condition, milliseconds)                                                    \
    do {                                                                                                     \
        [[maybe_unused]] const bool held = QTest::qWaitFor([&] { return bool(condition); }, milliseconds);   \
        QVERIFY(condition);                                                                                  \
    } while (false)

#define WAIT_VERIFY(condition) WAIT_VERIFY_WITH_TIMEOUT(condition, 5000)

#define WAIT_COMPARE(actual, expected)                                                                       \
    do {                                                                                                     \
        [[maybe_unused]] const bool held = QTest::qWaitFor([&] { return (actual) == (expected); });          \
        QCOMPARE(actual, expected);                                                                          \
    } while (false)
