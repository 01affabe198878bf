// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QLineEdit>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "game_fixture.h"
#include "modal_script.h"
#include "score_table.h"
#include "scripted_prompts.h"

using namespace kwintor;

namespace {

const QString GameOverBox = QStringLiteral("kwintorMessageBox");
const QString NameBox = QStringLiteral("kwintorInputBox");
const QString BestScores = QStringLiteral("naj2");

const QString GameOver = QStringLiteral("Koniec gry  !!!");

}  // namespace

class GameClockTest : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<GameFixture>(); }
    void cleanup() { game.reset(); }
    void clockCountsDownAndEndsTheGameAtZero();
    void solvingGivesTheNextRoundItsFullAllowance();
    void diagnosticOfAnUnfinishedFilling();
    void givingUpEndsTheGameAtTheNextTick();
    void gameOverClosedByTheFrameStoresNothing();
    void testModeNeverCountsScoresOrEnds();
    void newGameDuringAGameResetsTheScore();
    void gameEndingInsideTheBestScoresDialog();

private:
    std::unique_ptr<GameFixture> game;
};

void GameClockTest::clockCountsDownAndEndsTheGameAtZero()
{
    game->Tick();
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("39"));
    game->Tick(38);
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("1"));

    // At the last tick the game ends before any check: this filling scores nothing.
    game->PlaceOwnOperators();
    ScriptedPrompts prompts;
    prompts.Message();
    game->Tick();

    QCOMPARE(prompts.AskedTexts(), QStringList {GameOver});
    QCOMPARE(game->settings.CurrentLevel, TestMode);
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("0"));
    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("0"));
    QCOMPARE(game->form->opis->Caption(), QStringLiteral("Poziom 1"));
    game->Tick();
    QCOMPARE(prompts.Asked().size(), 1);
}

void GameClockTest::solvingGivesTheNextRoundItsFullAllowance()
{
    game->Tick(35);
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("5"));
    std::string solved;
    FormatEquation(2, solved);
    game->PlaceOwnOperators();
    const QString value = QString::number(EquationTarget(2));

    game->Tick();

    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("1"));
    QCOMPARE(game->settings.CurrentLevel, 2);
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("60"));
    QCOMPARE(game->form->Edit1->text(), QString::fromStdString(solved) + "=" + value);
    std::string next;
    FormatEquation(3, next);
    QCOMPARE(game->form->Edit1->toolTip(), QString::fromStdString(next));
    for (std::size_t i = 1; i <= 5; ++i)
        QCOMPARE(PlayerOperators[i], OperatorCode::Empty);
}

void GameClockTest::diagnosticOfAnUnfinishedFilling()
{
    game->Tick();
    const QString expected =
        QString::number(Equation[1].Operand) + "?" + QString::number(Equation[2].Operand) + "=0";
    QCOMPARE(game->form->Edit1->text(), expected);
    std::string equation;
    FormatEquation(2, equation);
    QCOMPARE(game->form->Edit1->toolTip(),
             QString::fromStdString(equation) + QStringLiteral("nieznane wyrażenie :"));
}

void GameClockTest::givingUpEndsTheGameAtTheNextTick()
{
    QVERIFY(game->ShowBoard());
    QTest::mouseClick(game->form->Button2, Qt::LeftButton);
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("0"));

    ScriptedPrompts prompts;
    prompts.Message();
    game->Tick();
    QCOMPARE(prompts.AskedTexts(), QStringList {GameOver});
    QCOMPARE(game->settings.CurrentLevel, TestMode);
}

void GameClockTest::gameOverClosedByTheFrameStoresNothing()
{
    game->form->Punkty->SetCaption(QStringLiteral("5"));
    game->form->czas->SetCaption(QStringLiteral("1"));
    ScriptedPrompts prompts;
    prompts.Message(MessageBoxClosed);
    game->Tick();

    QCOMPARE(prompts.AskedTexts(), QStringList {GameOver});
    QCOMPARE(ScoreFileSandbox::Read(), QByteArray());
    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("5"));
}

void GameClockTest::testModeNeverCountsScoresOrEnds()
{
    QVERIFY(game->ShowBoard());
    game->form->Nowytest1->trigger();
    QCOMPARE(game->form->opis->Caption(), QStringLiteral("Test "));
    QTest::mouseClick(game->form->Button2, Qt::LeftButton);
    const ScriptedPrompts noPrompts;
    for (int tick = 0; tick < 100; ++tick) {
        game->Tick();
        QCOMPARE(game->form->czas->Caption(), QStringLiteral("0"));
    }
    game->PlaceOwnOperators();
    std::string before;
    FormatEquation(game->settings.OperandCount, before);
    const QString value = QString::number(EquationTarget(game->settings.OperandCount));
    game->Tick();

    // Solved all the same: the filling is shown with its value.
    QCOMPARE(game->form->Edit1->text(), QString::fromStdString(before) + "=" + value);
    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("0"));
    QCOMPARE(game->settings.CurrentLevel, TestMode);
    QCOMPARE(PlayerOperators[1], OperatorCode::Empty);
}

void GameClockTest::newGameDuringAGameResetsTheScore()
{
    game->form->Punkty->SetCaption(QStringLiteral("4"));
    game->settings.CurrentLevel = 6;
    game->settings.StartLevel = 11;
    const ScriptedPrompts noPrompts;
    game->form->Nowa1->trigger();

    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("0"));
    QCOMPARE(game->settings.CurrentLevel, 11);
    QCOMPARE(game->form->opis->Caption(), QStringLiteral("Poziom 11"));
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("80"));
}

// The clock goes on in the dialog; the game ends there once, and its score
// lands in the table that is on screen.
void GameClockTest::gameEndingInsideTheBestScoresDialog()
{
    game->form->Punkty->SetCaption(QStringLiteral("3"));
    game->form->czas->SetCaption(QStringLiteral("2"));
    int gameOverBoxes = 0;
    QStringList shownAfter;
    ModalScript script;
    script
        .Then(BestScores,
              [&](QWidget&) {
                  game->Tick(2);
                  shownAfter << game->bestScores.ListBox1->item(0)->text();
                  game->Tick();
                  ClickButton(game->bestScores, QStringLiteral("OK"));
              })
        .Then(GameOverBox,
              [&](QWidget& box) {
                  ++gameOverBoxes;
                  ClickButton(box, QStringLiteral("OK"));
              })
        .Then(NameBox, [](QWidget& box) {
            box.findChild<QLineEdit*>()->setText(QStringLiteral("Ela"));
            ClickButton(box, QStringLiteral("OK"));
        });
    game->form->Najlepszewyniki1->trigger();

    QVERIFY(script.Finished());
    QCOMPARE(gameOverBoxes, 1);
    QVERIFY(shownAfter.value(0).startsWith(QStringLiteral("Ela")));
    LoadScoreTable();
    QCOMPARE(ScoreTable[1].Name, QStringLiteral("Ela"));
    QCOMPARE(ScoreTable[1].Score, std::uint16_t {3});
}

QTEST_MAIN(GameClockTest)
#include "tst_game_clock.moc"
