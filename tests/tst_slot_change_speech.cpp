// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include "spoken_board.h"

using namespace kwintor;

namespace {

// Slots 1 to 4 written as signs, "?" for an empty one.
SlotOperators SlotsOf(const char* signs)
{
    SlotOperators operators;
    operators.Fill(OperatorCode::Empty);
    for (std::size_t i = 0; signs[i] != '\0'; ++i) {
        switch (signs[i]) {
        case '+': operators[i + 1] = OperatorCode::Plus; break;
        case '-': operators[i + 1] = OperatorCode::Minus; break;
        case '*': operators[i + 1] = OperatorCode::Multiplication; break;
        case ':': operators[i + 1] = OperatorCode::Division; break;
        default: break;
        }
    }
    return operators;
}

}  // namespace

class SlotChangeSpeechTest : public QObject {
    Q_OBJECT

private slots:
    void oneMessageSaysTheWholeMove_data();
    void oneMessageSaysTheWholeMove();
};

void SlotChangeSpeechTest::oneMessageSaysTheWholeMove_data()
{
    QTest::addColumn<int>("target");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("slotsInUse");
    QTest::addColumn<int>("focused");
    QTest::addColumn<QString>("speech");

    QTest::newRow("a key, the focus moves on")
        << 1 << QByteArray("??") << QByteArray("+?") << 2 << 2 << "Pole 1: plus. Pole 2: puste";
    QTest::newRow("the next slot already holds one")
        << 2 << QByteArray("???") << QByteArray("?:*") << 3 << 3 << "Pole 2: dzielone przez. Pole 3: razy";
    QTest::newRow("the last slot keeps the focus")
        << 4 << QByteArray("????") << QByteArray("???*") << 4 << 4 << "Pole 4: razy";
    QTest::newRow("the same operator again is still said")
        << 1 << QByteArray("-?") << QByteArray("-?") << 2 << 2 << "Pole 1: minus. Pole 2: puste";
    QTest::newRow("emptied, the focus stays")
        << 1 << QByteArray("+?") << QByteArray("??") << 2 << 0 << "Pole 1: puste";
    QTest::newRow("a mouse drop") << 3 << QByteArray("+??") << QByteArray("+?-") << 3 << 0 << "Pole 3: minus";
    QTest::newRow("moved from another slot")
        << 1 << QByteArray("??+") << QByteArray("+??") << 3 << 0 << "Pole 1: plus. Pole 3: puste";
    QTest::newRow("moved onto the slot the focus goes to")
        << 1 << QByteArray("?+") << QByteArray("+?") << 2 << 2 << "Pole 1: plus. Pole 2: puste";
    QTest::newRow("slots out of the round are not said")
        << 1 << QByteArray("???+") << QByteArray("-??+") << 1 << 0 << "Pole 1: minus";
}

void SlotChangeSpeechTest::oneMessageSaysTheWholeMove()
{
    QFETCH(int, target);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, slotsInUse);
    QFETCH(int, focused);
    QFETCH(QString, speech);

    QCOMPARE(SlotChangeSpeech(std::size_t(target), SlotsOf(before.constData()), SlotsOf(after.constData()),
                              std::size_t(slotsInUse), std::size_t(focused)),
             speech);
}

QTEST_MAIN(SlotChangeSpeechTest)
#include "tst_slot_change_speech.moc"
