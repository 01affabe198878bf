// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTest>
#include <QWidget>

#include "game_fixture.h"
#include "score_file_error.h"
#include "score_file_format.h"
#include "soak_rounds.h"

using namespace kwintor;

namespace {

// CI's sanitizer run plays the full 10 000; the everyday suite a tenth.
int RoundsToPlay()
{
    bool ok = false;
    const int rounds = qEnvironmentVariableIntValue("KWINTOR_SOAK_ROUNDS", &ok);
    return ok && rounds > 0 ? rounds : 1000;
}

qsizetype ObjectCount()
{
    qsizetype count = 1 + qApp->findChildren<QObject*>().size();
    for (QWidget* window : QApplication::topLevelWidgets())
        count += 1 + window->findChildren<QObject*>().size();
    return count;
}

}  // namespace

// A long evening of play: no growth of widgets or objects, and a score file
// that reads back whole after every save.
class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void manyGamesThroughTheBoardsHandlers();

private:
    void CheckScoreFile(const QString& lastName);
};

void SoakTest::CheckScoreFile(const QString& lastName)
{
    ScoreTableEntries read;
    try {
        ReadScoreFile(ScoreFileSandbox::Read(), read);
    } catch (const ScoreFileError& error) {
        QFAIL(error.what());
    }
    QCOMPARE(read[1].Name, lastName);
    for (std::size_t i = 1; i < ScoreTableSize; ++i)
        QVERIFY(read[i].Score >= read[i + 1].Score);
}

void SoakTest::manyGamesThroughTheBoardsHandlers()
{
    GameFixture game;
    QVERIFY(game.ShowBoard());
    QString name;
    SoakRounds player(game, [&] { CheckScoreFile(name); });

    const int total = RoundsToPlay();
    int played = 0;
    qsizetype widgetsAfterFirstGame = 0;
    qsizetype objectsAfterFirstGame = 0;
    // Each game one round longer than the last, so that each is a record.
    for (int rounds = 1; played < total; ++rounds) {
        name = QStringLiteral("Gracz %1").arg(rounds);
        QVERIFY2(player.PlayGame(rounds, name), qPrintable(name));
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(ScoreTable[1].Score, rounds);
        played += rounds;
        if (rounds == 1) {
            widgetsAfterFirstGame = QApplication::allWidgets().size();
            objectsAfterFirstGame = ObjectCount();
        }
    }
    QCOMPARE(QApplication::allWidgets().size(), widgetsAfterFirstGame);
    QCOMPARE(ObjectCount(), objectsAfterFirstGame);
    QCOMPARE(game.sound->plays, game.sound->opened.size());
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
