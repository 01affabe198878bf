// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QString>
#include <QTest>

#include "slot_symbols.h"
#include "spoken_board.h"

using namespace kwintor;

class SlotChangeSpeechTest : public QObject {
    Q_OBJECT

private slots:
    void oneMessageSaysTheWholeMove_data();
    void oneMessageSaysTheWholeMove();
};

void SlotChangeSpeechTest::oneMessageSaysTheWholeMove_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("slotsInUse");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("speech");

    QTest::newRow("a key, the focus moves on")
        << 1 << QStringLiteral("??") << QStringLiteral("+?") << 2 << 2 << "Pole 1: plus. Pole 2: puste";
    QTest::newRow("the next slot already holds one") << 2 << QStringLiteral("???") << QStringLiteral("?/*")
                                                     << 3 << 3 << "Pole 2: dzielone przez. Pole 3: razy";
    QTest::newRow("the last slot keeps the focus")
        << 4 << QStringLiteral("????") << QStringLiteral("???*") << 4 << 4 << "Pole 4: razy";
    QTest::newRow("the same operator again is still said")
        << 1 << QStringLiteral("-?") << QStringLiteral("-?") << 2 << 2 << "Pole 1: minus. Pole 2: puste";
    QTest::newRow("emptied, the focus stays")
        << 1 << QStringLiteral("+?") << QStringLiteral("??") << 2 << 0 << "Pole 1: puste";
    QTest::newRow("a mouse drop") << 3 << QStringLiteral("+??") << QStringLiteral("+?-") << 3 << 0
                                  << "Pole 3: minus";
    QTest::newRow("moved from another slot")
        << 1 << QStringLiteral("??+") << QStringLiteral("+??") << 3 << 0 << "Pole 1: plus. Pole 3: puste";
    QTest::newRow("moved onto the slot the focus goes to")
        << 1 << QStringLiteral("?+") << QStringLiteral("+?") << 2 << 2 << "Pole 1: plus. Pole 2: puste";
    QTest::newRow("slots out of the round are not said")
        << 1 << QStringLiteral("???+") << QStringLiteral("-??+") << 1 << 0 << "Pole 1: minus";
}

void SlotChangeSpeechTest::oneMessageSaysTheWholeMove()
{
    QFETCH(int, target);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, slotsInUse);
    QFETCH(int, focused);
    QFETCH(QString, speech);

    QCOMPARE(SlotChangeSpeech(std::size_t(target), SlotsOf(before), SlotsOf(after), std::size_t(slotsInUse),
                              std::size_t(focused)),
             speech);
}

QTEST_MAIN(SlotChangeSpeechTest)
#include "tst_slot_change_speech.moc"
