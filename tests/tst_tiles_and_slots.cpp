// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLatin1Char>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "board_drag.h"
#include "game_fixture.h"
#include "tile_pictures.h"

using namespace kwintor;

namespace {

constexpr auto Empty = OperatorCode::Empty;

PictureBox* Named(TForm1& form, const QString& name)
{
    return form.ClientArea()->findChild<PictureBox*>(name);
}

}  // namespace

class TilesAndSlotsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { game.reset(); }
    void dropRules_data();
    void dropRules();
    void plainClickOnASlotEmptiesItWithSound();
    void plainClickOnAPaletteTileDoesNothing();
    void tileOverTheResultDoesNotChangeTheAnswer();
    void completingDropScoresAtOnce();
    void failingSoundStopsTheDropUntilSoundIsOff();
    void clearButtonEmptiesEverySlotQuietly();

private:
    std::unique_ptr<GameFixture> game;
};

void TilesAndSlotsTest::init()
{
    game = std::make_unique<GameFixture>();
    QVERIFY(game->ShowBoard());
    // Five operands: two tiles can never solve it.
    game->TestRound(5);
}

void TilesAndSlotsTest::dropRules_data()
{
    QTest::addColumn<QStringList>("drags");  // "source>target" in turn
    QTest::addColumn<QList<OperatorCode>>("expected");

    using Codes = QList<OperatorCode>;
    const auto P = OperatorCode::Plus;
    const auto M = OperatorCode::Minus;
    const auto D = OperatorCode::Division;
    const auto T = OperatorCode::Multiplication;
    QTest::newRow("palette to slot") << QStringList {"Image3>Image5"} << Codes {T, Empty, Empty, Empty};
    QTest::newRow("each tile its operator")
        << QStringList {"Image2>Image5", "Image1>Image6", "Image4>Image7"} << Codes {P, M, D, Empty};
    QTest::newRow("replaces what was there")
        << QStringList {"Image2>Image6", "Image1>Image6"} << Codes {Empty, M, Empty, Empty};
    QTest::newRow("moves without swapping")
        << QStringList {"Image2>Image5", "Image4>Image6", "Image5>Image6"} << Codes {Empty, P, Empty, Empty};
    QTest::newRow("empty slot empties the target")
        << QStringList {"Image3>Image6", "Image8>Image6"} << Codes {Empty, Empty, Empty, Empty};
    QTest::newRow("onto itself empties it")
        << QStringList {"Image3>Image7", "Image7>Image7"} << Codes {Empty, Empty, Empty, Empty};
    QTest::newRow("tile on a label") << QStringList {"Image2>X1"} << Codes {Empty, Empty, Empty, Empty};
    QTest::newRow("tile on another tile")
        << QStringList {"Image2>Image1"} << Codes {Empty, Empty, Empty, Empty};
    QTest::newRow("slot released elsewhere keeps its tile")
        << QStringList {"Image2>Image8", "Image8>Punkty"} << Codes {Empty, Empty, Empty, P};
}

void TilesAndSlotsTest::dropRules()
{
    QFETCH(QStringList, drags);
    QFETCH(QList<OperatorCode>, expected);

    for (const QString& drag : drags) {
        const QStringList ends = drag.split(QLatin1Char('>'));
        auto* target = game->form->ClientArea()->findChild<QWidget*>(ends[1]);
        DragTo(*Named(*game->form, ends[0]), *target);
    }

    const auto boxes = game->form->Slots();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        QCOMPARE(PlayerOperators[i + 1], expected[int(i)]);
        QCOMPARE(boxes[i]->Picture(), TilePicture(expected[int(i)]));
    }
    QCOMPARE(PlayerOperators[5], Empty);
}

void TilesAndSlotsTest::plainClickOnASlotEmptiesItWithSound()
{
    DragTo(*game->form->Image2, *game->form->Image6);
    QCOMPARE(game->sound->plays, 1);
    ClickOn(*game->form->Image6);
    QCOMPARE(PlayerOperators[2], Empty);
    QVERIFY(!game->form->Image6->HasPicture());
    QCOMPARE(game->sound->plays, 2);
    QCOMPARE(game->sound->opened.last(), QStringLiteral("1.wav"));
    ClickOn(*game->form->Image6);
    QCOMPARE(game->sound->plays, 3);
}

void TilesAndSlotsTest::plainClickOnAPaletteTileDoesNothing()
{
    ClickOn(*game->form->Image2);
    QCOMPARE(game->sound->plays, 0);
    for (std::size_t i = 1; i <= 5; ++i)
        QCOMPARE(PlayerOperators[i], Empty);
}

// With two operands slot 2 lies over the result; a tile there shows but
// has no part in the answer.
void TilesAndSlotsTest::tileOverTheResultDoesNotChangeTheAnswer()
{
    game->settings.CurrentLevel = 1;
    game->form->NewRound();
    const QRect overlap = game->form->Image6->geometry().intersected(game->form->Wynik->geometry());
    QVERIFY(!overlap.isEmpty());
    DragTo(*game->form->Image3, *game->form->ClientArea(), overlap.center());

    QVERIFY(game->form->Image6->HasPicture());
    QCOMPARE(PlayerOperators[2], OperatorCode::Multiplication);
    std::string text;
    QVERIFY(!CheckAnswer(2, text));
    QCOMPARE(text.find('*'), std::string::npos);
}

void TilesAndSlotsTest::completingDropScoresAtOnce()
{
    game->form->Nowa1->trigger();
    DragTo(game->form->PaletteTile(Equation[1].Operator), *game->form->Image5);

    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("1"));
    QCOMPARE(game->settings.CurrentLevel, 2);
    QCOMPARE(game->form->opis->Caption(), QStringLiteral("Poziom 2"));
    for (PictureBox* slot : game->form->Slots())
        QVERIFY(!slot->HasPicture());
}

void TilesAndSlotsTest::failingSoundStopsTheDropUntilSoundIsOff()
{
    game->sound->failure = QStringLiteral("Brak urządzenia odtwarzającego dźwięk");
    QCOMPARE(ErrorsOfDrag(*game->form->Image2, *game->form->Image5),
             QStringList {QStringLiteral(
                 "Brak urządzenia odtwarzającego dźwięk. Dźwięk można wyłączyć w menu Opcje")});
    QCOMPARE(PlayerOperators[1], Empty);
    QVERIFY(!game->form->Image5->HasPicture());

    game->form->Dwik1->trigger();
    QVERIFY(!game->form->Dwik1->isChecked());
    DragTo(*game->form->Image2, *game->form->Image5);
    QCOMPARE(PlayerOperators[1], OperatorCode::Plus);
    QCOMPARE(game->sound->plays, 0);
}

void TilesAndSlotsTest::clearButtonEmptiesEverySlotQuietly()
{
    DragTo(*game->form->Image2, *game->form->Image5);
    DragTo(*game->form->Image1, *game->form->Image8);
    const int plays = game->sound->plays;
    QTest::mouseClick(game->form->Button1, Qt::LeftButton);

    for (PictureBox* slot : game->form->Slots())
        QVERIFY(!slot->HasPicture());
    for (std::size_t i = 1; i <= 5; ++i)
        QCOMPARE(PlayerOperators[i], Empty);
    QCOMPARE(game->sound->plays, plays);
}

QTEST_MAIN(TilesAndSlotsTest)
#include "tst_tiles_and_slots.moc"
