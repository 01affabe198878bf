// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

#include <vector>

#include "equation.h"
#include "evaluator.h"
#include "level_table.h"
#include "random_source.h"

using namespace kwintor;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

constexpr auto P = OperatorCode::Plus;
constexpr auto M = OperatorCode::Minus;
constexpr auto D = OperatorCode::Division;
constexpr auto T = OperatorCode::Multiplication;
constexpr auto E = OperatorCode::Empty;

// Lays out an equation as a list: operand, operator, operand, ... operand.
void SetEquation(const std::vector<int>& operands, const std::vector<OperatorCode>& operators)
{
    for (std::size_t i = 0; i < operands.size(); ++i) {
        Equation[i + 1].Operand = operands[i];
        Equation[i + 1].Operator = i < operators.size() ? operators[i] : OperatorCode::Minus;
    }
}

void SetPlayerOperators(const std::vector<OperatorCode>& operators)
{
    PlayerOperators.Fill(E);
    for (std::size_t i = 0; i < operators.size(); ++i)
        PlayerOperators[i + 1] = operators[i];
}

QString Formatted(std::uint8_t count)
{
    std::string text;
    FormatEquation(count, text);
    return QString::fromStdString(text);
}

// Everything a generated equation promises; an empty text when it holds.
QString BrokenPromise(std::uint8_t count, OperatorMask mask, std::uint8_t largest)
{
    const QString equation = Formatted(count);
    for (std::uint8_t i = 1; i <= count; ++i) {
        const EquationTerm& term = Equation[i];
        if (term.Operand < 0 || term.Operand > largest)
            return equation + ": operand out of range";
        const bool afterDivision = i > 1 && Equation[i - 1].Operator == D;
        if (afterDivision && term.Operator == D)
            return equation + ": two divisions side by side";
        if (!(mask & MaskBit(term.Operator)) && !(afterDivision && term.Operator == P))
            return equation + ": operator outside the mask";
        if (term.Operator == D && i < count) {
            const std::int32_t divisor = Equation[i + 1].Operand;
            if (divisor == 0 || term.Operand % divisor != 0)
                return equation + ": inexact division";
        }
    }
    const std::int32_t target = EquationTarget(count);
    if (EvalStatus.Code != NoError)
        return equation + ": target reported an error";
    EvalStatus.Code = NoError;
    std::string text;
    FormatEquation(count, text);
    if (EvaluateExpression(text) != static_cast<long double>(target))
        return equation + ": target is not whole";
    for (std::uint8_t i = 1; i < count; ++i)
        PlayerOperators[i] = Equation[i].Operator;
    if (!CheckAnswer(count, text) || EvalStatus.Code != NoError)
        return equation + ": its own operators are refused";
    return {};
}

}  // namespace

class EquationTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SeedRandom(20261208); }
    void format_data();
    void format();
    void target_data();
    void target();
    void checkAnswer_data();
    void checkAnswer();
    void generatedEquationsKeepTheirPromises_data();
    void generatedEquationsKeepTheirPromises();
    void divisionOnlyAlternatesWithPlus();
    void plusFollowsOnlyADivisorWhenNotAllowed();
    void impossibleRequestsAreRefused_data();
    void impossibleRequestsAreRefused();
    void sameSeedSameEquations();
    void fixedSeedsGiveKnownEquations_data();
    void fixedSeedsGiveKnownEquations();
    void termsPastTheCountAreKept();
};

void EquationTest::format_data()
{
    QTest::addColumn<std::vector<int>>("operands");
    QTest::addColumn<QString>("text");

    QTest::newRow("three terms") << std::vector<int> {12, 3, 4} << QStringLiteral("12+3*4");
    QTest::newRow("last operator not shown") << std::vector<int> {7, 3} << QStringLiteral("7-3");
    QTest::newRow("negative operand") << std::vector<int> {-5, 2} << QStringLiteral("-5-2");
    QTest::newRow("one term") << std::vector<int> {9} << QStringLiteral("9");
}

void EquationTest::format()
{
    QFETCH(std::vector<int>, operands);
    QFETCH(QString, text);

    SetEquation(operands, operands.size() == 3 ? std::vector {P, T, D} : std::vector {M, D});
    QCOMPARE(Formatted(static_cast<std::uint8_t>(operands.size())), text);
}

void EquationTest::target_data()
{
    QTest::addColumn<std::vector<int>>("operands");
    QTest::addColumn<int>("target");

    QTest::newRow("7-12/4") << std::vector<int> {7, 12, 4} << 4;
    QTest::newRow("0-5*3") << std::vector<int> {0, 5, 3} << -15;
}

void EquationTest::target()
{
    QFETCH(std::vector<int>, operands);
    QFETCH(int, target);

    SetEquation(operands, operands[1] == 12 ? std::vector {M, D} : std::vector {M, T});
    EvalStatus.Code = SyntaxError;
    QCOMPARE(EquationTarget(3), target);
    QCOMPARE(EvalStatus.Code, std::uint8_t {NoError});
}

void EquationTest::checkAnswer_data()
{
    QTest::addColumn<std::vector<int>>("operands");
    QTest::addColumn<std::vector<OperatorCode>>("generated");
    QTest::addColumn<std::vector<OperatorCode>>("player");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("playerText");

    using Ops = std::vector<OperatorCode>;
    QTest::newRow("own operators") << std::vector<int> {12, 3, 4} << Ops {P, T} << Ops {P, T} << true
                                   << QStringLiteral("12+3*4");
    QTest::newRow("wrong value") << std::vector<int> {12, 3, 4} << Ops {P, T} << Ops {T, P} << false
                                 << QStringLiteral("12*3+4");
    QTest::newRow("slot still empty")
        << std::vector<int> {3, 4, 5} << Ops {P, P} << Ops {P, E} << false << QStringLiteral("3+4?5");
    QTest::newRow("nothing placed") << std::vector<int> {3, 4} << Ops {M} << Ops {} << false
                                    << QStringLiteral("3?4");
    QTest::newRow("divisor after plus")
        << std::vector<int> {0, 5, 5} << Ops {P, D} << Ops {P, D} << true << QStringLiteral("0+5/5");
    QTest::newRow("zero result by zero divisor")
        << std::vector<int> {3, 0, 4} << Ops {T, T} << Ops {D, P} << false << QStringLiteral("3/0+4");
    QTest::newRow("2+2 for 2*2") << std::vector<int> {2, 2} << Ops {T} << Ops {P} << true
                                 << QStringLiteral("2+2");
    QTest::newRow("2*2 for 2+2") << std::vector<int> {2, 2} << Ops {P} << Ops {T} << true
                                 << QStringLiteral("2*2");
    QTest::newRow("exact 7/2*2") << std::vector<int> {7, 2, 2} << Ops {P, M} << Ops {D, T} << true
                                 << QStringLiteral("7/2*2");
    QTest::newRow("operator past the count ignored")
        << std::vector<int> {5, 5} << Ops {P} << Ops {P, D} << true << QStringLiteral("5+5");
}

void EquationTest::checkAnswer()
{
    QFETCH(std::vector<int>, operands);
    QFETCH(std::vector<OperatorCode>, generated);
    QFETCH(std::vector<OperatorCode>, player);
    QFETCH(bool, accepted);
    QFETCH(QString, playerText);

    SetEquation(operands, generated);
    SetPlayerOperators(player);
    std::string text = "stale";

    QCOMPARE(CheckAnswer(static_cast<std::uint8_t>(operands.size()), text), accepted);
    QCOMPARE(QString::fromStdString(text), playerText);
    QCOMPARE(EvalStatus.Code, std::uint8_t {NoError});
}

void EquationTest::generatedEquationsKeepTheirPromises_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("draws");

    for (const LevelRange& range : LevelTable)
        QTest::addRow("level %d", range.First)
            << int(range.Row.OperandCount.value()) << int(range.Row.GenerationMask.value())
            << int(range.Row.LargestOperand) << 3000;
    for (int mask = 1; mask <= 15; ++mask)
        for (int count = 2; count <= MaxOperands; ++count)
            QTest::addRow("default row, mask %d, %d operands", mask, count)
                << count << mask << int(DefaultLevelRow.LargestOperand) << 400;
    QTest::newRow("largest 1 with division") << 5 << 15 << 1 << 1000;
    QTest::newRow("largest 254, three operands") << 3 << 15 << 254 << 1000;
    QTest::newRow("largest 73, five operands") << 5 << 15 << 73 << 1000;
}

void EquationTest::generatedEquationsKeepTheirPromises()
{
    QFETCH(int, count);
    QFETCH(int, mask);
    QFETCH(int, largest);
    QFETCH(int, draws);

    const auto operandCount = static_cast<std::uint8_t>(count);
    for (int draw = 0; draw < draws; ++draw) {
        QVERIFY(GenerateEquation(operandCount, static_cast<OperatorMask>(mask),
                                 static_cast<std::uint8_t>(largest)));
        const QString broken =
            BrokenPromise(operandCount, static_cast<OperatorMask>(mask), static_cast<std::uint8_t>(largest));
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
    }
}

void EquationTest::divisionOnlyAlternatesWithPlus()
{
    const QRegularExpression shape(QStringLiteral("^\\d+/\\d+\\+\\d+/\\d+\\+\\d+$"));
    for (int draw = 0; draw < 2000; ++draw) {
        QVERIFY(GenerateEquation(5, MaskBit(D), 10));
        QVERIFY2(shape.match(Formatted(5)).hasMatch(), qPrintable(Formatted(5)));
    }
}

void EquationTest::plusFollowsOnlyADivisorWhenNotAllowed()
{
    bool sawPlus = false;
    for (int draw = 0; draw < 2000; ++draw) {
        QVERIFY(GenerateEquation(4, MaskBit(D) | MaskBit(T), 10));
        for (std::uint8_t i = 1; i < 4; ++i) {
            if (Equation[i].Operator != P)
                continue;
            sawPlus = true;
            QVERIFY2(i > 1 && Equation[i - 1].Operator == D, qPrintable(Formatted(4)));
        }
    }
    QVERIFY(sawPlus);
}

void EquationTest::impossibleRequestsAreRefused_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("mask");
    QTest::addColumn<int>("largest");

    QTest::newRow("empty mask") << 3 << 0 << 10;
    QTest::newRow("only meaningless bits") << 3 << 0xF0 << 10;
    QTest::newRow("division with largest 0") << 3 << int(MaskBit(D)) << 0;
    QTest::newRow("all operators with largest 0") << 2 << 15 << 0;
    QTest::newRow("largest 255") << 2 << 1 << 255;
    QTest::newRow("results beyond 32 bits") << 5 << 15 << 74;
    QTest::newRow("no operands") << 0 << 15 << 10;
    QTest::newRow("six operands") << 6 << 15 << 10;
}

void EquationTest::impossibleRequestsAreRefused()
{
    QFETCH(int, count);
    QFETCH(int, mask);
    QFETCH(int, largest);

    SetEquation({1, 2, 3, 4, 5}, {P, M, T, D, P});
    const auto operandCount = static_cast<std::uint8_t>(count);
    const auto operatorMask = static_cast<OperatorMask>(mask);
    const auto largestOperand = static_cast<std::uint8_t>(largest);

    QVERIFY(!CanGenerateEquation(operandCount, operatorMask, largestOperand));
    QVERIFY(!GenerateEquation(operandCount, operatorMask, largestOperand));
    QCOMPARE(Formatted(5), QStringLiteral("1+2-3*4/5"));
}

void EquationTest::sameSeedSameEquations()
{
    QStringList first;
    for (int draw = 0; draw < 50; ++draw) {
        QVERIFY(GenerateEquation(5, AllOperators, 20));
        first << Formatted(5);
    }
    SeedRandom(20261208);
    for (int draw = 0; draw < 50; ++draw) {
        QVERIFY(GenerateEquation(5, AllOperators, 20));
        QCOMPARE(Formatted(5), first[draw]);
    }
}

// Pinned as drawn by libstdc++'s distributions: a change to the generator,
// or to how it uses the random source, shows here as new equations.
void EquationTest::fixedSeedsGiveKnownEquations_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<std::uint8_t>("operandCount");
    QTest::addColumn<OperatorMask>("mask");
    QTest::addColumn<std::uint8_t>("largest");
    QTest::addColumn<QStringList>("equations");  // three draws, each with its result

    QTest::newRow("level 1") << 1u << std::uint8_t {2} << AllOperators << std::uint8_t {20}
                             << QStringList {"20-19=1", "2+20=22", "4+8=12"};
    QTest::newRow("level 2") << 2u << std::uint8_t {3} << OperatorMask {12} << std::uint8_t {5}
                             << QStringList {"5/1*3=15", "1*1/1=1", "5*1/1=5"};
    QTest::newRow("level 11") << 3u << std::uint8_t {4} << AllOperators << std::uint8_t {8}
                              << QStringList {"0/7+1-5=-4", "3*0*0+2=2", "0+6-1+4=9"};
    QTest::newRow("level 31") << 20261208u << std::uint8_t {5} << AllOperators << std::uint8_t {18}
                              << QStringList {"3*9-18-5*17=-76", "17/17-6-15/3=-10", "4*2+17+8+15=48"};
}

void EquationTest::fixedSeedsGiveKnownEquations()
{
    QFETCH(std::uint32_t, seed);
    QFETCH(std::uint8_t, operandCount);
    QFETCH(OperatorMask, mask);
    QFETCH(std::uint8_t, largest);
    QFETCH(QStringList, equations);

    SeedRandom(seed);
    QStringList drawn;
    for (qsizetype draw = 0; draw < equations.size(); ++draw) {
        QVERIFY(GenerateEquation(operandCount, mask, largest));
        drawn << Formatted(operandCount) + '=' + QString::number(EquationTarget(operandCount));
    }
    QCOMPARE(drawn, equations);
}

void EquationTest::termsPastTheCountAreKept()
{
    SetEquation({1, 2, 3, 4, 5}, {P, M, T, D, P});
    QVERIFY(GenerateEquation(2, MaskBit(P) | MaskBit(M), 10));
    QCOMPARE(Equation[3].Operand, 3);
    QCOMPARE(Equation[5].Operand, 5);
    QCOMPARE(Equation[4].Operator, D);
}

QTEST_APPLESS_MAIN(EquationTest)
#include "tst_equation.moc"
