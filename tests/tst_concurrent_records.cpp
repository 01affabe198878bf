// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Two games on one score file: this one, and another in a process of its
// own (record_saver) that saves while this one waits for a name or shows
// the table.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "best_score_entry.h"
#include "best_scores_fixture.h"
#include "modal_script.h"
#include "score_table.h"
#include "scripted_prompts.h"

using namespace kwintor;

namespace {

const QString First = QStringLiteral("Pierwsza");
const QString Second = QStringLiteral("Druga");

// Fifteen players, "gracz 1" with 30 points down to "gracz 15" with 2.
QByteArray FullFile() { return FileWithScores({30, 28, 26, 24, 22, 20, 18, 16, 14, 12, 10, 8, 6, 4, 2}); }

QString Player(int number) { return QStringLiteral("gracz %1").arg(number); }

// Players `from` to `to` of the full file, in its order.
QStringList Players(int from, int to)
{
    QStringList names;
    for (int number = from; number <= to; ++number)
        names << Player(number);
    return names;
}

QStringList NamesInTheFile()
{
    LoadScoreTable();
    QStringList names;
    for (std::size_t number = 1; number <= ScoreTableSize; ++number)
        names << ScoreTable[number].Name;
    return names;
}

// The other game, run to its end; says what it printed.
QString OtherGame(const QStringList& arguments)
{
    QProcess other;
    other.start(QStringLiteral(RECORD_SAVER), arguments);
    if (!other.waitForFinished(30000))
        return QStringLiteral("record_saver did not finish");
    return QString::fromUtf8(other.readAllStandardOutput()).trimmed();
}

QString OtherGameEnters(const QString& name, int score)
{
    return OtherGame({QStringLiteral("enter"), name, QString::number(score)});
}

// Another game that takes the lock and keeps it until it is killed.
class HoldingGame {
public:
    HoldingGame()
    {
        holder_.start(QStringLiteral(RECORD_SAVER), {QStringLiteral("hold")});
        holder_.waitForReadyRead(30000);
        held_ = holder_.readAllStandardOutput().trimmed() == "held";
    }
    ~HoldingGame() { Kill(); }
    HoldingGame(const HoldingGame&) = delete;
    HoldingGame& operator=(const HoldingGame&) = delete;

    bool Held() const { return held_; }
    void Kill()
    {
        holder_.kill();
        holder_.waitForFinished();
    }

private:
    QProcess holder_;
    bool held_ = false;
};

}  // namespace

class ConcurrentRecordsTest : public BestScoresFixture {
    Q_OBJECT

private slots:
    void anotherGameSavesWhileTheNameIsAsked_data();
    void anotherGameSavesWhileTheNameIsAsked();
    void anotherGameSavesWhileTheTableIsShown();
    void aKilledGameLeavesTheFileFree();
    void aHangingGameGetsTheNameTriedAgain();
};

void ConcurrentRecordsTest::anotherGameSavesWhileTheNameIsAsked_data()
{
    QTest::addColumn<int>("firstScore");
    QTest::addColumn<int>("secondScore");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("both enter") << 11 << 21
                                << Players(1, 5) + QStringList {Second} + Players(6, 10) +
            QStringList {First} + Players(11, 13);
    QTest::newRow("equal scores, in the order saved")
        << 11 << 11 << Players(1, 10) + QStringList {Second, First} + Players(11, 13);
    QTest::newRow("the other pushes this one out")
        << 3 << 5 << Players(1, 13) + QStringList {Second} + Players(14, 14);
    QTest::newRow("an equal score pushes this one out") << 3 << 3 << Players(1, 14) + QStringList {Second};
}

// The name box holds no lock: the other game saves while it is up, and
// this game's save keeps what the other saved.
void ConcurrentRecordsTest::anotherGameSavesWhileTheNameIsAsked()
{
    QFETCH(int, firstScore);
    QFETCH(int, secondScore);
    QFETCH(QStringList, names);
    const bool firstEnters = names.contains(First);
    ScoreFileSandbox::Write(FullFile());
    QString other;
    ScriptedPrompts prompts;
    prompts.Input(First, [&] { other = OtherGameEnters(Second, secondScore); });
    if (!firstEnters)
        prompts.Message();
    ModalScript table;
    if (firstEnters)
        table.Then(BestScores, Click(QStringLiteral("OK")));

    EnterBestScore(firstScore);

    QCOMPARE(other, QStringLiteral("entered"));
    QVERIFY(table.Finished());
    QCOMPARE(NamesInTheFile(), names);
    if (!firstEnters)
        QCOMPARE(prompts.AskedTexts().last(),
                 QStringLiteral("Wynik %1 nie mieści się już wśród najlepszych: w tym czasie inne gry "
                                "zapisały lepsze wyniki.")
                     .arg(firstScore));
}

// OK saves the file as it is then, not the lines shown before.
void ConcurrentRecordsTest::anotherGameSavesWhileTheTableIsShown()
{
    ScoreFileSandbox::Write(FullFile());
    LoadScoreTable();
    QString other;
    ModalScript table;
    table.Then(BestScores, [&](QWidget& dialog) {
        other = OtherGameEnters(Second, 100);
        ClickButton(dialog, QStringLiteral("OK"));
    });

    naj2->ShowModal();

    QVERIFY(table.Finished());
    QCOMPARE(other, QStringLiteral("entered"));
    QCOMPARE(NamesInTheFile(), QStringList {Second} + Players(1, 14));
}

void ConcurrentRecordsTest::aKilledGameLeavesTheFileFree()
{
    ScoreFileSandbox::Write(FullFile());
    HoldingGame holder;
    QVERIFY(holder.Held());
    holder.Kill();
    ScriptedPrompts prompts;
    prompts.Input(First);
    ModalScript table;
    table.Then(BestScores, Click(QStringLiteral("OK")));

    EnterBestScore(40);

    QVERIFY(table.Finished());
    QCOMPARE(NamesInTheFile(), QStringList {First} + Players(1, 14));
}

// The player is told, and the name typed is saved at the second try.
void ConcurrentRecordsTest::aHangingGameGetsTheNameTriedAgain()
{
    ScoreFileSandbox::Write(FullFile());
    HoldingGame holder;
    QVERIFY(holder.Held());
    ScriptedPrompts prompts;
    prompts.Input(First).Message(MessageBoxOk, [&] {
        QCOMPARE(ScoreFileSandbox::Read(), FullFile());
        holder.Kill();
    });
    ModalScript table;
    table.Then(BestScores, Click(QStringLiteral("OK")));

    EnterBestScore(40);

    QVERIFY(table.Finished());
    QVERIFY2(
        prompts.AskedTexts().last().startsWith(QStringLiteral("Plik wyników jest zajęty przez inną grę.")),
        qPrintable(prompts.AskedTexts().last()));
    QCOMPARE(NamesInTheFile(), QStringList {First} + Players(1, 14));
}

QTEST_MAIN(ConcurrentRecordsTest)
#include "tst_concurrent_records.moc"
