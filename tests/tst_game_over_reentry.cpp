// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include "error_display.h"
#include "game_fixture.h"
#include "modal_script.h"

using namespace kwintor;

namespace {

const QString GameOverBox = QStringLiteral("kwintorMessageBox");

// What the player opens after giving up, before the clock ends the game.
enum class Opener { Board, TestDifficulty, StartLevel, BestScores, ErrorDisplay, About };

// What happens while the game-over box is open, in order.
enum class Event { Tick, GiveUp, NewGameKey };
using Events = QList<Event>;

}  // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(Events)

// The game-over path runs inside nested event loops, with ticks arriving in
// them: whatever comes meanwhile, a given-up game shows one box, and the
// box stays until the player answers it.
class GameOverReentryTest : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<GameFixture>(); }
    void cleanup() { game.reset(); }
    void oneBoxPerGame_data();
    void oneBoxPerGame();

private:
    void TickToTheBox(int& boxes);
    void Happen(Event event, QWidget& box);
    // Opens `opener`, lets the clock tick inside it until the box has come
    // and gone, and closes it again.
    void TickToTheBoxIn(Opener opener, int& boxes);

    std::unique_ptr<GameFixture> game;
};

void GameOverReentryTest::oneBoxPerGame_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<Events>("insideBox");
    QTest::addColumn<bool>("closedByFrame");

    using enum Event;
    QTest::newRow("ticks inside the box") << Opener::Board << Events {Tick, Tick, Tick} << false;
    QTest::newRow("given up again inside the box") << Opener::Board << Events {GiveUp, Tick, Tick} << false;
    QTest::newRow("F2 inside the box") << Opener::Board << Events {NewGameKey, Tick} << false;
    QTest::newRow("box closed by its frame, then ticks") << Opener::Board << Events {Tick} << true;
    QTest::newRow("test-difficulty dialog open")
        << Opener::TestDifficulty << Events {Tick, GiveUp, Tick} << false;
    QTest::newRow("start-level dialog open")
        << Opener::StartLevel << Events {Tick, NewGameKey, Tick} << false;
    QTest::newRow("best-scores dialog open") << Opener::BestScores << Events {Tick} << false;
    QTest::newRow("error display open") << Opener::ErrorDisplay << Events {Tick, GiveUp, Tick} << true;
    QTest::newRow("about window open") << Opener::About << Events {Tick, NewGameKey} << false;
}

void GameOverReentryTest::oneBoxPerGame()
{
    QFETCH(Opener, opener);
    QFETCH(Events, insideBox);
    QFETCH(bool, closedByFrame);

    QVERIFY(game->ShowBoard());
    int boxes = 0;
    const auto anotherBox = [&](QWidget& box) {
        ++boxes;
        ClickButton(box, QStringLiteral("OK"));
    };
    ModalScript script;
    script
        .Then(GameOverBox,
              [&](QWidget& box) {
                  ++boxes;
                  for (const Event event : insideBox)
                      Happen(event, box);
                  QVERIFY(box.isVisible());
                  if (closedByFrame)
                      box.close();
                  else
                      ClickButton(box, QStringLiteral("OK"));
              })
        // Answered and counted, should they come.
        .Then(GameOverBox, anotherBox)
        .Then(GameOverBox, anotherBox);
    // Given up on the board, then something opened before the next tick.
    QTest::mouseClick(game->form->Button2, Qt::LeftButton);
    TickToTheBoxIn(opener, boxes);
    // Ticks after the box, back on the board: the game has ended once.
    game->Tick(45);

    QCOMPARE(boxes, 1);
    QCOMPARE(game->settings.CurrentLevel, TestMode);
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("0"));
}

// The box's answer runs inside the tick that opens it.
void GameOverReentryTest::TickToTheBox(int& boxes)
{
    game->Tick();
    QCOMPARE(boxes, 1);
}

void GameOverReentryTest::Happen(Event event, QWidget& box)
{
    switch (event) {
    case Event::Tick: game->Tick(); break;
    case Event::GiveUp: game->form->Button2Click(); break;
    // The board is blocked behind the box: its F2 starts no new game.
    case Event::NewGameKey: QTest::keyClick(&box, Qt::Key_F2); break;
    }
}

void GameOverReentryTest::TickToTheBoxIn(Opener opener, int& boxes)
{
    // From inside the modal window's own loop, once it is open.
    const auto inside = [&](QWidget& window, const QString& closingButton) {
        QTimer::singleShot(0, &window, [&, closingButton] {
            QCOMPARE(QApplication::activeModalWidget(), &window);
            TickToTheBox(boxes);
            ClickButton(window, closingButton);
        });
    };
    switch (opener) {
    case Opener::Board: TickToTheBox(boxes); break;
    case Opener::TestDifficulty:
        inside(game->testDifficulty, QStringLiteral("Anuluj"));
        game->form->Poziomtrudnoci1->trigger();
        break;
    case Opener::StartLevel:
        inside(game->startLevel, QStringLiteral("Anuluj"));
        game->form->Poziomtrudnocigry1->trigger();
        break;
    case Opener::BestScores:
        inside(game->bestScores, QStringLiteral("OK"));
        game->form->Najlepszewyniki1->trigger();
        break;
    case Opener::ErrorDisplay:
        // The display comes after the failed event, this from inside it.
        RunGuarded([] { throw Error("Brak dźwięku"); });
        QTimer::singleShot(0, game->form, [&] {
            QWidget* display = QApplication::activeModalWidget();
            QVERIFY(display);
            TickToTheBox(boxes);
            ClickButton(*display, QStringLiteral("OK"));
        });
        QCoreApplication::sendPostedEvents();
        break;
    case Opener::About:
        game->form->Pomoc1->trigger();
        TickToTheBox(boxes);
        game->about.close();
        break;
    }
}

QTEST_MAIN(GameOverReentryTest)
#include "tst_game_over_reentry.moc"
