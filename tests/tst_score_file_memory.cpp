// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTest>

#include <unistd.h>

#include "heap_watermark.h"
#include "score_file_error.h"
#include "score_file_sandbox.h"
#include "score_table.h"

using namespace kwintor;

namespace {

// What a load may hold at most, beyond the file's own bytes read in and
// the names decoded from them.
constexpr std::size_t BytesPerFileByte = 8;
constexpr std::size_t FixedBytes = std::size_t {64} * 1024;

QByteArray Repeated(const QByteArray& piece, qsizetype size)
{
    QByteArray bytes;
    bytes.reserve(size);
    while (bytes.size() < size)
        bytes += piece;
    bytes.truncate(size);
    return bytes;
}

QByteArray FifteenEntries()
{
    QByteArray entries;
    for (int number = 1; number <= 15; ++number)
        entries += "Gracz " + QByteArray::number(number) + "\r\n" + QByteArray::number(100 - number) + "\r\n";
    return entries;
}

constexpr qint64 HugeFileSize = qint64(200) << 20;
constexpr std::size_t HugeFileHeapBytes = 16 << 20;

}  // namespace

// Whatever lies in the score file, loading it costs memory in proportion to
// its size: a damaged or hostile file must not exhaust the machine.
class ScoreFileMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void loadStaysWithinItsFile_data();
    void loadStaysWithinItsFile();
    void hugeFileAfterItsEntries_data();
    void hugeFileAfterItsEntries();
};

void ScoreFileMemoryTest::initTestCase()
{
    if (!heap_watermark::Supported())
        QSKIP("AddressSanitizer owns malloc here; the normal build measures");
}

void ScoreFileMemoryTest::loadStaysWithinItsFile_data()
{
    QTest::addColumn<QByteArray>("bytes");

    for (const qsizetype size : {qsizetype(4) << 10, qsizetype(1) << 20, qsizetype(8) << 20}) {
        const QByteArray kib = QByteArray::number(size >> 10) + " KiB";
        QTest::newRow(kib + ", one name") << Repeated("a", size);
        QTest::newRow(kib + ", Polish letters") << Repeated("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF", size);
        QTest::newRow(kib + ", short lines") << Repeated("Ola\r\n7\r\n", size);
        QTest::newRow(kib + ", line ends only") << Repeated("\r\n", size);
        QTest::newRow(kib + ", control characters") << Repeated("\x01\x02\t\n", size);
        QTest::newRow(kib + ", digits") << Repeated("x\r9", size);
        QTest::newRow(kib + ", names after a short table") << "Ala\r\n1\r\n" + Repeated("b\r\n", size);
    }
}

void ScoreFileMemoryTest::loadStaysWithinItsFile()
{
    QFETCH(QByteArray, bytes);

    const ScoreFileSandbox sandbox;
    ScoreFileSandbox::Write(bytes);
    const std::size_t fileSize = std::size_t(bytes.size());
    bytes = QByteArray();

    heap_watermark::Reset();
    try {
        LoadScoreTable();
    } catch (const ScoreFileError&) {  // NOLINT(bugprone-empty-catch)
        // A bad score ends the load; what it held by then counts all the same.
    }
    const std::size_t growth = heap_watermark::PeakGrowth();
    ScoreTable = {};

    QVERIFY2(growth <= BytesPerFileByte * fileSize + FixedBytes,
             qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(growth).arg(fileSize)));
}

void ScoreFileMemoryTest::hugeFileAfterItsEntries_data()
{
    QTest::addColumn<QByteArray>("entries");  // then zero bytes up to 200 MiB

    QTest::newRow("after the last line") << FifteenEntries();
    QTest::newRow("on the last score's line") << FifteenEntries().chopped(2) + " punktów";
}

// What follows the fifteen entries is never read: a file grown huge by
// accident or malice loads as small as a plain one (and, bench/ shows, as fast).
void ScoreFileMemoryTest::hugeFileAfterItsEntries()
{
    QFETCH(QByteArray, entries);

    const ScoreFileSandbox sandbox;
    ScoreFileSandbox::Write(entries);
    QVERIFY(::truncate(qPrintable(ScoreFileName), HugeFileSize) == 0);

    heap_watermark::Reset();
    LoadScoreTable();
    const std::size_t growth = heap_watermark::PeakGrowth();

    QCOMPARE(ScoreTable[15].Name, QStringLiteral("Gracz 15"));
    QCOMPARE(ScoreTable[15].Score, std::uint16_t {85});
    ScoreTable = {};
    QVERIFY2(growth < HugeFileHeapBytes, qPrintable(QStringLiteral("%1 bytes").arg(growth)));
}

QTEST_GUILESS_MAIN(ScoreFileMemoryTest)
#include "tst_score_file_memory.moc"
