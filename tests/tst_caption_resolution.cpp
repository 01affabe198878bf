// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QChar>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QTest>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

#include "caption_painter.h"
#include "desktop_metrics.h"
#include "gradient_form.h"
#include "window_frame.h"

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

constexpr int GradientColours = 64;  // a form's own
// The title's colour, active and inactive alike.
const QRgb TitleInk = qRgb(255, 255, 255);

QImage Render(const CaptionCase& shown, qreal ratio)
{
    TGradientForm form;
    form.SetGradientStartColor(CaptionDarkRed);
    form.SetGradientStopColor(CaptionBlue);
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

// Where each part of the bar of `shown` belongs, in window coordinates. A
// maximised bar has no sizing frame and starts at the corner.
struct BarParts {
    QRect bar;
    std::optional<QRect> icon;
    std::vector<CaptionButton> buttons;  // in bar coordinates, as drawn
    QRect title;
};

BarParts PartsOf(const CaptionCase& shown)
{
    const int frame = shown.maximized ? 0 : desktop::SizingFrame;
    BarParts parts;
    parts.bar = QRect(frame, frame, shown.width - 2 * frame, desktop::CaptionHeight - 1);
    EdgeRect text {1, 0, parts.bar.width(), parts.bar.height()};
    if (const std::optional<EdgeRect> icon = TakeIconPlace(bsSizeable, shown.icons, text))
        parts.icon = icon->ToQRect().translated(parts.bar.topLeft());
    parts.buttons = TakeButtonPlaces(bsSizeable, shown.icons, shown.maximized, text);
    // The title keeps two pixels off the icon.
    parts.title = text.ToQRect().adjusted(2, 0, 0, 0).translated(parts.bar.topLeft());
    return parts;
}

GradientTable TableOf(const CaptionCase& shown)
{
    return shown.active ? BuildGradientTable(CaptionDarkRed, CaptionBlue, GradientColours)
                        : BuildGradientTable(0, ResolveColor(clInactiveCaption), GradientColours);
}

// The colours column `x` of a `width`-pixel bar may show: its band's, and
// beside a band's edge the neighbour's too, where a stretched strip may
// round either way. Bands themselves are filled exactly.
std::vector<QRgb> ColumnColours(const GradientTable& table, int width, int x)
{
    const std::vector<int> edges = BandEdges(width, GradientColours);
    const int slack = FillsInBands(width, GradientColours, false) ? 0 : 1;
    std::vector<QRgb> shown;
    for (std::size_t j = 0; j < static_cast<std::size_t>(GradientColours); ++j)
        if (edges[j] - slack <= x && x < edges[j + 1] + slack)
            shown.push_back(ToQColor(table[j]).rgb());
    return shown;
}

// `pixel` lies between `ground` and `ink` in every channel, as text
// smoothed over a ground does.
bool Blends(QRgb ground, QRgb ink, QRgb pixel)
{
    const auto within = [](int a, int b, int value) {
        return std::min(a, b) - 1 <= value && value <= std::max(a, b) + 1;
    };
    return within(qRed(ground), qRed(ink), qRed(pixel)) &&
        within(qGreen(ground), qGreen(ink), qGreen(pixel)) && within(qBlue(ground), qBlue(ink), qBlue(pixel));
}

QString Describe(QPoint at, QRgb pixel)
{
    return QStringLiteral("(%1, %2) is #%3")
        .arg(at.x())
        .arg(at.y())
        .arg(pixel & 0xFFFFFF, 6, 16, QChar(u'0'));
}

// The first pixel of the bar, off icon and buttons, that is neither its
// column's gradient colour nor, where a title goes, that colour with the
// title smoothed over it; empty when there is none.
QString GradientFault(const QImage& image, const BarParts& parts, const GradientTable& table, bool titled)
{
    for (int y = parts.bar.top(); y <= parts.bar.bottom(); ++y)
        for (int x = parts.bar.left(); x <= parts.bar.right(); ++x) {
            const QPoint at(x, y);
            const bool onButton = std::any_of(parts.buttons.begin(), parts.buttons.end(), [&](const auto& b) {
                return b.rect.ToQRect().translated(parts.bar.topLeft()).contains(at);
            });
            if (onButton || (parts.icon && parts.icon->contains(at)))
                continue;
            const QRgb pixel = image.pixel(at);
            const bool inTitle = titled && parts.title.contains(at);
            const std::vector<QRgb> allowed = ColumnColours(table, parts.bar.width(), x - parts.bar.left());
            if (std::none_of(allowed.begin(), allowed.end(), [&](QRgb ground) {
                    return pixel == ground || (inTitle && Blends(ground, TitleInk, pixel));
                }))
                return Describe(at, pixel);
        }
    return {};
}

// The first pixel around the bar the caption painted over; the frame is not
// the caption's to paint.
QString PaintedAround(const QImage& image, const QRect& bar)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!bar.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255))
                return Describe({x, y}, image.pixel(x, y));
    return {};
}

// The first button that differs from the same button drawn alone at its
// place in the bar; empty when all match.
QString ButtonFault(const QImage& image, const BarParts& parts)
{
    QImage alone(parts.bar.size(), QImage::Format_RGB32);
    alone.fill(Qt::white);
    {
        QPainter painter(&alone);
        for (const CaptionButton& button : parts.buttons)
            DrawCaptionButton(painter, button);
    }
    for (const CaptionButton& button : parts.buttons) {
        const QRect place = button.rect.ToQRect();
        if (image.copy(place.translated(parts.bar.topLeft())) != alone.copy(place))
            return QStringLiteral("button at %1").arg(place.left());
    }
    return {};
}

// Inside its raised edges a greyed button's glyph is etched in grey and
// white, with nothing in the colour of live glyphs.
bool LooksGreyed(const QImage& image, const QRect& place)
{
    int grey = 0;
    int etch = 0;
    int live = 0;
    const QRect inside = place.adjusted(1, 1, -2, -2);
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            grey += pixel == desktop::SystemColor(desktop::ColorGrayText).rgb() ? 1 : 0;
            etch += pixel == desktop::SystemColor(desktop::ColorButtonHighlight).rgb() ? 1 : 0;
            live += pixel == desktop::SystemColor(desktop::ColorButtonText).rgb() ? 1 : 0;
        }
    return grey > 0 && etch > 0 && live == 0;
}

// The columns of `place` with pixels in, or all but in, the title's colour.
struct InkSpan {
    int first = std::numeric_limits<int>::max();
    int last = -1;
    int pixels = 0;
};

InkSpan InkIn(const QImage& image, const QRect& place)
{
    const auto near = [](int a, int b) { return std::abs(a - b) <= 24; };
    InkSpan span;
    for (int y = place.top(); y <= place.bottom(); ++y)
        for (int x = place.left(); x <= place.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (near(qRed(pixel), qRed(TitleInk)) && near(qGreen(pixel), qGreen(TitleInk)) &&
                near(qBlue(pixel), qBlue(TitleInk))) {
                span.first = std::min(span.first, x);
                span.last = std::max(span.last, x);
                ++span.pixels;
            }
        }
    return span;
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
    void partsAtRatioOne_data();
    void partsAtRatioOne();
    void drawnAtDeviceResolution_data();
    void drawnAtDeviceResolution();
    void iconAtDeviceSize();
    void gradientBandsInLogicalPixels_data();
    void gradientBandsInLogicalPixels();
};

void CaptionResolutionTest::partsAtRatioOne_data()
{
    QTest::addColumn<CaptionCase>("shown");
    QTest::addColumn<bool>("cut");  // the title too long for its place

    const TBorderIcons helpAndMaximize = biSystemMenu | biMaximize | biHelp;
    QTest::newRow("main window") << CaptionCase {640, MainIcons, QStringLiteral("Poziom 1")} << false;
    QTest::newRow("inactive, maximised")
        << CaptionCase {640, MainIcons, QStringLiteral("Poziom 12"), false, true} << false;
    QTest::newRow("dialog, text only")
        << CaptionCase {300, 0, QStringLiteral("Poziom trudności testu")} << false;
    QTest::newRow("narrow, in bands") << CaptionCase {60, 0, {}} << false;
    QTest::newRow("narrow, inactive bands") << CaptionCase {50, 0, {}, false} << false;
    QTest::newRow("greyed minimise, cut text")
        << CaptionCase {200, helpAndMaximize, QStringLiteral("Najlepsze wyniki ze wszystkich gier")} << true;
    QTest::newRow("help button") << CaptionCase {240, biSystemMenu | biHelp, QStringLiteral("O programie")}
                                 << false;
}

// Each part of the bar where the layout puts it, over the gradient's own
// colour of each column; the title's pixels themselves are the font's.
void CaptionResolutionTest::partsAtRatioOne()
{
    QFETCH(CaptionCase, shown);
    QFETCH(bool, cut);

    const QImage image = Render(shown, 1);
    const BarParts parts = PartsOf(shown);
    const QString around = PaintedAround(image, parts.bar);
    QVERIFY2(around.isEmpty(), qPrintable(around));
    const QString gradient = GradientFault(image, parts, TableOf(shown), !shown.title.isEmpty());
    QVERIFY2(gradient.isEmpty(), qPrintable(gradient));
    const QString buttons = ButtonFault(image, parts);
    QVERIFY2(buttons.isEmpty(), qPrintable(buttons));
    for (const CaptionButton& button : parts.buttons)
        QCOMPARE(LooksGreyed(image, button.rect.ToQRect().translated(parts.bar.topLeft())), button.inactive);
    if (parts.icon) {
        // Only the picture's yellow and green, and their blends.
        for (int y = parts.icon->top(); y <= parts.icon->bottom(); ++y)
            for (int x = parts.icon->left(); x <= parts.icon->right(); ++x)
                QVERIFY2(qBlue(image.pixel(x, y)) == 0 && qGreen(image.pixel(x, y)) >= 128,
                         qPrintable(Describe({x, y}, image.pixel(x, y))));
    }

    const InkSpan ink = InkIn(image, parts.title);
    if (shown.title.isEmpty()) {
        QCOMPARE(ink.pixels, 0);
        return;
    }
    const QFontMetrics metrics(desktop::CaptionFont());
    const int width = metrics.horizontalAdvance(shown.title);
    QCOMPARE(width > parts.title.width(), cut);
    const QString span = QStringLiteral("title in %1..%2, drawn in %3..%4")
                             .arg(parts.title.left())
                             .arg(parts.title.right())
                             .arg(ink.first)
                             .arg(ink.last);
    QVERIFY2(ink.pixels > 0, qPrintable(span));
    QVERIFY2(ink.first <= parts.title.left() + 3, qPrintable(span));
    if (!cut) {
        const int end = parts.title.left() + width - 1;
        QVERIFY2(ink.last <= end && ink.last >= end - 4, qPrintable(span));
        return;
    }
    // Cut after the last character that fits with the ellipsis.
    int widest = 0;
    for (const QChar c : shown.title)
        widest = std::max(widest, metrics.horizontalAdvance(c));
    QVERIFY2(ink.last >= parts.title.right() - widest - 2, qPrintable(span));
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
