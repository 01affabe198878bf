// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QStringList>
#include <QTest>

#include "output_hold.h"

using namespace kwintor;
using Clock = OutputHoldRule::Clock;

class OutputHoldTest : public QObject {
    Q_OBJECT

private slots:
    void holds_data();
    void holds();
};

// Each row is what the player did, word by word, from a game started with
// the sound off, the board not yet shown and no focus: "on"/"off" switch
// the sound, "shown"/"minimised"/"restored"/"closed" the board, "active"/
// "left" the focus, and "+Ns" lets N seconds pass.
void OutputHoldTest::holds_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("held");

    QTest::newRow("board shown, sound on") << "on shown active" << true;
    QTest::newRow("not shown yet") << "on active" << false;
    QTest::newRow("sound off") << "on shown active off" << false;
    QTest::newRow("sound on again") << "on shown active off on" << true;
    QTest::newRow("minimised") << "on shown active minimised" << false;
    QTest::newRow("restored") << "on shown active minimised +90s restored" << true;
    QTest::newRow("closed") << "on shown active closed" << false;
    QTest::newRow("left briefly") << "on shown active left +59s" << true;
    QTest::newRow("left a minute") << "on shown active left +60s" << false;
    QTest::newRow("back after long") << "on shown active left +600s active" << true;
    QTest::newRow("back resets the minute") << "on shown active left +50s active +1s left +50s" << true;
    QTest::newRow("started behind a window") << "on shown +30s" << true;
    QTest::newRow("started behind a window for long") << "on shown +61s" << false;
}

void OutputHoldTest::holds()
{
    QFETCH(QString, steps);
    QFETCH(bool, held);

    Clock::time_point now {};
    OutputHoldRule rule(now);
    for (const QString& step : steps.split(u' ')) {
        if (step.startsWith(u'+'))
            now += std::chrono::seconds(step.mid(1).chopped(1).toInt());
        else if (step == "on" || step == "off")
            rule.SetSoundOn(step == "on");
        else if (step == "active" || step == "left")
            rule.SetActive(step == "active", now);
        else if (QStringList {"shown", "restored", "minimised", "closed"}.contains(step))
            rule.SetBoardShown(step == "shown" || step == "restored");
        else
            QFAIL(qPrintable("no such step: " + step));
    }
    QCOMPARE(rule.Holds(now), held);
    if (const auto changesAt = rule.ChangesAt(); held && changesAt)
        QVERIFY(!rule.Holds(*changesAt));
}

QTEST_MAIN(OutputHoldTest)
#include "tst_output_hold.moc"
