// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "board_drag.h"
#include "board_keys.h"
#include "game_fixture.h"
#include "scripted_prompts.h"
#include "tile_pictures.h"

using namespace kwintor;

namespace {

constexpr auto Empty = OperatorCode::Empty;

QString FocusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

// The names the focus passes through, `key` pressed `times` times.
QStringList FocusTrail(int times, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QStringList trail;
    for (int i = 0; i < times; ++i) {
        Press(key, modifiers);
        trail << FocusName();
    }
    return trail;
}

bool AllSlotsEmpty()
{
    for (std::size_t number = 1; number <= MaxOperands; ++number)
        if (PlayerOperators[number] != Empty)
            return false;
    return true;
}

// How many pixels of the outline of `box` differ between the two pictures of it.
int OutlineChanges(const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            const bool outline = x == 0 || y == 0 || x == before.width() - 1 || y == before.height() - 1;
            if (outline && before.pixel(x, y) != after.pixel(x, y))
                ++changed;
        }
    return changed;
}

QImage Inside(const QImage& picture) { return picture.copy(picture.rect().adjusted(1, 1, -1, -1)); }

}  // namespace

class KeyboardPlayTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { game.reset(); }
    void eachRoundStartsAtItsFirstSlot_data();
    void eachRoundStartsAtItsFirstSlot();
    void tabRunsThroughTheSlotsInUseThenTheButtons_data();
    void tabRunsThroughTheSlotsInUseThenTheButtons();
    void arrowsMoveAlongTheSlotsAndStopAtTheEnds_data();
    void arrowsMoveAlongTheSlotsAndStopAtTheEnds();
    void operatorKeyPlacesItsTileAndMovesOn_data();
    void operatorKeyPlacesItsTileAndMovesOn();
    void placingInTheLastSlotKeepsTheFocusThere();
    void deleteAndBackspaceEmptyTheSlotWithSound_data();
    void deleteAndBackspaceEmptyTheSlotWithSound();
    void otherKeysPlaceNothing_data();
    void otherKeysPlaceNothing();
    void keysOutsideTheSlotsDoNothing();
    void keysInASlotOutOfUseDoNothing();
    void solvingByKeysScoresAndBringsTheNextRound();
    void failingSoundStopsTheKeyUntilSoundIsOff();
    void focusedSlotShowsADottedFrame();

private:
    std::unique_ptr<GameFixture> game;
};

void KeyboardPlayTest::init()
{
    game = std::make_unique<GameFixture>();
    QVERIFY(game->ShowBoard());
    QVERIFY(QTest::qWaitForWindowActive(game->form));
    game->TestRound(5);
}

void KeyboardPlayTest::eachRoundStartsAtItsFirstSlot_data()
{
    QTest::addColumn<int>("operandsBefore");
    QTest::addColumn<QString>("focusBefore");
    QTest::addColumn<int>("operandsAfter");

    QTest::newRow("fewer slots") << 5 << "Image8" << 2;
    QTest::newRow("more slots") << 2 << "Image5" << 5;
    QTest::newRow("from a button") << 3 << "Button2" << 4;
}

void KeyboardPlayTest::eachRoundStartsAtItsFirstSlot()
{
    QFETCH(int, operandsBefore);
    QFETCH(QString, focusBefore);
    QFETCH(int, operandsAfter);

    game->TestRound(std::uint8_t(operandsBefore));
    QCOMPARE(FocusName(), QStringLiteral("Image5"));
    game->form->ClientArea()->findChild<QWidget*>(focusBefore)->setFocus();
    game->TestRound(std::uint8_t(operandsAfter));
    QCOMPARE(FocusName(), QStringLiteral("Image5"));
}

// Tab leaves the last slot for the buttons and comes round to the first
// slot again, as the window's own order goes; Shift+Tab runs it backwards.
void KeyboardPlayTest::tabRunsThroughTheSlotsInUseThenTheButtons_data()
{
    QTest::addColumn<int>("operands");
    QTest::addColumn<QStringList>("forwards");

    QTest::newRow("two operands") << 2 << QStringList {"Button1", "Button2", "Image5"};
    QTest::newRow("three operands") << 3 << QStringList {"Image6", "Button1", "Button2", "Image5"};
    QTest::newRow("four operands") << 4 << QStringList {"Image6", "Image7", "Button1", "Button2", "Image5"};
    QTest::newRow("five operands") << 5 << QStringList {"Image6",  "Image7",  "Image8",
                                                        "Button1", "Button2", "Image5"};
}

void KeyboardPlayTest::tabRunsThroughTheSlotsInUseThenTheButtons()
{
    QFETCH(int, operands);
    QFETCH(QStringList, forwards);

    game->TestRound(std::uint8_t(operands));
    QCOMPARE(FocusTrail(int(forwards.size()), Qt::Key_Tab), forwards);

    QStringList backwards(forwards.rbegin() + 1, forwards.rend());
    backwards << QStringLiteral("Image5");
    QCOMPARE(FocusTrail(int(backwards.size()), Qt::Key_Backtab, Qt::ShiftModifier), backwards);
}

void KeyboardPlayTest::arrowsMoveAlongTheSlotsAndStopAtTheEnds_data()
{
    QTest::addColumn<int>("operands");
    QTest::addColumn<QList<Qt::Key>>("keys");
    QTest::addColumn<QString>("focus");

    using Keys = QList<Qt::Key>;
    QTest::newRow("right") << 5 << Keys {Qt::Key_Right} << "Image6";
    QTest::newRow("down as right") << 5 << Keys {Qt::Key_Down, Qt::Key_Down} << "Image7";
    QTest::newRow("right stops at the last") << 5 << Keys(5, Qt::Key_Right) << "Image8";
    QTest::newRow("right stops at the last in use") << 3 << Keys(3, Qt::Key_Right) << "Image6";
    QTest::newRow("left stops at the first") << 5 << Keys {Qt::Key_Left} << "Image5";
    QTest::newRow("up as left") << 5 << Keys {Qt::Key_End, Qt::Key_Up} << "Image7";
    QTest::newRow("end") << 5 << Keys {Qt::Key_End} << "Image8";
    QTest::newRow("end of three") << 3 << Keys {Qt::Key_End} << "Image6";
    QTest::newRow("home") << 4 << Keys {Qt::Key_End, Qt::Key_Home} << "Image5";
    QTest::newRow("one slot") << 2 << Keys {Qt::Key_Right, Qt::Key_End} << "Image5";
}

void KeyboardPlayTest::arrowsMoveAlongTheSlotsAndStopAtTheEnds()
{
    QFETCH(int, operands);
    QFETCH(QList<Qt::Key>, keys);
    QFETCH(QString, focus);

    game->TestRound(std::uint8_t(operands));
    for (Qt::Key key : keys)
        Press(key);

    QCOMPARE(FocusName(), focus);
    QVERIFY(AllSlotsEmpty());
    QCOMPARE(game->sound->plays, 0);
}

void KeyboardPlayTest::operatorKeyPlacesItsTileAndMovesOn_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<OperatorCode>("expected");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers keypad = Qt::KeypadModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    QTest::newRow("+") << Qt::Key_Plus << none << OperatorCode::Plus;
    QTest::newRow("+ with shift") << Qt::Key_Plus << shift << OperatorCode::Plus;
    QTest::newRow("keypad +") << Qt::Key_Plus << keypad << OperatorCode::Plus;
    QTest::newRow("-") << Qt::Key_Minus << none << OperatorCode::Minus;
    QTest::newRow("keypad -") << Qt::Key_Minus << keypad << OperatorCode::Minus;
    QTest::newRow("*") << Qt::Key_Asterisk << shift << OperatorCode::Multiplication;
    QTest::newRow("keypad *") << Qt::Key_Asterisk << keypad << OperatorCode::Multiplication;
    QTest::newRow("x") << Qt::Key_X << none << OperatorCode::Multiplication;
    QTest::newRow("X") << Qt::Key_X << shift << OperatorCode::Multiplication;
    QTest::newRow("×") << Qt::Key_multiply << none << OperatorCode::Multiplication;
    QTest::newRow("/") << Qt::Key_Slash << none << OperatorCode::Division;
    QTest::newRow("keypad /") << Qt::Key_Slash << keypad << OperatorCode::Division;
    QTest::newRow(":") << Qt::Key_Colon << shift << OperatorCode::Division;
    QTest::newRow("÷") << Qt::Key_division << none << OperatorCode::Division;
}

void KeyboardPlayTest::operatorKeyPlacesItsTileAndMovesOn()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(OperatorCode, expected);

    Press(Qt::Key_Right);
    Press(key, modifiers);

    const auto boxes = game->form->Slots();
    for (std::size_t number = 1; number <= boxes.size(); ++number) {
        const OperatorCode held = number == 2 ? expected : Empty;
        QCOMPARE(PlayerOperators[number], held);
        QCOMPARE(boxes[number - 1]->Picture(), TilePicture(held));
    }
    QCOMPARE(game->sound->plays, 1);
    QCOMPARE(game->sound->opened, QStringList {QStringLiteral("1.wav")});
    QCOMPARE(FocusName(), QStringLiteral("Image7"));
}

void KeyboardPlayTest::placingInTheLastSlotKeepsTheFocusThere()
{
    Press(Qt::Key_End);
    Press(Qt::Key_Minus);
    Press(Qt::Key_Plus);

    QCOMPARE(PlayerOperators[4], OperatorCode::Plus);
    QCOMPARE(FocusName(), QStringLiteral("Image8"));
    QCOMPARE(game->sound->plays, 2);
}

void KeyboardPlayTest::deleteAndBackspaceEmptyTheSlotWithSound_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("filled");

    QTest::newRow("Delete") << Qt::Key_Delete << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad Delete") << Qt::Key_Delete << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("Backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers() << true;
    // As a plain click on an empty slot, it still sounds.
    QTest::newRow("already empty") << Qt::Key_Delete << Qt::KeyboardModifiers() << false;
}

void KeyboardPlayTest::deleteAndBackspaceEmptyTheSlotWithSound()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, filled);

    if (filled) {
        Press(Qt::Key_Plus);
        Press(Qt::Key_Left);
    }
    const int plays = game->sound->plays;
    Press(key, modifiers);

    QVERIFY(AllSlotsEmpty());
    QVERIFY(!game->form->Image5->HasPicture());
    QCOMPARE(game->sound->plays, plays + 1);
    QCOMPARE(FocusName(), QStringLiteral("Image5"));
}

void KeyboardPlayTest::otherKeysPlaceNothing_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");

    QTest::newRow("Ctrl+X") << Qt::Key_X << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Ctrl+-") << Qt::Key_Minus << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("Alt++") << Qt::Key_Plus << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("Ctrl+Delete") << Qt::Key_Delete << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("=") << Qt::Key_Equal << Qt::KeyboardModifiers();
    QTest::newRow("a digit") << Qt::Key_3 << Qt::KeyboardModifiers();
    QTest::newRow("space") << Qt::Key_Space << Qt::KeyboardModifiers();
}

void KeyboardPlayTest::otherKeysPlaceNothing()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);

    Press(Qt::Key_Plus);
    Press(Qt::Key_Left);
    Press(key, modifiers);

    QCOMPARE(PlayerOperators[1], OperatorCode::Plus);
    QCOMPARE(game->sound->plays, 1);
    QCOMPARE(FocusName(), QStringLiteral("Image5"));
}

void KeyboardPlayTest::keysOutsideTheSlotsDoNothing()
{
    game->form->Button1->setFocus();
    for (Qt::Key key : {Qt::Key_Plus, Qt::Key_Asterisk, Qt::Key_Delete})
        Press(key);

    QVERIFY(AllSlotsEmpty());
    QCOMPARE(game->sound->plays, 0);
    QCOMPARE(FocusName(), QStringLiteral("Button1"));
}

// With two numbers slot 2 lies over the result: the mouse can drop a tile
// there, but the keyboard never reaches it, nor may a key change it.
void KeyboardPlayTest::keysInASlotOutOfUseDoNothing()
{
    game->TestRound(2);
    const QRect overlap = game->form->Image6->geometry().intersected(game->form->Wynik->geometry());
    DragTo(*game->form->Image3, *game->form->ClientArea(), overlap.center());
    const int plays = game->sound->plays;

    game->form->Image6->setFocus();
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_Plus, Qt::Key_Right})
        Press(key);

    QCOMPARE(PlayerOperators[2], OperatorCode::Multiplication);
    QCOMPARE(game->form->Image6->Picture(), TilePicture(OperatorCode::Multiplication));
    QCOMPARE(PlayerOperators[1], Empty);
    QCOMPARE(game->sound->plays, plays);
    QCOMPARE(FocusName(), QStringLiteral("Image6"));
}

// As completingDropScoresAtOnce in tst_tiles_and_slots, typed instead.
void KeyboardPlayTest::solvingByKeysScoresAndBringsTheNextRound()
{
    game->form->Nowa1->trigger();
    TypeOwnOperators(game->settings.OperandCount);

    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("1"));
    QCOMPARE(game->settings.CurrentLevel, 2);
    QCOMPARE(game->form->opis->Caption(), QStringLiteral("Poziom 2"));
    QCOMPARE(game->form->czas->Caption(), QStringLiteral("60"));
    QCOMPARE(game->sound->plays, 1);
    for (PictureBox* slot : game->form->Slots())
        QVERIFY(!slot->HasPicture());
    QVERIFY(AllSlotsEmpty());
    QCOMPARE(FocusName(), QStringLiteral("Image5"));

    TypeOwnOperators(game->settings.OperandCount);
    QCOMPARE(game->form->Punkty->Caption(), QStringLiteral("2"));
    QCOMPARE(game->settings.CurrentLevel, 3);
    QCOMPARE(game->sound->plays, 3);
    QCOMPARE(FocusName(), QStringLiteral("Image5"));
}

void KeyboardPlayTest::failingSoundStopsTheKeyUntilSoundIsOff()
{
    game->sound->failure = QStringLiteral("Brak urządzenia odtwarzającego dźwięk");
    ScriptedPrompts prompts;
    prompts.Error();
    Press(Qt::Key_Plus);
    // The error display comes once the event that failed is over.
    QCoreApplication::sendPostedEvents();

    QCOMPARE(prompts.AskedTexts(),
             QStringList {QStringLiteral(
                 "Brak urządzenia odtwarzającego dźwięk. Dźwięk można wyłączyć w menu Opcje")});
    QVERIFY(AllSlotsEmpty());
    QVERIFY(!game->form->Image5->HasPicture());
    // Here no window manager gives the board back its activation.
    game->form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(game->form));
    QCOMPARE(FocusName(), QStringLiteral("Image5"));

    game->form->Dwik1->trigger();
    Press(Qt::Key_Plus);
    QCOMPARE(PlayerOperators[1], OperatorCode::Plus);
    QCOMPARE(game->sound->plays, 0);
    QCOMPARE(FocusName(), QStringLiteral("Image6"));
}

void KeyboardPlayTest::focusedSlotShowsADottedFrame()
{
    PictureBox& slot = *game->form->Image6;
    const QImage unfocused = slot.grab().toImage();
    Press(Qt::Key_Right);
    const QImage focused = slot.grab().toImage();

    const int outline = 2 * (unfocused.width() + unfocused.height()) - 4;
    const int changed = OutlineChanges(unfocused, focused);
    QVERIFY2(changed > outline / 3 && changed < 2 * outline / 3, qPrintable(QString::number(changed)));
    QCOMPARE(Inside(focused), Inside(unfocused));
    QCOMPARE(game->form->Image5->grab().toImage(), unfocused);
}

QTEST_MAIN(KeyboardPlayTest)
#include "tst_keyboard_play.moc"
