// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTest>

#include <cmath>
#include <cstring>

#include "evaluator.h"

using namespace kwintor;

namespace {

// What EvalStatus.Text holds before each case, to see that a code left it alone.
const QByteArray untouched = "(untouched)";

long double EvaluateFresh(const QByteArray& text)
{
    EvalStatus.Code = NoError;
    EvalStatus.Text = untouched.toStdString();
    return EvaluateExpression(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

QByteArray StatusText() { return QByteArray::fromStdString(EvalStatus.Text); }

}  // namespace

class EvaluatorTest : public QObject {
    Q_OBJECT

private slots:
    void values_data();
    void values();
    void errors_data();
    void errors();
    void unresetCodeKeepsReturningZero();
    void piIsTheFpuConstant();
    void messages_data();
    void messages();
    void hostileTexts_data();
    void hostileTexts();
};

void EvaluatorTest::values_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<double>("tolerance");  // 0: the value must be exact

    QTest::newRow("precedence") << QByteArray("12+3*4") << 24.0 << 0.0;
    QTest::newRow("minus groups left") << QByteArray("12-3-4") << 5.0 << 0.0;
    QTest::newRow("1-2-3") << QByteArray("1-2-3") << -4.0 << 0.0;
    QTest::newRow("divide then multiply") << QByteArray("8/2*2") << 8.0 << 0.0;
    QTest::newRow("8/2/2") << QByteArray("8/2/2") << 2.0 << 0.0;
    QTest::newRow("half") << QByteArray("7/2") << 3.5 << 0.0;
    QTest::newRow("half back to whole") << QByteArray("7/2*2") << 7.0 << 0.0;
    QTest::newRow("game sum of five") << QByteArray("20*19-18/3+17") << 391.0 << 0.0;
    QTest::newRow("parentheses") << QByteArray("(1+2)*3") << 9.0 << 0.0;
    QTest::newRow("nested parentheses") << QByteArray("((5))") << 5.0 << 0.0;
    QTest::newRow("two parenthesised") << QByteArray("(1)+(2)") << 3.0 << 0.0;
    QTest::newRow("leading zeros") << QByteArray("007") << 7.0 << 0.0;
    QTest::newRow("point first") << QByteArray(".5") << 0.5 << 0.0;
    QTest::newRow("fraction") << QByteArray("2.25*4") << 9.0 << 0.0;
    QTest::newRow("unary minus") << QByteArray("-5") << -5.0 << 0.0;
    QTest::newRow("unary minus of group") << QByteArray("-(2+3)") << -5.0 << 0.0;
    QTest::newRow("unary minus then plus") << QByteArray("-2+3") << 1.0 << 0.0;
    QTest::newRow("unary minus of product") << QByteArray("-2*3") << -6.0 << 0.0;
    QTest::newRow("negative in parentheses") << QByteArray("2*(-3)") << -6.0 << 0.0;
    QTest::newRow("power groups with product") << QByteArray("2*3^2") << 36.0 << 1e-15;
    QTest::newRow("power groups left") << QByteArray("2^3^2") << 64.0 << 1e-15;
    QTest::newRow("minus before power") << QByteArray("-2^2") << -4.0 << 1e-15;
    QTest::newRow("positive base any exponent") << QByteArray("2^0") << 1.0 << 0.0;
    QTest::newRow("square root") << QByteArray("9^0.5") << 3.0 << 1e-15;
    QTest::newRow("negative base even") << QByteArray("(0-8)^2") << 64.0 << 0.0;
    QTest::newRow("negative base odd") << QByteArray("(0-2)^3") << -8.0 << 0.0;
    QTest::newRow("negative base negative exponent") << QByteArray("(0-2)^(0-2)") << 0.25 << 0.0;
    QTest::newRow("zero to zero is zero") << QByteArray("0^0") << 0.0 << 0.0;
    QTest::newRow("negative to zero is zero") << QByteArray("(0-2)^0") << 0.0 << 0.0;
    QTest::newRow("pi") << QByteArray("pi") << M_PI << 1e-15;
    QTest::newRow("PI") << QByteArray("PI") << M_PI << 1e-15;
    QTest::newRow("e") << QByteArray("e") << M_E << 1e-15;
    QTest::newRow("E") << QByteArray("E") << M_E << 1e-15;
    QTest::newRow("ln of e") << QByteArray("ln(e)") << 1.0 << 1e-15;
    QTest::newRow("sin 0") << QByteArray("sin(0)") << 0.0 << 0.0;
    QTest::newRow("cos 0") << QByteArray("cos(0)") << 1.0 << 0.0;
    QTest::newRow("sin of a sum") << QByteArray("sin(1+2)") << std::sin(3.0) << 1e-15;
    QTest::newRow("function then product") << QByteArray("sin(1)*2") << 2 * std::sin(1.0) << 1e-15;
    QTest::newRow("abs") << QByteArray("abs(0-3)") << 3.0 << 0.0;
    QTest::newRow("sine out of range") << QByteArray("sin(9223372036854775808)") << 0.0 << 0.0;
    QTest::newRow("cosine out of range") << QByteArray("cos(10000000000000000000)") << 0.0 << 0.0;
}

void EvaluatorTest::values()
{
    QFETCH(QByteArray, text);
    QFETCH(double, expected);
    QFETCH(double, tolerance);

    const long double value = EvaluateFresh(text);

    QCOMPARE(EvalStatus.Code, std::uint8_t {NoError});
    if (tolerance == 0)
        QVERIFY2(value == static_cast<long double>(expected),
                 qPrintable(QString::number(double(value), 'g', 20)));
    else
        QVERIFY2(std::fabs(value - expected) <= tolerance * std::max(1.0, std::fabs(expected)),
                 qPrintable(QString::number(double(value), 'g', 20)));
}

void EvaluatorTest::errors_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArray>("statusText");

    QTest::newRow("empty") << QByteArray("") << 2 << QByteArray("");
    QTest::newRow("empty parentheses") << QByteArray("()") << 2 << QByteArray("");
    QTest::newRow("point") << QByteArray(".") << 2 << QByteArray(".");
    QTest::newRow("trailing point") << QByteArray("5.") << 2 << QByteArray("5.");
    QTest::newRow("two points") << QByteArray("1.2.3") << 2 << QByteArray("1.2.3");
    QTest::newRow("leading plus") << QByteArray("+5") << 2 << QByteArray("");
    QTest::newRow("trailing operator") << QByteArray("5+") << 2 << QByteArray("");
    QTest::newRow("minus after times") << QByteArray("2*-3") << 2 << QByteArray("");
    QTest::newRow("double minus") << QByteArray("5--3") << 2 << QByteArray("");
    QTest::newRow("minus exponent") << QByteArray("2^-1") << 2 << QByteArray("");
    QTest::newRow("divide by zero") << QByteArray("4/0") << 1 << untouched;
    QTest::newRow("divide by zero sum") << QByteArray("4/(2-2)") << 1 << untouched;
    QTest::newRow("fractional power of negative") << QByteArray("(0-8)^0.5") << 4 << QByteArray("(0-8)^0.5");
    QTest::newRow("cube root of negative") << QByteArray("(0-8)^(1/3)") << 4 << QByteArray("(0-8)^(1/3)");
    QTest::newRow("zero to negative") << QByteArray("0^(0-1)") << 5 << untouched;
    QTest::newRow("ln 0") << QByteArray("ln(0)") << 6 << untouched;
    QTest::newRow("ln negative") << QByteArray("ln(0-1)") << 6 << untouched;
    QTest::newRow("Pi") << QByteArray("Pi") << 3 << QByteArray("Pi");
    QTest::newRow("E1") << QByteArray("E1") << 3 << QByteArray("E1");
    QTest::newRow("upper-case function") << QByteArray("SIN(0)") << 3 << QByteArray("SIN(0)");
    QTest::newRow("function without close") << QByteArray("sin(0") << 3 << QByteArray("sin(0");
    QTest::newRow("exponent notation") << QByteArray("1e5") << 3 << QByteArray("1e5");
    QTest::newRow("empty slot") << QByteArray("3?4") << 3 << QByteArray("3?4");
    QTest::newRow("empty slot in a sum") << QByteArray("3?4+5") << 3 << QByteArray("3?4");
    QTest::newRow("leading blank") << QByteArray(" 1") << 3 << QByteArray(" 1");
    QTest::newRow("later blank wins") << QByteArray("1 + 2") << 3 << QByteArray(" 2");
    QTest::newRow("decimal comma") << QByteArray("1,5") << 3 << QByteArray("1,5");
    QTest::newRow("implicit product") << QByteArray("2(3)") << 3 << QByteArray("2(3)");
    QTest::newRow("unclosed parenthesis") << QByteArray("(1+2") << 3 << QByteArray("(1+2");
    QTest::newRow("extra close after sum") << QByteArray("1+2)") << 3 << QByteArray("1+2)");
    QTest::newRow("unclosed after sum") << QByteArray("1+(2") << 3 << QByteArray("1+(2");
    QTest::newRow("extra close after product") << QByteArray("2*3)") << 3 << QByteArray("2*3)");
    QTest::newRow("close first") << QByteArray(")1+2(") << 3 << QByteArray(")1+2(");

    // A failure does not stop the evaluation: later steps see zeros.
    QTest::newRow("division after error") << QByteArray("x+6/3") << 1 << QByteArray("x");
    QTest::newRow("divisor with empty slot") << QByteArray("3/2?4") << 1 << QByteArray("2?4");
    QTest::newRow("logarithm after error") << QByteArray("x+ln(2)") << 6 << QByteArray("x");
    QTest::newRow("power after error") << QByteArray("x+2^3") << 3 << QByteArray("x");
    QTest::newRow("later error replaces text") << QByteArray("a+b") << 3 << QByteArray("b");
}

void EvaluatorTest::errors()
{
    QFETCH(QByteArray, text);
    QFETCH(int, code);
    QFETCH(QByteArray, statusText);

    QCOMPARE(EvaluateFresh(text), 0.0L);
    QCOMPARE(int(EvalStatus.Code), code);
    QCOMPARE(StatusText(), statusText);
}

void EvaluatorTest::unresetCodeKeepsReturningZero()
{
    EvaluateFresh("4/0");
    QCOMPARE(EvaluateExpression("1+1"), 0.0L);
    QCOMPARE(int(EvalStatus.Code), int(DivisionByZero));

    EvalStatus.Code = NoError;
    QCOMPARE(EvaluateExpression("1+1"), 2.0L);
}

void EvaluatorTest::piIsTheFpuConstant()
{
    const long double pi = EvaluateFresh("pi");
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &pi, sizeof bytes);
    std::uint64_t significand = 0;
    std::memcpy(&significand, bytes, sizeof significand);
    std::uint16_t signAndExponent = 0;
    std::memcpy(&signAndExponent, bytes + 8, sizeof signAndExponent);

    QCOMPARE(significand, std::uint64_t {0xC90FDAA22168C235});
    QCOMPARE(signAndExponent, std::uint16_t {0x4000});
}

void EvaluatorTest::messages_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");

    const QString keep = QStringLiteral("poprzedni tekst");
    QTest::newRow("0") << 0 << QStringLiteral("bez błędu");
    QTest::newRow("1") << 1 << QStringLiteral("dzielenie przez zero");
    QTest::newRow("2") << 2 << QStringLiteral("błąd składni :");
    QTest::newRow("3") << 3 << QStringLiteral("nieznane wyrażenie :");
    QTest::newRow("4") << 4 << QStringLiteral("ujemna do potegi niecałkowitej :");
    QTest::newRow("5") << 5 << QStringLiteral("0 do potegi ujemnej");
    QTest::newRow("6 has none") << 6 << keep;
    QTest::newRow("overflow has none") << int(Overflow) << keep;
    QTest::newRow("255") << 255 << keep;
}

void EvaluatorTest::messages()
{
    QFETCH(int, code);
    QFETCH(QString, message);

    std::string destination = "poprzedni tekst";
    EvalErrorMessage(static_cast<std::uint8_t>(code), destination);
    QCOMPARE(QString::fromStdString(destination), message);
}

void EvaluatorTest::hostileTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("expected");

    const QByteArray deepest = QByteArray(126, '(') + "11" + QByteArray(126, ')');
    QTest::newRow("254 characters, 126 deep") << deepest << 0 << 11.0;
    QTest::newRow("255 characters") << QByteArray(126, '(') + "111" + QByteArray(126, ')') << 3 << 0.0;
    QTest::newRow("100 000 nested parentheses")
        << QByteArray(100000, '(') + "1" + QByteArray(100000, ')') << 3 << 0.0;
    QTest::newRow("1 MB of sums") << QByteArray(1 << 20, '+') << 3 << 0.0;
    QTest::newRow("NUL bytes") << QByteArray("1\0+2", 4) << 3 << 0.0;
    QTest::newRow("only NUL") << QByteArray(1, '\0') << 3 << 0.0;
    QTest::newRow("high bytes") << QByteArray("\xff\xfe+1") << 3 << 0.0;
    QTest::newRow("254 digits") << QByteArray(254, '9') << 0 << 1e254;
    QTest::newRow("power overflow") << QByteArray("99^99^99") << int(Overflow) << 0.0;
    QTest::newRow("product overflow") << QByteArray("(9^999)^4*(9^999)^4") << int(Overflow) << 0.0;
    QTest::newRow("exponent beyond 32 bits") << QByteArray("(0-99)^(99^99)") << 4 << 0.0;
    QTest::newRow("exponent 2^31-1 of -1") << QByteArray("(0-1)^2147483647") << 0 << -1.0;
    QTest::newRow("exponent -2^31 of -1") << QByteArray("(0-1)^(0-2147483648)") << 0 << 1.0;
    QTest::newRow("long integer power overflows") << QByteArray("(0-2)^2147483647") << int(Overflow) << 0.0;
    QTest::newRow("long integer power underflows") << QByteArray("(0-0.5)^2147483646") << 0 << 0.0;
    QTest::newRow("exponent notation") << QByteArray("1e99999") << 3 << 0.0;
}

void EvaluatorTest::hostileTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(int, code);
    QFETCH(double, expected);

    const long double first = EvaluateFresh(text);
    const int firstCode = EvalStatus.Code;
    const long double second = EvaluateFresh(text);

    QCOMPARE(firstCode, code);
    QCOMPARE(int(EvalStatus.Code), code);
    QVERIFY(first == second);
    QCOMPARE(double(first), expected);
}

QTEST_APPLESS_MAIN(EvaluatorTest)
#include "tst_evaluator.moc"
