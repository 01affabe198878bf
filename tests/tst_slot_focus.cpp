// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QTest>

#include "slot_focus.h"

using namespace kwintor;

class SlotFocusTest : public QObject {
    Q_OBJECT

private slots:
    void usedSlots_data();
    void usedSlots();
    void move_data();
    void move();
};

void SlotFocusTest::usedSlots_data()
{
    QTest::addColumn<int>("operands");
    QTest::addColumn<int>("used");

    QTest::newRow("no round yet") << 0 << 0;
    QTest::newRow("one number") << 1 << 0;
    QTest::newRow("two numbers") << 2 << 1;
    QTest::newRow("five numbers") << 5 << 4;
    QTest::newRow("more than the board holds") << 6 << 4;
}

void SlotFocusTest::usedSlots()
{
    QFETCH(int, operands);
    QFETCH(int, used);

    QCOMPARE(UsedSlotCount(std::uint8_t(operands)), std::size_t(used));
}

void SlotFocusTest::move_data()
{
    QTest::addColumn<int>("usedSlots");
    QTest::addColumn<int>("from");
    QTest::addColumn<SlotMove>("move");
    QTest::addColumn<int>("to");

    QTest::newRow("next") << 4 << 1 << SlotMove::Next << 2;
    QTest::newRow("next stops at the last") << 4 << 4 << SlotMove::Next << 4;
    QTest::newRow("next stops at the last in use") << 2 << 2 << SlotMove::Next << 2;
    QTest::newRow("next with one slot") << 1 << 1 << SlotMove::Next << 1;
    QTest::newRow("previous") << 3 << 3 << SlotMove::Previous << 2;
    QTest::newRow("previous stops at the first") << 3 << 1 << SlotMove::Previous << 1;
    QTest::newRow("first") << 4 << 3 << SlotMove::First << 1;
    QTest::newRow("last") << 3 << 1 << SlotMove::Last << 3;
    QTest::newRow("last from the last") << 4 << 4 << SlotMove::Last << 4;
    QTest::newRow("no slot in use") << 0 << 1 << SlotMove::First << 0;
}

void SlotFocusTest::move()
{
    QFETCH(int, usedSlots);
    QFETCH(int, from);
    QFETCH(SlotMove, move);
    QFETCH(int, to);

    QCOMPARE(SlotAfterMove(std::size_t(from), move, std::size_t(usedSlots)), std::size_t(to));
}

QTEST_APPLESS_MAIN(SlotFocusTest)
#include "tst_slot_focus.moc"
