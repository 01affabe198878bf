// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QTest>

#include "clock_rules.h"
#include "round_rules.h"

using namespace kwintor;

class ClockRulesTest : public QObject {
    Q_OBJECT

private slots:
    void tick_data();
    void tick();
    void solving_data();
    void solving();
    void nextRound_data();
    void nextRound();
};

void ClockRulesTest::tick_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("secondsLeft");
    QTest::addColumn<int>("levelAfter");
    QTest::addColumn<int>("secondsAfter");
    QTest::addColumn<bool>("gameOver");

    QTest::newRow("first tick of a round") << 1 << 40 << 1 << 39 << false;
    QTest::newRow("one second to go") << 3 << 2 << 3 << 1 << false;
    QTest::newRow("last second ends the game") << 3 << 1 << TestMode << 0 << true;
    QTest::newRow("given up") << 12 << 0 << TestMode << 0 << true;
    QTest::newRow("far past the table") << 500 << 100 << 500 << 99 << false;
    QTest::newRow("test clock stands at 0") << TestMode << 0 << TestMode << 0 << false;
    QTest::newRow("game turned into a test") << TestMode << 37 << TestMode << 0 << false;
}

void ClockRulesTest::tick()
{
    QFETCH(int, level);
    QFETCH(int, secondsLeft);
    QFETCH(int, levelAfter);
    QFETCH(int, secondsAfter);
    QFETCH(bool, gameOver);

    const TickOutcome outcome = AfterTick(level, secondsLeft);
    QCOMPARE(outcome.level, levelAfter);
    QCOMPARE(outcome.secondsLeft, secondsAfter);
    QCOMPARE(outcome.gameOver, gameOver);
}

void ClockRulesTest::solving_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("levelAfter");
    QTest::addColumn<int>("scoreAfter");

    QTest::newRow("first point") << 1 << 0 << 2 << 1;
    QTest::newRow("into the default row") << 4 << 3 << 5 << 4;
    QTest::newRow("past the last row") << 31 << 30 << 32 << 31;
    QTest::newRow("test scores nothing") << TestMode << 0 << TestMode << 0;
    QTest::newRow("ended game keeps its score") << TestMode << 12 << TestMode << 12;
}

void ClockRulesTest::solving()
{
    QFETCH(int, level);
    QFETCH(int, score);
    QFETCH(int, levelAfter);
    QFETCH(int, scoreAfter);

    const SolvedOutcome outcome = AfterSolving(level, score);
    QCOMPARE(outcome.level, levelAfter);
    QCOMPARE(outcome.score, scoreAfter);
}

// The rounds on either side of each boundary of the level table, with the
// operand count and mask the game had before.
void ClockRulesTest::nextRound_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("operandsBefore");
    QTest::addColumn<int>("maskBefore");
    QTest::addColumn<int>("operands");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("largestOperand");
    QTest::addColumn<int>("seconds");

    QTest::newRow("level 1") << 1 << 5 << 3 << 2 << 15 << 20 << 40;
    QTest::newRow("level 2") << 2 << 2 << 15 << 3 << 12 << 5 << 60;
    QTest::newRow("level 4") << 4 << 3 << 15 << 3 << 15 << 10 << 60;
    QTest::newRow("level 5 keeps count and mask") << 5 << 3 << 6 << 3 << 6 << 10 << 60;
    QTest::newRow("level 10") << 10 << 3 << 15 << 3 << 15 << 10 << 60;
    QTest::newRow("level 11") << 11 << 3 << 15 << 4 << 15 << 8 << 80;
    QTest::newRow("level 12 keeps four") << 12 << 4 << 15 << 4 << 15 << 10 << 80;
    QTest::newRow("level 15") << 15 << 4 << 15 << 4 << 15 << 12 << 80;
    QTest::newRow("level 20") << 20 << 4 << 15 << 4 << 15 << 12 << 80;
    QTest::newRow("level 21") << 21 << 4 << 15 << 5 << 15 << 12 << 100;
    QTest::newRow("level 30") << 30 << 5 << 15 << 5 << 15 << 12 << 100;
    QTest::newRow("level 31") << 31 << 5 << 15 << 5 << 15 << 18 << 100;
    QTest::newRow("level 32") << 32 << 5 << 15 << 5 << 15 << 10 << 100;
    QTest::newRow("level 0") << 0 << 2 << 15 << 2 << 15 << 10 << 40;
    QTest::newRow("test") << TestMode << 4 << 5 << 4 << 5 << 7 << 0;
    QTest::newRow("test without operators") << TestMode << 3 << 0 << 3 << 15 << 7 << 0;
    QTest::newRow("test with meaningless bits") << TestMode << 2 << 0xF0 << 2 << 15 << 7 << 0;
    QTest::newRow("game without operators") << 7 << 3 << 0 << 3 << 15 << 10 << 60;
}

void ClockRulesTest::nextRound()
{
    QFETCH(int, level);
    QFETCH(int, operandsBefore);
    QFETCH(int, maskBefore);
    QFETCH(int, operands);
    QFETCH(int, mask);
    QFETCH(int, largestOperand);
    QFETCH(int, seconds);

    Settings settings;
    settings.CurrentLevel = level;
    settings.OperandCount = std::uint8_t(operandsBefore);
    settings.OperatorMask = OperatorMask(maskBefore);
    settings.TestLargestOperand = 7;
    const RoundRules round = RoundFor(settings);
    QCOMPARE(int(round.operandCount), operands);
    QCOMPARE(int(round.mask), mask);
    QCOMPARE(int(round.largestOperand), largestOperand);
    QCOMPARE(round.seconds, seconds);
}

QTEST_APPLESS_MAIN(ClockRulesTest)
#include "tst_clock_rules.moc"
