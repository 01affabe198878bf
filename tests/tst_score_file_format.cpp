// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTest>

#include "score_file_error.h"
#include "score_file_format.h"

using namespace kwintor;

namespace {

// The first entries a file should read as; the rest must come out empty.
using Entries = QList<QPair<QString, int>>;

ScoreTableEntries Filled(const QString& name)
{
    ScoreTableEntries table;
    for (std::size_t number = 1; number <= ScoreTableSize; ++number)
        table[number] = {name, 999};
    return table;
}

using Reader = void (*)(const QByteArray& file, ScoreTableEntries& table);

void ReadWhole(const QByteArray& file, ScoreTableEntries& table) { ReadScoreFile(file, table); }

// Hands the file over one byte at a time, so that every line, name and
// number is split between pieces somewhere.
void ReadByteByByte(const QByteArray& file, ScoreTableEntries& table)
{
    qsizetype position = 0;
    ReadScoreFile(
        [&] {
            const qsizetype start = std::exchange(position, std::min(position + 1, file.size()));
            return QByteArrayView(file).sliced(start, position - start);
        },
        table);
}

const Reader Readers[] = {ReadWhole, ReadByteByByte};

}  // namespace

class ScoreFileFormatTest : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void badScores_data();
    void badScores();
    void polishNamesRoundTripByteForByte();
    void namesThatWouldBreakTheFileAreWrittenVisibly_data();
    void namesThatWouldBreakTheFileAreWrittenVisibly();
    void writesTheGamesOwnForm();
};

void ScoreFileFormatTest::reading_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Entries>("entries");

    QTest::newRow("empty file") << QByteArray() << Entries {};
    QTest::newRow("own form") << QByteArray("Ala\r\n12\r\nOla\r\n7\r\n") << Entries {{"Ala", 12}, {"Ola", 7}};
    QTest::newRow("blanks around the score")
        << QByteArray("Ala\r\n \t 12  \r\nOla\r\n7\r\n") << Entries {{"Ala", 12}, {"Ola", 7}};
    QTest::newRow("blank lines before the score")
        << QByteArray("Ala\r\n\r\n\r\n12\r\nOla\r\n7\r\n") << Entries {{"Ala", 12}, {"Ola", 7}};
    QTest::newRow("words after the score")
        << QByteArray("Ala\r\n12 punktów\r\nOla\r\n7\r\n") << Entries {{"Ala", 12}, {"Ola", 7}};
    QTest::newRow("CR alone ends a line")
        << QByteArray("Ala\r12\rOla\r7\r") << Entries {{"Ala", 12}, {"Ola", 7}};
    QTest::newRow("LF alone is part of the name")
        << QByteArray("Ala\n12\nOla\n7\n") << Entries {{"Ala\n12\nOla\n7\n", 0}};
    QTest::newRow("byte 26 ends the file")
        << QByteArray("Ala\r\n12\r\nOla\x1A\r\n7\r\n") << Entries {{"Ala", 12}, {"Ola", 0}};
    QTest::newRow("name without a score") << QByteArray("Ala") << Entries {{"Ala", 0}};
    QTest::newRow("empty names") << QByteArray("\r\n5\r\n\r\n6\r\n") << Entries {{"", 5}, {"", 6}};
    QTest::newRow("65536 keeps its low bits") << QByteArray("A\r\n65536\r\n") << Entries {{"A", 0}};
    QTest::newRow("-1 keeps its low bits") << QByteArray("A\r\n-1\r\n") << Entries {{"A", 65535}};
    QTest::newRow("plus sign") << QByteArray("A\r\n+5\r\n") << Entries {{"A", 5}};
    QTest::newRow("hexadecimal") << QByteArray("A\r\n$1F\r\n") << Entries {{"A", 31}};
    QTest::newRow("largest 32-bit") << QByteArray("A\r\n2147483647\r\n") << Entries {{"A", 65535}};
    QTest::newRow("smallest 32-bit") << QByteArray("A\r\n-2147483648\r\n") << Entries {{"A", 0}};
    QTest::newRow("Polish name") << QByteArray("\xA3\xF3\x64\x9F\r\n3\r\n") << Entries {{"Łódź", 3}};

    const QByteArray longName(300, 'x');
    QTest::newRow("name over 255 characters") << longName + "\r\n4\r\n" << Entries {{QString(longName), 4}};

    QByteArray sixteen;
    for (int i = 1; i <= 16; ++i)
        sixteen += "N" + QByteArray::number(i) + "\r\n" + QByteArray::number(i) + "\r\n";
    Entries fifteen;
    for (int i = 1; i <= 15; ++i)
        fifteen << qMakePair(QStringLiteral("N%1").arg(i), i);
    QTest::newRow("after the fifteenth nothing is read") << sixteen + "not a number\r\n" << fifteen;
    QTest::newRow("number of 32 characters then more") << QByteArray("A\r\n") + QByteArray(31, '0') + "7" +
            "8\r\nB\r\n" << Entries {{"A", 7}, {"B", 0}};
}

void ScoreFileFormatTest::reading()
{
    QFETCH(QByteArray, file);
    QFETCH(Entries, entries);

    for (const Reader read : Readers) {
        ScoreTableEntries table = Filled(QStringLiteral("stale"));
        read(file, table);

        for (std::size_t number = 1; number <= ScoreTableSize; ++number) {
            const auto expected = number <= std::size_t(entries.size()) ? entries[qsizetype(number) - 1]
                                                                        : qMakePair(QString(), 0);
            QCOMPARE(table[number].Name, expected.first);
            QCOMPARE(int(table[number].Score), expected.second);
        }
    }
}

void ScoreFileFormatTest::badScores_data()
{
    QTest::addColumn<QByteArray>("score");

    QTest::newRow("letters after digits") << QByteArray("12abc");
    QTest::newRow("letters") << QByteArray("dwanaście");
    QTest::newRow("beyond 32 bits") << QByteArray("2147483648");
    QTest::newRow("below 32 bits") << QByteArray("-2147483649");
    QTest::newRow("two signs") << QByteArray("+-5");
    QTest::newRow("sign alone") << QByteArray("-");
    QTest::newRow("dollar alone") << QByteArray("$");
    QTest::newRow("fraction") << QByteArray("1.5");
    QTest::newRow("C hexadecimal") << QByteArray("0x10");
    QTest::newRow("hexadecimal beyond 32 bits") << QByteArray("$100000000");
}

// The entries before the bad score and the name of its entry are read
// already; the rest stays as it was.
void ScoreFileFormatTest::badScores()
{
    QFETCH(QByteArray, score);

    for (const Reader read : Readers) {
        ScoreTableEntries table = Filled(QStringLiteral("stale"));
        try {
            read("Ala\r\n12\r\nOla\r\n" + score + "\r\nEla\r\n3\r\n", table);
            QFAIL("the bad score was read");
        } catch (const ScoreFileError& error) {
            QCOMPARE(error.Code(), int(ScoreFileError::InvalidNumericInput));
            QCOMPARE(QString::fromUtf8(error.what()), QStringLiteral("Invalid numeric input"));
        }
        QCOMPARE(table[1].Name, QStringLiteral("Ala"));
        QCOMPARE(table[1].Score, std::uint16_t {12});
        QCOMPARE(table[2].Name, QStringLiteral("Ola"));
        QCOMPARE(table[2].Score, std::uint16_t {999});
        QCOMPARE(table[3].Name, QStringLiteral("stale"));
    }
}

void ScoreFileFormatTest::polishNamesRoundTripByteForByte()
{
    ScoreTableEntries table;
    table[1] = {QStringLiteral("Zażółć gęślą jaźń"), 40};
    table[2] = {QStringLiteral("ŻÓŁW"), 7};
    const QByteArray file = WriteScoreFile(table);

    QVERIFY(file.startsWith("Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1\r\n40\r\n\xAF\xD3\xA3W\r\n7\r\n"));
    ScoreTableEntries readBack;
    ReadScoreFile(file, readBack);
    QCOMPARE(readBack[1].Name, table[1].Name);
    QCOMPARE(readBack[2].Name, table[2].Name);
    QCOMPARE(WriteScoreFile(readBack), file);
}

void ScoreFileFormatTest::namesThatWouldBreakTheFileAreWrittenVisibly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("outside the code page") << QStringLiteral("Ω日本") << QByteArray("???");
    QTest::newRow("emoji") << QStringLiteral("a😀") << QByteArray("a??");
    QTest::newRow("carriage return") << QStringLiteral("a\rb") << QByteArray("a?b");
    QTest::newRow("byte 26") << QStringLiteral("a\x1A") << QByteArray("a?");
    // A line feed reads back as part of the name, so it is kept.
    QTest::newRow("line feed") << QStringLiteral("a\nb") << QByteArray("a\nb");
}

void ScoreFileFormatTest::namesThatWouldBreakTheFileAreWrittenVisibly()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, written);

    ScoreTableEntries table;
    table[1] = {name, 9};
    const QByteArray file = WriteScoreFile(table);

    QVERIFY2(file.startsWith(written + "\r\n9\r\n"), file.left(20).toHex().constData());
    QVERIFY(!file.contains('\x1A'));
    ScoreTableEntries readBack;
    ReadScoreFile(file, readBack);
    QCOMPARE(readBack[1].Score, std::uint16_t {9});
    QCOMPARE(readBack[2].Name, QString());
}

void ScoreFileFormatTest::writesTheGamesOwnForm()
{
    ScoreTableEntries table;
    table[1] = {QStringLiteral("Ala"), 12};
    QByteArray expected = "Ala\r\n12\r\n";
    for (std::size_t i = 2; i <= ScoreTableSize; ++i)
        expected += "\r\n0\r\n";
    QCOMPARE(WriteScoreFile(table), expected);
}

QTEST_APPLESS_MAIN(ScoreFileFormatTest)
#include "tst_score_file_format.moc"
