// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCryptographicHash>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "desktop_metrics.h"
#include "gform.h"

using namespace kwintor;

namespace {

// A window as the game's windows are, rendered onto an image of the ratio
// a screen would give it.
constexpr TBorderIcons MainIcons = biSystemMenu | biMinimize | biMaximize;

struct CaptionCase {
    int width = 640;
    TBorderIcons icons = MainIcons;
    QString title;
    bool active = true;
    bool maximized = false;
    int stripeWidth = 1;
};

// Diagonal stripes `width` pixels wide on a 32-pixel picture: at width 1
// a detail that only a 32-pixel place shows, at 3 one that a 20-pixel place
// shows blurred but a 16-pixel copy of it blown up does not.
QIcon StripedIcon(int width)
{
    QImage stripes(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            stripes.setPixel(x, y, (x + y) / width % 2 ? qRgb(255, 255, 0) : qRgb(0, 128, 0));
    return QIcon(QPixmap::fromImage(stripes));
}

QImage Render(const CaptionCase& shown, qreal ratio)
{
    TGradientForm form;
    form.SetGradientStartColor(127);
    form.SetGradientStopColor(0xFF0000);
    form.SetBorderIcons(shown.icons);
    form.setWindowIcon(StripedIcon(shown.stripeWidth));
    form.setWindowTitle(shown.title);
    form.resize(shown.width, 60);
    if (shown.maximized)
        form.setWindowState(Qt::WindowMaximized);
    QImage surface(QSize(qRound(form.width() * ratio), qRound(form.height() * ratio)), QImage::Format_RGB32);
    surface.setDevicePixelRatio(ratio);
    surface.fill(Qt::white);
    QPainter painter(&surface);
    form.RenderCaptionBar(painter, shown.active);
    return surface;
}

QByteArray Digest(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const QByteArrayView bytes(pixels.constBits(), pixels.sizeInBytes());
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16);
}

// The first device pixel whose centre lies in logical pixel `logical`.
int DeviceEdge(int logical, qreal ratio) { return qRound(logical * ratio); }

// Logical pixels of `area` whose device pixels do not all share one colour.
// An image drawn at 1x and scaled up has none.
int SplitLogicalPixels(const QImage& image, const QRect& area, qreal ratio)
{
    int split = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb first = image.pixel(DeviceEdge(x, ratio), DeviceEdge(y, ratio));
            bool uniform = true;
            for (int dy = DeviceEdge(y, ratio); dy < DeviceEdge(y + 1, ratio); ++dy)
                for (int dx = DeviceEdge(x, ratio); dx < DeviceEdge(x + 1, ratio); ++dx)
                    uniform = uniform && image.pixel(dx, dy) == first;
            split += uniform ? 0 : 1;
        }
    return split;
}

// Where the text and the icon land in the window: after the frame and the
// icon; the icon one pixel into the bar and one to the right of its start.
constexpr int BarLeft = desktop::SizingFrame;
constexpr int BarTop = desktop::SizingFrame;
const QRect TextArea(BarLeft + 2 + desktop::SmallIconSize + 2, BarTop + 2, 60, desktop::CaptionHeight - 5);
const QRect IconArea(BarLeft + 2, BarTop + 1, desktop::SmallIconSize, desktop::SmallIconSize);

}  // namespace

Q_DECLARE_METATYPE(CaptionCase)

class CaptionResolutionTest : public QObject {
    Q_OBJECT

private slots:
    void unchangedAtRatioOne_data();
    void unchangedAtRatioOne();
    void drawnAtDeviceResolution_data();
    void drawnAtDeviceResolution();
    void iconAtDeviceSize();
    void gradientBandsInLogicalPixels_data();
    void gradientBandsInLogicalPixels();
};

// Digests of the captions as they were drawn before device ratios counted.
void CaptionResolutionTest::unchangedAtRatioOne_data()
{
    QTest::addColumn<CaptionCase>("shown");
    QTest::addColumn<QByteArray>("digest");

    const TBorderIcons helpAndMaximize = biSystemMenu | biMaximize | biHelp;
    QTest::newRow("main window") << CaptionCase {640, MainIcons, QStringLiteral("Poziom 1")}
                                 << QByteArray("af91dd49c5f65609");
    // Maximised, the bar has no sizing frame around it and starts at the corner.
    QTest::newRow("inactive, maximised")
        << CaptionCase {640, MainIcons, QStringLiteral("Poziom 12"), false, true}
        << QByteArray("5d33166ccaa1668d");
    QTest::newRow("dialog, text only")
        << CaptionCase {300, 0, QStringLiteral("Poziom trudności testu")} << QByteArray("552218fa4f9bac95");
    QTest::newRow("narrow, in bands") << CaptionCase {60, 0, {}} << QByteArray("a0a08587622b00b9");
    QTest::newRow("narrow, inactive bands")
        << CaptionCase {50, 0, {}, false} << QByteArray("87ef89418e704572");
    QTest::newRow("greyed minimise, cut text")
        << CaptionCase {200, helpAndMaximize, QStringLiteral("Najlepsze wyniki z gier")}
        << QByteArray("2c24fe2c58a339da");
    QTest::newRow("help button") << CaptionCase {240, biSystemMenu | biHelp, QStringLiteral("O programie")}
                                 << QByteArray("c79fc7c1bc491f7a");
}

void CaptionResolutionTest::unchangedAtRatioOne()
{
    QFETCH(CaptionCase, shown);
    QFETCH(QByteArray, digest);

    QCOMPARE(Digest(Render(shown, 1)), digest);
}

void CaptionResolutionTest::drawnAtDeviceResolution_data()
{
    QTest::addColumn<qreal>("ratio");

    QTest::newRow("1") << qreal(1);
    QTest::newRow("1.25") << qreal(1.25);
    QTest::newRow("1.5") << qreal(1.5);
    QTest::newRow("2") << qreal(2);
}

// Text and icon have detail finer than a logical pixel wherever there are
// device pixels to show it.
void CaptionResolutionTest::drawnAtDeviceResolution()
{
    QFETCH(qreal, ratio);

    const QImage image =
        Render({640, MainIcons, QStringLiteral("Kwintor-matematyczny test"), true, false, 3}, ratio);
    const int textSplit = SplitLogicalPixels(image, TextArea, ratio);
    const int iconSplit = SplitLogicalPixels(image, IconArea, ratio);
    if (ratio == 1) {
        QCOMPARE(textSplit, 0);
        return;
    }
    QVERIFY2(textSplit > 20, qPrintable(QString::number(textSplit)));
    QVERIFY2(iconSplit > 20, qPrintable(QString::number(iconSplit)));
}

// At ratio 2 the 32-pixel picture fits the 16-pixel place exactly: the icon
// shows it pixel for pixel, not a 16-pixel copy blown up.
void CaptionResolutionTest::iconAtDeviceSize()
{
    const QImage image = Render({}, 2);
    QImage icon = image.copy(QRect(IconArea.topLeft() * 2, IconArea.size() * 2));
    icon.setDevicePixelRatio(1);
    QCOMPARE(icon, StripedIcon(1).pixmap(32).toImage().convertToFormat(QImage::Format_RGB32));
}

void CaptionResolutionTest::gradientBandsInLogicalPixels_data() { drawnAtDeviceResolution_data(); }

// Each logical column of the gradient keeps the colour it has at 1x over
// all its device pixels, in bands and in the stretched strip alike.
void CaptionResolutionTest::gradientBandsInLogicalPixels()
{
    QFETCH(qreal, ratio);

    for (const int width : {56, 640}) {
        const CaptionCase bare {width, 0, {}};
        const QImage flat = Render(bare, 1);
        const QImage fine = Render(bare, ratio);
        const int row = BarTop + 3;
        const int lastColumn = width - desktop::SizingFrame - 1;
        QCOMPARE(SplitLogicalPixels(fine, QRect(BarLeft, row, lastColumn - BarLeft + 1, 1), ratio), 0);
        for (int x = BarLeft; x <= lastColumn; ++x)
            QCOMPARE(fine.pixel(DeviceEdge(x, ratio), DeviceEdge(row, ratio)), flat.pixel(x, row));
    }
}

QTEST_MAIN(CaptionResolutionTest)
#include "tst_caption_resolution.moc"
