// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QLatin1Char>
#include <QMouseEvent>
#include <QObject>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QResizeEvent>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QTest>

#include <stdexcept>

#include "desktop_metrics.h"
#include "gradient_form.h"
#include "waits.h"
#include "window_frame.h"

using namespace kwintor;

Q_DECLARE_METATYPE(kwintor::TGFPaintWhen)

namespace {

// Counts what the base is asked to do.
class ProbeForm : public TGradientForm {
public:
    ProbeForm()
    {
        SetGradientStartColor(CaptionDarkRed);
        SetGradientStopColor(CaptionBlue);
        SetBounds(100, 100, 300, 120);
    }

    void BuildGradientTables() override
    {
        ++builds;
        TGradientForm::BuildGradientTables();
    }

    void RepaintCaption(bool active) override
    {
        ++repaints;
        lastActive = active;
        if (duringRepaint)
            duringRepaint();
        TGradientForm::RepaintCaption(active);
    }

    QImage Grab(bool active)
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        RenderCaptionBar(painter, active);
        return image;
    }

    int builds = 0;
    int repaints = 0;
    bool lastActive = false;
    std::function<void()> duringRepaint;
};

QRgb Gray(int level) { return qRgb(level, level, level); }

constexpr TColor Green = 0x00FF00;
constexpr TColor Yellow = 0x00FFFF;

// Columns of `row` in [from, to) that hold `color`.
int CountColumns(const QImage& image, int row, int from, int to, QRgb color)
{
    int count = 0;
    for (int x = from; x < to; ++x)
        count += image.pixel(x, row) == color ? 1 : 0;
    return count;
}

int WhiteIn(const QImage& image, int from, int to)
{
    int count = 0;
    for (int y = 6; y < 20; ++y)
        count += CountColumns(image, y, from, to, qRgb(255, 255, 255));
    return count;
}

}  // namespace

class GradientFormTest : public QObject {
    Q_OBJECT

private slots:
    void defaults();
    void gradientColors_data();
    void gradientColors();
    void settersThatRebuild();
    void systemStopColourResolvedWhenBuilt();
    void systemNeverDrawsTheCaption();
    void captionEnds_data();
    void captionEnds();
    void captionPaintHandlerMovesTheText();
    void longCaptionStaysLeftOfTheButtons();
    void repaintOnActivation();
    void repaintOnResizeUnlessMinimised();
    void repaintOnTitleChange();
    void desktopChanges_data();
    void desktopChanges();
    void guardBlocksNestedCaptionChanges();
    void guardReleasedAfterAFault();
    void captionButtons();
    void doubleClickMaximisesAndRestores();
    void dialogSizesNoSmallerThanDesigned();
    void sizingCursorOverTheEdges();
    void draggingTheCaptionMoves_data();
    void draggingTheCaptionMoves();
    void bordersGiveTheClientArea();
    void maximisedFormHasNoFrame();
    void cornerPixelClosesMaximisedForm();
};

void GradientFormTest::defaults()
{
    const TGradientForm form;
    QCOMPARE(form.GradientColors(), 64);
    QCOMPARE(form.CaptionTextColor(), clWhite);
    QCOMPARE(form.InactiveCaptionTextColor(), clWhite);
    QCOMPARE(form.GradientStartColor(), clBlack);
    QCOMPARE(form.GradientStopColor(), clActiveCaption);
    QCOMPARE(form.GradientInactiveStartColor(), clBlack);
    QCOMPARE(form.GradientInactiveStopColor(), clInactiveCaption);
    QCOMPARE(form.PaintGradient(), gfpAlways);
    QVERIFY(!form.UseWin98Gradient());
    QVERIFY(!form.OnCaptionPaint());
    QVERIFY(form.CaptionFont().has_value());
    QVERIFY(form.CaptionFont().value().bold());
    QCOMPARE(uint {form.InactiveGradientTable()[63]}, uint {0x808080});  // the classic grey
}

void GradientFormTest::gradientColors_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("kept");

    QTest::newRow("7") << 7 << 64;
    QTest::newRow("8") << 8 << 8;
    QTest::newRow("512") << 512 << 512;
    QTest::newRow("513") << 513 << 64;
    QTest::newRow("unchanged") << 64 << 64;
}

void GradientFormTest::gradientColors()
{
    QFETCH(int, count);
    QFETCH(int, kept);
    ProbeForm form;
    form.builds = 0;
    form.SetGradientColors(count);
    QCOMPARE(form.GradientColors(), kept);
    QCOMPARE(form.builds, kept == 64 ? 0 : 1);
    QCOMPARE(uint {form.ActiveGradientTable()[static_cast<std::size_t>(kept - 1)]}, uint {CaptionBlue});
}

void GradientFormTest::settersThatRebuild()
{
    ProbeForm form;
    form.builds = 0;
    form.SetGradientStartColor(form.GradientStartColor());
    form.SetGradientStopColor(form.GradientStopColor());
    form.SetGradientInactiveStartColor(Green);
    form.SetGradientInactiveStopColor(Green);
    QCOMPARE(form.builds, 4);
    QCOMPARE(uint {form.InactiveGradientTable()[0]}, uint {Green});
    form.SetCaptionTextColor(clWhite);
    form.SetInactiveCaptionTextColor(Yellow);
    form.SetPaintGradient(gfpNever);
    QCOMPARE(form.builds, 4);
    QCOMPARE(form.InactiveCaptionTextColor(), Yellow);
    QCOMPARE(form.PaintGradient(), gfpNever);
}

void GradientFormTest::systemStopColourResolvedWhenBuilt()
{
    TGradientForm form;
    QCOMPARE(uint {form.ActiveGradientTable()[63]}, uint {0x800000});  // the classic navy
    form.SetGradientStopColor(0x80000005);  // window colour: white
    QCOMPARE(uint {form.ActiveGradientTable()[63]}, uint {0xFFFFFF});
}

// Asking for the system's own gradient changes nothing, as there is none to
// ask: the form goes on painting its caption and repainting it on changes.
void GradientFormTest::systemNeverDrawsTheCaption()
{
    ProbeForm form;
    form.SetUseWin98Gradient(true);
    QVERIFY(form.UseWin98Gradient());
    const QImage painted = form.grab().toImage();
    const QImage ownCaption = form.Grab(form.IsCaptionActive());
    const EdgeRect bar = form.CaptionBarRect();
    for (const QPoint corner : {QPoint(bar.left, bar.top), QPoint(bar.right - 1, bar.bottom - 1)})
        QCOMPARE(painted.pixel(corner), ownCaption.pixel(corner));
    QVERIFY(painted.pixel(bar.left, bar.top) != painted.pixel(bar.right - 1, bar.top));

    form.builds = 0;
    form.repaints = 0;
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&form, &activation);
    QEvent colours(QEvent::PaletteChange);
    QCoreApplication::sendEvent(&form, &colours);
    QCOMPARE(form.repaints, 2);
    QCOMPARE(form.builds, 1);
}

void GradientFormTest::captionEnds_data()
{
    QTest::addColumn<TGFPaintWhen>("when");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QRgb>("left");
    QTest::addColumn<QRgb>("right");

    QTest::newRow("active") << gfpAlways << true << qRgb(127, 0, 0) << qRgb(0, 0, 255);
    QTest::newRow("inactive") << gfpAlways << false << qRgb(0, 0, 0) << Gray(128);
    QTest::newRow("gradient while active") << gfpActive << true << qRgb(127, 0, 0) << qRgb(0, 0, 255);
    QTest::newRow("solid while inactive") << gfpActive << false << Gray(128) << Gray(128);
    QTest::newRow("never active") << gfpNever << true << qRgb(0, 0, 128) << qRgb(0, 0, 128);
    QTest::newRow("never inactive") << gfpNever << false << Gray(128) << Gray(128);
}

void GradientFormTest::captionEnds()
{
    QFETCH(TGFPaintWhen, when);
    QFETCH(bool, active);
    QFETCH(QRgb, left);
    QFETCH(QRgb, right);
    ProbeForm form;
    form.SetPaintGradient(when);
    const QImage image = form.Grab(active);
    const EdgeRect bar = form.CaptionBarRect();
    QCOMPARE(bar, (EdgeRect {4, 4, 296, 22}));
    QCOMPARE(image.pixel(bar.left, bar.top), left);
    QCOMPARE(image.pixel(bar.left, bar.bottom - 1), left);
    QCOMPARE(image.pixel(bar.right - 1, bar.top), right);
    QCOMPARE(image.pixel(bar.right - 1, bar.bottom - 1), right);
    QCOMPARE(image.pixel(bar.left - 1, bar.top), qRgb(255, 255, 255));  // nothing outside the bar
}

void GradientFormTest::captionPaintHandlerMovesTheText()
{
    ProbeForm form;
    form.setWindowTitle(QStringLiteral("Kwintor"));
    const int withoutHandler = WhiteIn(form.Grab(true), 0, 120);
    QVERIFY(withoutHandler > 0);
    QRect handed;
    form.SetOnCaptionPaint([&](TGradientForm& sender, QPainter& canvas, QRect& text) {
        QCOMPARE(&sender, &form);
        QCOMPARE(canvas.font(), *form.CaptionFont());
        handed = text;
        text.setLeft(text.left() + 100);
    });
    const QImage image = form.Grab(true);
    // Icon and buttons of a sizeable window with all three border icons.
    QCOMPARE(handed, QRect(QPoint(18, 0), QPoint(238, 17)));
    QCOMPARE(WhiteIn(image, 24, 120), 0);  // right of the icon
    QVERIFY(WhiteIn(image, 120, 250) > 0);
}

void GradientFormTest::longCaptionStaysLeftOfTheButtons()
{
    ProbeForm form;
    form.SetCaptionTextColor(0x00FFFF);  // yellow: nothing else in the bar is
    form.setWindowTitle(QString(60, QLatin1Char('W')));
    const QImage image = form.Grab(true);
    const QRgb yellow = qRgb(255, 255, 0);
    int last = -1;
    for (int y = 4; y < 22; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == yellow)
                last = std::max(last, x);
    QVERIFY(last > 100);
    QVERIFY2(last < 4 + 239, qPrintable(QString::number(last)));
}

void GradientFormTest::repaintOnActivation()
{
    ProbeForm form;
    form.repaints = 0;
    QEvent activation(QEvent::ActivationChange);
    QCoreApplication::sendEvent(&form, &activation);
    QCOMPARE(form.repaints, 1);
    QCOMPARE(form.lastActive, form.IsCaptionActive());
}

void GradientFormTest::repaintOnResizeUnlessMinimised()
{
    ProbeForm form;
    form.repaints = 0;
    QResizeEvent restored(QSize(310, 120), QSize(300, 120));
    QCoreApplication::sendEvent(&form, &restored);
    QCOMPARE(form.repaints, 1);
    form.setWindowState(Qt::WindowMinimized);
    form.repaints = 0;
    QResizeEvent minimised(QSize(320, 120), QSize(310, 120));
    QCoreApplication::sendEvent(&form, &minimised);
    QCOMPARE(form.repaints, 0);
}

void GradientFormTest::repaintOnTitleChange()
{
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.repaints = 0;
    form.setWindowTitle(QStringLiteral("Nowy tytuł"));
    QCOMPARE(form.Caption(), QStringLiteral("Nowy tytuł"));
    QCOMPARE(form.repaints, 1);
    form.SetCaption(QStringLiteral("Inny"));
    QCOMPARE(form.windowTitle(), QStringLiteral("Inny"));
    QCOMPARE(form.repaints, 2);
}

void GradientFormTest::desktopChanges_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("builds");

    QTest::newRow("colours") << int {QEvent::PaletteChange} << 1;
    QTest::newRow("caption font") << int {QEvent::ApplicationFontChange} << 0;
}

void GradientFormTest::desktopChanges()
{
    QFETCH(int, type);
    QFETCH(int, builds);
    ProbeForm form;
    form.builds = 0;
    form.repaints = 0;
    QEvent change(static_cast<QEvent::Type>(type));
    QCoreApplication::sendEvent(&form, &change);
    QCOMPARE(form.builds, builds);
    QCOMPARE(form.repaints, 1);
    QVERIFY(form.CaptionFont().has_value());
}

void GradientFormTest::guardBlocksNestedCaptionChanges()
{
    ProbeForm first;
    ProbeForm second;
    second.SetCaption(QStringLiteral("Drugie"));
    first.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    first.duringRepaint = [&] {
        second.SetCaption(QStringLiteral("Zagnieżdżone"));
        first.SetCaption(QStringLiteral("Też nie"));
    };
    first.SetCaption(QStringLiteral("Pierwsze"));
    QCOMPARE(first.Caption(), QStringLiteral("Pierwsze"));
    QCOMPARE(second.Caption(), QStringLiteral("Drugie"));
    QCOMPARE(second.windowTitle(), QStringLiteral("Drugie"));
    first.duringRepaint = nullptr;
    second.SetCaption(QStringLiteral("Potem"));
    QCOMPARE(second.Caption(), QStringLiteral("Potem"));
}

void GradientFormTest::guardReleasedAfterAFault()
{
    ProbeForm first;
    ProbeForm second;
    first.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    first.duringRepaint = [] { throw std::runtime_error("painting failed"); };
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, first.SetCaption(QStringLiteral("Błąd")));
    first.duringRepaint = nullptr;
    second.SetCaption(QStringLiteral("Działa"));
    QCOMPARE(second.Caption(), QStringLiteral("Działa"));
}

void GradientFormTest::captionButtons()
{
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Close, maximise and minimise from the right; restore while maximised.
    const QPoint maximise(form.width() - 32, 12);
    QTest::mouseClick(&form, Qt::LeftButton, {}, maximise);
    WAIT_VERIFY(form.isMaximized());
    const QPoint restore(form.width() - 32, 12);
    QTest::mouseClick(&form, Qt::LeftButton, {}, restore);
    WAIT_VERIFY(!form.isMaximized());
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 48, 12));
    WAIT_VERIFY(form.isMinimized());
    form.showNormal();
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 14, 12));
    WAIT_VERIFY(!form.isVisible());
    QCOMPARE(form.ModalResult(), mrCancel);
}

// QTest leaves its button held after a double click; the release lets it go.
void GradientFormTest::doubleClickMaximisesAndRestores()
{
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(80, 12));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(80, 12));
    WAIT_VERIFY(form.isMaximized());
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(80, 12));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(80, 12));
    WAIT_VERIFY(!form.isMaximized());
}

// Offscreen there is no desktop to size the window: it follows the mouse.
void GradientFormTest::dialogSizesNoSmallerThanDesigned()
{
    ProbeForm form;
    form.SetBorderIcons(0);
    form.setMinimumSize(300, 120);
    form.SetBounds(100, 100, 300, 120);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 14, 12));
    QVERIFY(form.isVisible());
    QTest::mouseMove(&form, QPoint(1, 60));
    QCOMPARE(form.cursor().shape(), Qt::SizeHorCursor);
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(1, 60));
    QTest::mouseMove(&form, QPoint(-30, 60));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(-30, 60));
    QCOMPARE(form.geometry(), QRect(69, 100, 331, 120));
    const QPoint bottomRight(form.width() - 1, form.height() - 1);
    QTest::mousePress(&form, Qt::LeftButton, {}, bottomRight);
    QTest::mouseMove(&form, bottomRight - QPoint(100, 50));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, bottomRight - QPoint(100, 50));
    QCOMPARE(form.geometry(), QRect(69, 100, 300, 120));
    QTest::mouseDClick(&form, Qt::LeftButton, {}, QPoint(80, 12));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(80, 12));
    QVERIFY(!form.isMaximized());
}

void GradientFormTest::sizingCursorOverTheEdges()
{
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseMove(&form, QPoint(2, 50));
    QCOMPARE(form.cursor().shape(), Qt::SizeHorCursor);
    QTest::mouseMove(&form, QPoint(form.width() - 1, form.height() - 1));
    QCOMPARE(form.cursor().shape(), Qt::SizeFDiagCursor);
    QTest::mouseMove(&form, QPoint(80, 12));
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(form.ClientArea()->cursor().shape(), Qt::ArrowCursor);
}

void GradientFormTest::draggingTheCaptionMoves_data()
{
    QTest::addColumn<QPoint>("delta");

    QTest::newRow("far") << QPoint(30, 20);
    QTest::newRow("the first pixel") << QPoint(1, 0);
    QTest::newRow("three pixels up") << QPoint(0, -3);
}

// Offscreen there is no desktop to move the window: it follows the mouse,
// with no threshold to lag behind.
void GradientFormTest::draggingTheCaptionMoves()
{
    QFETCH(QPoint, delta);
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect start = form.geometry();
    const QPoint press(80, 12);
    QTest::mousePress(&form, Qt::LeftButton, {}, press);
    QMouseEvent move(QEvent::MouseMove, QPointF(press), form.mapToGlobal(QPointF(press + delta)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&form, &move);
    QTest::mouseRelease(&form, Qt::LeftButton, {}, press + delta);
    QCOMPARE(form.geometry(), start.translated(delta));
}

void GradientFormTest::bordersGiveTheClientArea()
{
    using namespace desktop;
    ProbeForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.geometry(), QRect(100, 100, 300, 120));
    QCOMPARE(form.ClientArea()->geometry(),
             QRect(SizingFrame, SizingFrame + CaptionHeight, 300 - 2 * SizingFrame,
                   120 - 2 * SizingFrame - CaptionHeight));
}

void GradientFormTest::maximisedFormHasNoFrame()
{
    using namespace desktop;
    ProbeForm form;
    form.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    WAIT_VERIFY(form.isMaximized());
    const QSize screen = form.size();
    QCOMPARE(form.CaptionBarRect(), (EdgeRect {0, 0, screen.width(), CaptionHeight - 1}));
    WAIT_COMPARE(form.ClientArea()->geometry(),
                 QRect(0, CaptionHeight, screen.width(), screen.height() - CaptionHeight));
    QVERIFY(form.grab().toImage().pixel(0, 0) != SystemColor(ColorButtonFace).rgb());
    QTest::mouseMove(&form, QPoint(0, 60));
    QCOMPARE(form.cursor().shape(), Qt::ArrowCursor);

    form.showNormal();
    WAIT_VERIFY(!form.isMaximized());
    QCOMPARE(form.CaptionBarRect().top, SizingFrame);
    WAIT_COMPARE(form.ClientArea()->geometry().topLeft(), QPoint(SizingFrame, SizingFrame + CaptionHeight));
    QCOMPARE(form.grab().toImage().pixel(0, 0), SystemColor(ColorButtonFace).rgb());
}

// Fitts: the pointer thrown into the corner lands on the close button.
void GradientFormTest::cornerPixelClosesMaximisedForm()
{
    ProbeForm form;
    form.showMaximized();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    WAIT_VERIFY(form.isMaximized());
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(form.width() - 1, 0));
    WAIT_VERIFY(!form.isVisible());
}

QTEST_MAIN(GradientFormTest)
#include "tst_gradient_form.moc"
