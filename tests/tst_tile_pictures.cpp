// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QByteArrayView>
#include <QColor>
#include <QCryptographicHash>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QTest>

#include "tile_pictures.h"

using namespace kwintor;

Q_DECLARE_METATYPE(kwintor::OperatorCode)

namespace {

enum class Ink { Glyph, Outline, Background };

Ink InkAt(const QImage& picture, int column, int row)
{
    const QColor colour = picture.pixelColor(column, row);
    if (colour == TileGlyph)
        return Ink::Glyph;
    return colour == TileOutline ? Ink::Outline : Ink::Background;
}

// Whether a glyph pixel lies within `reach` pixels, diagonals too.
bool TouchesGlyph(const QImage& picture, int column, int row, int reach = 1)
{
    const int last = picture.width() - 1;
    for (int r = std::max(0, row - reach); r <= std::min(last, row + reach); ++r)
        for (int c = std::max(0, column - reach); c <= std::min(last, column + reach); ++c)
            if (InkAt(picture, c, r) == Ink::Glyph)
                return true;
    return false;
}

QByteArray Digest(const QImage& image)
{
    const QByteArrayView bytes(image.constBits(), image.sizeInBytes());
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16);
}

}  // namespace

class TilePicturesTest : public QObject {
    Q_OBJECT

private slots:
    void probes_data();
    void probes();
    void glyphAreaAndOutline_data();
    void glyphAreaAndOutline();
    void unchangedAtRatioOne_data();
    void unchangedAtRatioOne();
    void evenOutlineAtEveryRatio_data();
    void evenOutlineAtEveryRatio();
    void emptySlotHasNoPicture();
};

void TilePicturesTest::probes_data()
{
    QTest::addColumn<OperatorCode>("tile");
    QTest::addColumn<QPoint>("pixel");  // column, row
    QTest::addColumn<int>("ink");

    const int glyph = int(Ink::Glyph);
    const int outline = int(Ink::Outline);
    const int background = int(Ink::Background);
    const auto M = OperatorCode::Minus;
    const auto P = OperatorCode::Plus;
    const auto T = OperatorCode::Multiplication;
    const auto D = OperatorCode::Division;

    QTest::newRow("minus bar left top") << M << QPoint(2, 14) << glyph;
    QTest::newRow("minus bar right bottom") << M << QPoint(29, 17) << glyph;
    QTest::newRow("minus outline left") << M << QPoint(1, 14) << outline;
    QTest::newRow("minus outline right") << M << QPoint(30, 17) << outline;
    QTest::newRow("minus outline corner") << M << QPoint(1, 13) << outline;
    QTest::newRow("minus outline above") << M << QPoint(15, 13) << outline;
    QTest::newRow("minus background edge") << M << QPoint(0, 14) << background;
    QTest::newRow("minus background above") << M << QPoint(15, 12) << background;

    QTest::newRow("plus top of stem") << P << QPoint(14, 3) << glyph;
    QTest::newRow("plus bottom of stem") << P << QPoint(18, 28) << glyph;
    QTest::newRow("plus outline over stem") << P << QPoint(16, 2) << outline;
    QTest::newRow("plus outline beside stem") << P << QPoint(13, 3) << outline;
    QTest::newRow("plus inner corner") << P << QPoint(13, 13) << outline;
    QTest::newRow("plus inner corner right") << P << QPoint(19, 18) << outline;
    QTest::newRow("plus background in corner") << P << QPoint(12, 12) << background;
    QTest::newRow("plus background below") << P << QPoint(16, 30) << background;

    QTest::newRow("dot top row") << T << QPoint(14, 13) << glyph;
    QTest::newRow("dot top row is 3 wide") << T << QPoint(13, 13) << outline;
    QTest::newRow("dot widest row") << T << QPoint(12, 16) << glyph;
    QTest::newRow("dot widest row right") << T << QPoint(18, 16) << glyph;
    QTest::newRow("dot beside widest") << T << QPoint(19, 16) << outline;
    QTest::newRow("dot bottom row") << T << QPoint(16, 19) << glyph;
    QTest::newRow("dot below") << T << QPoint(15, 20) << outline;
    QTest::newRow("dot far below") << T << QPoint(15, 21) << background;

    QTest::newRow("division upper dot top") << D << QPoint(16, 3) << glyph;
    QTest::newRow("division upper dot widest") << D << QPoint(13, 6) << glyph;
    QTest::newRow("division beside upper dot") << D << QPoint(12, 6) << outline;
    QTest::newRow("division gap under upper dot") << D << QPoint(16, 10) << outline;
    QTest::newRow("division gap middle") << D << QPoint(16, 11) << background;
    QTest::newRow("division gap over bar") << D << QPoint(16, 12) << background;
    QTest::newRow("division lower dot bottom") << D << QPoint(17, 28) << glyph;
    QTest::newRow("division below lower dot") << D << QPoint(16, 30) << background;
}

void TilePicturesTest::probes()
{
    QFETCH(OperatorCode, tile);
    QFETCH(QPoint, pixel);
    QFETCH(int, ink);

    QCOMPARE(int(InkAt(TilePicture(tile), pixel.x(), pixel.y())), ink);
}

void TilePicturesTest::glyphAreaAndOutline_data()
{
    QTest::addColumn<OperatorCode>("tile");
    QTest::addColumn<int>("glyphPixels");

    QTest::newRow("minus") << OperatorCode::Minus << 28 * 4;
    QTest::newRow("plus") << OperatorCode::Plus << 28 * 4 + 5 * 26 - 5 * 4;
    QTest::newRow("multiplication") << OperatorCode::Multiplication << 3 + 5 + 7 + 7 + 7 + 5 + 3;
    QTest::newRow("division") << OperatorCode::Division << 28 * 4 + 2 * 37;
}

// Black is exactly the ring of pixels touching the red glyph, corners too.
void TilePicturesTest::glyphAreaAndOutline()
{
    QFETCH(OperatorCode, tile);
    QFETCH(int, glyphPixels);

    const QImage picture = TilePicture(tile);
    QCOMPARE(picture.size(), QSize(TileSize, TileSize));
    int glyphs = 0;
    for (int row = 0; row < TileSize; ++row)
        for (int column = 0; column < TileSize; ++column) {
            const Ink ink = InkAt(picture, column, row);
            if (ink == Ink::Glyph)
                ++glyphs;
            else
                QCOMPARE(ink == Ink::Outline, TouchesGlyph(picture, column, row));
            QVERIFY(ink != Ink::Background || picture.pixelColor(column, row) == TileBackground);
        }
    QCOMPARE(glyphs, glyphPixels);
}

// Digests of the pictures as they were before device ratios counted.
void TilePicturesTest::unchangedAtRatioOne_data()
{
    QTest::addColumn<OperatorCode>("tile");
    QTest::addColumn<QByteArray>("digest");

    QTest::newRow("minus") << OperatorCode::Minus << QByteArray("1ade6ca77bb01562");
    QTest::newRow("plus") << OperatorCode::Plus << QByteArray("e0cee06b0e4e1723");
    QTest::newRow("multiplication") << OperatorCode::Multiplication << QByteArray("58aceace5ad5bd50");
    QTest::newRow("division") << OperatorCode::Division << QByteArray("dd788f27f20298b6");
}

void TilePicturesTest::unchangedAtRatioOne()
{
    QFETCH(OperatorCode, tile);
    QFETCH(QByteArray, digest);

    const QImage picture = TilePicture(tile);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QCOMPARE(Digest(picture), digest);
}

void TilePicturesTest::evenOutlineAtEveryRatio_data()
{
    QTest::addColumn<OperatorCode>("tile");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("outline");  // device pixels
    QTest::addColumn<int>("side");

    const std::pair<const char*, OperatorCode> tiles[] = {{"minus", OperatorCode::Minus},
                                                          {"plus", OperatorCode::Plus},
                                                          {"multiplication", OperatorCode::Multiplication},
                                                          {"division", OperatorCode::Division}};
    for (const auto& [name, tile] : tiles) {
        QTest::addRow("%s at 1", name) << tile << qreal(1) << 1 << 32;
        QTest::addRow("%s at 1.25", name) << tile << qreal(1.25) << 1 << 40;
        QTest::addRow("%s at 1.5", name) << tile << qreal(1.5) << 2 << 48;
        QTest::addRow("%s at 2", name) << tile << qreal(2) << 2 << 64;
    }
}

// Black is exactly the ring of device pixels within the outline's width of
// the red glyph, corners too, so that every edge of it is equally wide; and
// the glyph covers the logical pixels it covers at 1x.
void TilePicturesTest::evenOutlineAtEveryRatio()
{
    QFETCH(OperatorCode, tile);
    QFETCH(qreal, ratio);
    QFETCH(int, outline);
    QFETCH(int, side);

    const QImage picture = TilePicture(tile, ratio);
    QCOMPARE(picture.size(), QSize(side, side));
    QCOMPARE(picture.devicePixelRatio(), ratio);
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const Ink ink = InkAt(picture, column, row);
            if (ink != Ink::Glyph)
                QCOMPARE(ink == Ink::Outline, TouchesGlyph(picture, column, row, outline));
        }
    const QImage flat = TilePicture(tile);
    for (int row = 0; row < TileSize; ++row)
        for (int column = 0; column < TileSize; ++column) {
            const QPoint centre(int((column + 0.5) * ratio), int((row + 0.5) * ratio));
            QCOMPARE(InkAt(picture, centre.x(), centre.y()) == Ink::Glyph,
                     InkAt(flat, column, row) == Ink::Glyph);
        }
}

void TilePicturesTest::emptySlotHasNoPicture() { QVERIFY(TilePicture(OperatorCode::Empty).isNull()); }

QTEST_APPLESS_MAIN(TilePicturesTest)
#include "tst_tile_pictures.moc"
