// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QString>
#include <QTest>

#include "lone_board.h"
#include "random_source.h"
#include "tile_pictures.h"

using namespace kwintor;

namespace {

constexpr int Rounds = 300;

// The largest operand and the operators seen over many rounds.
struct Observed {
    int largestOperand = 0;
    OperatorMask operators = 0;
};

Observed PlayRounds(LoneBoard& board)
{
    Observed seen;
    for (int round = 0; round < Rounds; ++round) {
        board.form.NewRound();
        for (std::uint8_t i = 1; i <= board.settings.OperandCount; ++i) {
            seen.largestOperand = std::max(seen.largestOperand, int(Equation[i].Operand));
            const bool afterDivision = i > 1 && Equation[i - 1].Operator == OperatorCode::Division;
            if (i < board.settings.OperandCount &&
                !(afterDivision && Equation[i].Operator == OperatorCode::Plus))
                seen.operators |= MaskBit(Equation[i].Operator);
        }
    }
    return seen;
}

}  // namespace

class NewRoundTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { board.reset(); }
    void levels_data();
    void levels();
    void layoutPerOperandCount_data();
    void layoutPerOperandCount();
    void emptyOperatorMaskStillGivesEquations_data();
    void emptyOperatorMaskStillGivesEquations();
    void newRoundEmptiesEverySlotAndKeepsTheScore();

private:
    std::unique_ptr<LoneBoard> board;
};

void NewRoundTest::init()
{
    SeedRandom(11);
    board = std::make_unique<LoneBoard>();
}

void NewRoundTest::levels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("countBefore");  // what the last round left in the settings
    QTest::addColumn<int>("playerMask");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("mask");  // the operators the equations may hold
    QTest::addColumn<QString>("caption");

    QTest::newRow("1") << 1 << 5 << 15 << 2 << 20 << 15 << "Poziom 1";
    QTest::newRow("2") << 2 << 2 << 15 << 3 << 5 << 12 << "Poziom 2";
    QTest::newRow("3") << 3 << 3 << 15 << 3 << 10 << 14 << "Poziom 3";
    QTest::newRow("4") << 4 << 3 << 15 << 3 << 10 << 15 << "Poziom 4";
    QTest::newRow("5 keeps 3") << 5 << 3 << 15 << 3 << 10 << 15 << "Poziom 5";
    QTest::newRow("10 with the player's mask") << 10 << 3 << 1 << 3 << 10 << 1 << "Poziom 10";
    QTest::newRow("11") << 11 << 3 << 1 << 4 << 8 << 15 << "Poziom 11";
    QTest::newRow("12 keeps 4") << 12 << 4 << 15 << 4 << 10 << 15 << "Poziom 12";
    QTest::newRow("14 keeps 4") << 14 << 4 << 15 << 4 << 10 << 15 << "Poziom 14";
    QTest::newRow("15") << 15 << 4 << 15 << 4 << 12 << 15 << "Poziom 15";
    QTest::newRow("20") << 20 << 4 << 15 << 4 << 12 << 15 << "Poziom 20";
    QTest::newRow("21") << 21 << 4 << 15 << 5 << 12 << 15 << "Poziom 21";
    QTest::newRow("30") << 30 << 5 << 15 << 5 << 12 << 15 << "Poziom 30";
    QTest::newRow("31") << 31 << 5 << 15 << 5 << 18 << 15 << "Poziom 31";
    QTest::newRow("32 keeps 5") << 32 << 5 << 15 << 5 << 10 << 15 << "Poziom 32";
    QTest::newRow("1000 with minus only") << 1000 << 5 << 2 << 5 << 10 << 2 << "Poziom 1000";
    QTest::newRow("0") << 0 << 2 << 15 << 2 << 10 << 15 << "Poziom 0";
    QTest::newRow("started at 10 after start-up") << 10 << 2 << 15 << 2 << 10 << 15 << "Poziom 10";
    QTest::newRow("test mode") << -1 << 4 << 9 << 4 << 10 << 9 << "Test ";
    QTest::newRow("test mode up to 15") << -1 << 3 << 15 << 3 << 15 << 15 << "Test ";
}

void NewRoundTest::levels()
{
    QFETCH(int, level);
    QFETCH(int, countBefore);
    QFETCH(int, playerMask);
    QFETCH(int, count);
    QFETCH(int, largest);
    QFETCH(int, mask);
    QFETCH(QString, caption);

    board->settings.CurrentLevel = level;
    board->settings.OperandCount = static_cast<std::uint8_t>(countBefore);
    board->settings.OperatorMask = static_cast<OperatorMask>(playerMask);
    if (level == TestMode)
        board->settings.TestLargestOperand = static_cast<std::uint8_t>(largest);
    const Observed seen = PlayRounds(*board);

    QCOMPARE(int(board->settings.OperandCount), count);
    QCOMPARE(board->settings.OperatorMask, OperatorMask(playerMask));
    QCOMPARE(board->settings.CurrentLevel, level);
    QCOMPARE(board->form.opis->Caption(), caption);
    QCOMPARE(board->form.czas->Caption(),
             level == TestMode ? QStringLiteral("0") : QString::number(count * 20));
    // Over hundreds of rounds every allowed operator and the bound itself appear.
    QCOMPARE(seen.largestOperand, largest);
    QCOMPARE(int(seen.operators), mask);
}

void NewRoundTest::layoutPerOperandCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("resultLeft");

    QTest::newRow("2") << 2 << 180;
    QTest::newRow("3") << 3 << 280;
    QTest::newRow("4") << 4 << 405;
    QTest::newRow("5") << 5 << 510;
}

void NewRoundTest::layoutPerOperandCount()
{
    QFETCH(int, count);
    QFETCH(int, resultLeft);

    board->form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board->form));
    board->settings.CurrentLevel = TestMode;
    for (int before : {5, 2}) {
        board->settings.OperandCount = static_cast<std::uint8_t>(before);
        board->form.NewRound();
        board->settings.OperandCount = static_cast<std::uint8_t>(count);
        board->form.NewRound();

        const auto operands = board->form.OperandLabels();
        const auto shown = static_cast<std::size_t>(count);
        for (std::size_t i = 0; i < operands.size(); ++i) {
            QCOMPARE(operands[i]->isVisible(), i < shown);
            if (i < shown)
                QCOMPARE(operands[i]->Caption(), QString::number(Equation[i + 1].Operand));
        }
        const auto frames = board->form.SlotFrames();
        for (std::size_t i = 0; i < frames.size(); ++i)
            QCOMPARE(frames[i]->isVisible(), i + 1 < shown);
        for (PictureBox* slot : board->form.Slots())
            QVERIFY(slot->isVisible());
        QCOMPARE(board->form.Wynik->x(), resultLeft);
        QCOMPARE(board->form.Wynik->Caption(),
                 QStringLiteral("=") + QString::number(EquationTarget(static_cast<std::uint8_t>(count))));
        std::string equation;
        FormatEquation(static_cast<std::uint8_t>(count), equation);
        QCOMPARE(board->form.Edit1->text(), QString::fromStdString(equation));
    }
}

void NewRoundTest::emptyOperatorMaskStillGivesEquations_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("playerMask");

    QTest::newRow("test mode, no operators") << -1 << 0;
    QTest::newRow("test mode, meaningless bits") << -1 << 0xF0;
    QTest::newRow("level 7, no operators") << 7 << 0;
}

// A mask from which nothing can be generated falls back to all four operators.
void NewRoundTest::emptyOperatorMaskStillGivesEquations()
{
    QFETCH(int, level);
    QFETCH(int, playerMask);

    board->settings.CurrentLevel = level;
    board->settings.OperandCount = 5;
    board->settings.OperatorMask = static_cast<OperatorMask>(playerMask);
    const Observed seen = PlayRounds(*board);

    QCOMPARE(int(seen.operators), int(AllOperators));
    QCOMPARE(board->settings.OperatorMask, OperatorMask(playerMask));
}

void NewRoundTest::newRoundEmptiesEverySlotAndKeepsTheScore()
{
    for (PictureBox* slot : board->form.Slots())
        slot->SetPicture(TilePicture(OperatorCode::Plus));
    for (std::size_t i = 1; i <= 5; ++i)
        PlayerOperators[i] = OperatorCode::Minus;
    board->form.Punkty->SetCaption(QStringLiteral("17"));

    board->form.NewRound();

    for (PictureBox* slot : board->form.Slots())
        QVERIFY(!slot->HasPicture());
    for (std::size_t i = 1; i <= 5; ++i)
        QCOMPARE(PlayerOperators[i], OperatorCode::Empty);
    QCOMPARE(board->form.Punkty->Caption(), QStringLiteral("17"));
}

QTEST_MAIN(NewRoundTest)
#include "tst_new_round.moc"
