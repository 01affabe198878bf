// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QObject>
#include <QTest>

#include "platform_choice.h"
#include "screen_zoom.h"

using namespace kwintor;

class ScreenZoomTest : public QObject {
    Q_OBJECT

private slots:
    void zoomFitsTheScreen_data();
    void zoomFitsTheScreen();
    void platformSuitsTheDesktop_data();
    void platformSuitsTheDesktop();
};

void ScreenZoomTest::zoomFitsTheScreen_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("zoom");
    QTest::newRow("the board's own 800x600") << 800.0 << 600.0 << 1.0;
    QTest::newRow("smaller than designed for") << 640.0 << 480.0 << 1.0;
    QTest::newRow("netbook 1024x600: no room for a quarter") << 1024.0 << 600.0 << 1.0;
    QTest::newRow("1024x768") << 1024.0 << 768.0 << 1.5;
    QTest::newRow("1366x768") << 1366.0 << 768.0 << 1.5;
    QTest::newRow("1280x1024, bound by the width") << 1280.0 << 1024.0 << 1.75;
    QTest::newRow("1920x1080") << 1920.0 << 1080.0 << 2.0;
    QTest::newRow("2560x1440") << 2560.0 << 1440.0 << 2.75;
    QTest::newRow("3840x2160") << 3840.0 << 2160.0 << 4.25;
    QTest::newRow("portrait 1080x1920") << 1080.0 << 1920.0 << 1.5;
    QTest::newRow("a 125 % desktop's 1536x864") << 1536.0 << 864.0 << 1.5;
}

// The player's own factor and the real screens are the desktop test's.
void ScreenZoomTest::zoomFitsTheScreen()
{
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, zoom);
    QCOMPARE(BoardZoom({width, height}), zoom);
}

void ScreenZoomTest::platformSuitsTheDesktop_data()
{
    QTest::addColumn<bool>("platformChosen");
    QTest::addColumn<bool>("waylandSession");
    QTest::addColumn<bool>("compositorAnswered");
    QTest::addColumn<bool>("drawsFrames");
    QTest::addColumn<bool>("xwayland");
    QTest::addColumn<bool>("onX");
    QTest::newRow("GNOME: no frames, Xwayland") << false << true << true << false << true << true;
    QTest::newRow("Plasma draws frames") << false << true << true << true << true << false;
    QTest::newRow("no Xwayland to go to") << false << true << true << false << false << false;
    QTest::newRow("the player chose the platform") << true << true << true << false << true << false;
    QTest::newRow("no compositor answers: Qt decides") << false << true << false << false << true << false;
    QTest::newRow("an X11 session") << false << false << false << false << true << false;
}

void ScreenZoomTest::platformSuitsTheDesktop()
{
    QFETCH(bool, platformChosen);
    QFETCH(bool, waylandSession);
    QFETCH(bool, compositorAnswered);
    QFETCH(bool, drawsFrames);
    QFETCH(bool, xwayland);
    QFETCH(bool, onX);
    QCOMPARE(PreferXwayland({QByteArray(platformChosen ? "wayland" : ""),
                             waylandSession,
                             compositorAnswered,
                             drawsFrames,
                             xwayland,
                             {}}),
             onX);
}

QTEST_GUILESS_MAIN(ScreenZoomTest)
#include "tst_screen_zoom.moc"
