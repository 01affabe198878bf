// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtTest>

#include <chrono>
#include <functional>

#include "message_boxes.h"
#include "periodic_timer.h"
#include "window_display.h"

using namespace kwintor;
using namespace std::chrono_literals;

using ModalLoop = std::function<void()>;
Q_DECLARE_METATYPE(ModalLoop)

class PeriodicTimerTest : public QObject {
    Q_OBJECT

private slots:
    void defaultIntervalIsOneSecond();
    void ticksFromConstruction();
    void ticksInsideModalLoops_data();
    void ticksInsideModalLoops();
};

void PeriodicTimerTest::defaultIntervalIsOneSecond()
{
    const PeriodicTimer timer;
    QCOMPARE(timer.Interval(), 1000ms);
}

void PeriodicTimerTest::ticksFromConstruction()
{
    PeriodicTimer timer(20ms);
    QSignalSpy ticks(&timer, &PeriodicTimer::Ticked);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 3, 10000);
}

void PeriodicTimerTest::ticksInsideModalLoops_data()
{
    QTest::addColumn<ModalLoop>("loop");

    QTest::newRow("modal window") << ModalLoop([] {
        QWidget window;
        ShowModal(window);
    });
    QTest::newRow("message box") << ModalLoop([] { ShowMessageBox(QStringLiteral("Koniec gry")); });
}

void PeriodicTimerTest::ticksInsideModalLoops()
{
    QFETCH(ModalLoop, loop);

    constexpr int wanted = 5;
    PeriodicTimer timer(10ms);
    int ticksInside = 0;
    connect(&timer, &PeriodicTimer::Ticked, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && ++ticksInside == wanted)
            modal->close();
    });
    // Closes the loop should the clock stand still in it, so the test fails rather than hangs.
    QTimer rescue;
    rescue.setSingleShot(true);
    connect(&rescue, &QTimer::timeout, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    rescue.start(30s);
    loop();
    QCOMPARE(ticksInside, wanted);
}

QTEST_MAIN(PeriodicTimerTest)
#include "tst_periodic_timer.moc"
