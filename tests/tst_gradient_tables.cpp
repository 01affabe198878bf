// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QObject>
#include <QPainter>
#include <QRgb>
#include <QTest>

#include "caption_painter.h"
#include "gradient_tables.h"

using namespace kwintor;

namespace {

std::uint32_t Rgb(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red) | static_cast<std::uint32_t>(green) << 8 |
        static_cast<std::uint32_t>(blue) << 16;
}

}  // namespace

class GradientTablesTest : public QObject {
    Q_OBJECT

private slots:
    void activeCaptionEntries_data();
    void activeCaptionEntries();
    void tieBrokenByTheHeldStep();
    void equalColoursGiveEqualEntries();
    void firstAndLastAreTheEnds_data();
    void firstAndLastAreTheEnds();
    void heldWith40Bits_data();
    void heldWith40Bits();
    void bandEdges_data();
    void bandEdges();
    void bandsOrStrip_data();
    void bandsOrStrip();
    void narrowBarShowsTheBandsColours();
    void stripCoversTheBarEnds();
};

void GradientTablesTest::activeCaptionEntries_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<uint>("color");

    QTest::newRow("0") << 0 << uint {Rgb(127, 0, 0)};
    QTest::newRow("1") << 1 << uint {Rgb(125, 0, 4)};
    QTest::newRow("2") << 2 << uint {Rgb(123, 0, 8)};
    QTest::newRow("31") << 31 << uint {Rgb(65, 0, 125)};
    QTest::newRow("32") << 32 << uint {Rgb(62, 0, 130)};
    QTest::newRow("62") << 62 << uint {Rgb(2, 0, 251)};
    QTest::newRow("63") << 63 << uint {Rgb(0, 0, 255)};
}

void GradientTablesTest::activeCaptionEntries()
{
    QFETCH(int, entry);
    QFETCH(uint, color);
    const GradientTable table = BuildGradientTable(Rgb(127, 0, 0), Rgb(0, 0, 255), 64);
    QCOMPARE(uint {table[static_cast<std::size_t>(entry)]}, color);
}

// 2 × 3 / 12 is exactly one half, but the step held at 40 bits lies just
// above one sixth.
void GradientTablesTest::tieBrokenByTheHeldStep()
{
    const GradientTable table = BuildGradientTable(Rgb(0, 0, 0), Rgb(0, 2, 0), 13);
    const std::array<int, 13> expected {0, 0, 0, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2};
    for (std::size_t j = 0; j < expected.size(); ++j)
        QCOMPARE(static_cast<int>((table[j] >> 8) & 0xFF), expected[j]);
}

void GradientTablesTest::equalColoursGiveEqualEntries()
{
    const GradientTable table = BuildGradientTable(0x123456, 0x123456, 64);
    for (std::size_t j = 0; j < 64; ++j)
        QCOMPARE(uint {table[j]}, uint {0x123456});
}

void GradientTablesTest::firstAndLastAreTheEnds_data()
{
    QTest::addColumn<int>("count");
    for (int count : {8, 13, 64, 511, 512})
        QTest::addRow("%d", count) << count;
}

void GradientTablesTest::firstAndLastAreTheEnds()
{
    QFETCH(int, count);
    const GradientTable table = BuildGradientTable(Rgb(255, 3, 0), Rgb(0, 200, 255), count);
    QCOMPARE(uint {table[0]}, uint {Rgb(255, 3, 0)});
    QCOMPARE(uint {table[static_cast<std::size_t>(count - 1)]}, uint {Rgb(0, 200, 255)});
}

void GradientTablesTest::heldWith40Bits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("held");

    const double ulp = std::ldexp(1.0, -39);  // of values in [1, 2)
    QTest::newRow("exact") << 0.75 << 0.75;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("half up") << 1.0 + ulp / 2 << 1.0 + ulp;
    QTest::newRow("half away below zero") << -(1.0 + ulp / 2) << -(1.0 + ulp);
    QTest::newRow("below half") << 1.0 + ulp / 4 << 1.0;
}

void GradientTablesTest::heldWith40Bits()
{
    QFETCH(double, value);
    QFETCH(double, held);
    QCOMPARE(static_cast<double>(HeldWith40Bits(value)), held);
}

void GradientTablesTest::bandEdges_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<std::vector<int>>("edges");

    QTest::newRow("6 pixels") << 6 << std::vector<int> {0, 1, 2, 2, 3, 4, 4, 5, 6};
    QTest::newRow("10 pixels") << 10 << std::vector<int> {0, 1, 2, 4, 5, 6, 8, 9, 10};
}

void GradientTablesTest::bandEdges()
{
    QFETCH(int, width);
    QFETCH(std::vector<int>, edges);
    QCOMPARE(BandEdges(width, 8), edges);
}

void GradientTablesTest::bandsOrStrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("palette");
    QTest::addColumn<bool>("bands");

    QTest::newRow("narrower than the colours") << 6 << false << true;
    QTest::newRow("palette surface") << 10 << true << true;
    QTest::newRow("true colour") << 10 << false << false;
    QTest::newRow("as wide as the colours") << 8 << false << false;
}

void GradientTablesTest::bandsOrStrip()
{
    QFETCH(int, width);
    QFETCH(bool, palette);
    QFETCH(bool, bands);
    QCOMPARE(FillsInBands(width, 8, palette), bands);
}

void GradientTablesTest::narrowBarShowsTheBandsColours()
{
    GradientTable table {};
    for (std::size_t j = 0; j < 8; ++j)
        table[j] = Rgb(static_cast<int>(j) * 30, 0, 0);
    QImage bar(6, 2, QImage::Format_RGB32);
    bar.fill(Qt::white);
    {
        QPainter painter(&bar);
        FillGradientBar(painter, bar.rect(), table, 8, false);
    }
    const std::array<int, 6> entries {0, 1, 3, 4, 6, 7};
    for (int x = 0; x < 6; ++x) {
        QCOMPARE(qRed(bar.pixel(x, 0)), entries[static_cast<std::size_t>(x)] * 30);
        QCOMPARE(qRed(bar.pixel(x, 1)), entries[static_cast<std::size_t>(x)] * 30);
    }
}

void GradientTablesTest::stripCoversTheBarEnds()
{
    const GradientTable table = BuildGradientTable(Rgb(127, 0, 0), Rgb(0, 0, 255), 64);
    QImage bar(640, 18, QImage::Format_RGB32);
    bar.fill(Qt::white);
    {
        QPainter painter(&bar);
        FillGradientBar(painter, bar.rect(), table, 64, false);
    }
    QCOMPARE(bar.pixel(0, 0), qRgb(127, 0, 0));
    QCOMPARE(bar.pixel(639, 17), qRgb(0, 0, 255));
    QCOMPARE(bar.pixel(320, 9), qRgb(62, 0, 130));
}

QTEST_GUILESS_MAIN(GradientTablesTest)
#include "tst_gradient_tables.moc"
