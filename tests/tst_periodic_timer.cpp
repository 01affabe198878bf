// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCoreApplication>
#include <QList>
#include <QObject>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

#include "message_boxes.h"
#include "periodic_timer.h"
#include "waits.h"
#include "window_display.h"

using namespace kwintor;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(kwintor::PeriodicTimer::Start)

using ModalLoop = std::function<void()>;
Q_DECLARE_METATYPE(ModalLoop)
using Lateness = QList<int>;  // milliseconds after its due time, tick by tick

namespace {

using Clock = TickSchedule::Clock;

// Delivers a tick `late` milliseconds after each due time in turn, as a
// busy event loop would; returns the delays asked for after each.
QList<int> Deliver(TickSchedule& schedule, const Lateness& lateness)
{
    QList<int> delays;
    for (const int late : lateness)
        delays << int(schedule.NextDelay(schedule.NextDue() + std::chrono::milliseconds(late)).count());
    return delays;
}

}  // namespace

class PeriodicTimerTest : public QObject {
    Q_OBJECT

private slots:
    void defaultIntervalIsOneSecond();
    void lateTicksDoNotPutOffTheNext_data();
    void lateTicksDoNotPutOffTheNext();
    void fortyTicksTakeFortySeconds_data();
    void fortyTicksTakeFortySeconds();
    void ticksFromConstruction();
    void heldClockNeverStarts_data();
    void heldClockNeverStarts();
    void ticksInsideModalLoops_data();
    void ticksInsideModalLoops();
};

void PeriodicTimerTest::defaultIntervalIsOneSecond()
{
    const PeriodicTimer timer;
    QCOMPARE(timer.Interval(), 1000ms);
}

void PeriodicTimerTest::lateTicksDoNotPutOffTheNext_data()
{
    QTest::addColumn<Lateness>("lateness");
    QTest::addColumn<QList<int>>("delays");

    QTest::newRow("on time") << Lateness {0, 0, 0} << QList<int> {1000, 1000, 1000};
    QTest::newRow("a few milliseconds late") << Lateness {3, 12, 1} << QList<int> {997, 988, 999};
    QTest::newRow("most of a second late") << Lateness {0, 900, 0} << QList<int> {1000, 100, 1000};
    // A stall of seconds gives one tick at once, not a burst of them.
    QTest::newRow("stalled for five seconds") << Lateness {0, 5000, 0} << QList<int> {1000, 0, 1000};
}

void PeriodicTimerTest::lateTicksDoNotPutOffTheNext()
{
    QFETCH(Lateness, lateness);
    QFETCH(QList<int>, delays);

    TickSchedule schedule(Clock::time_point {}, std::chrono::milliseconds(1000));
    QCOMPARE(Deliver(schedule, lateness), delays);
}

void PeriodicTimerTest::fortyTicksTakeFortySeconds_data()
{
    QTest::addColumn<int>("late");

    QTest::newRow("on time") << 0;
    QTest::newRow("every tick 4 ms late") << 4;
    QTest::newRow("every tick 60 ms late") << 60;
}

// Time the clock loses at every tick must not add up over a round.
void PeriodicTimerTest::fortyTicksTakeFortySeconds()
{
    QFETCH(int, late);

    const Clock::time_point start {};
    TickSchedule schedule(start, std::chrono::milliseconds(1000));
    Deliver(schedule, Lateness(39, late));
    QCOMPARE(schedule.NextDue() - start, std::chrono::milliseconds(40000));
}

void PeriodicTimerTest::ticksFromConstruction()
{
    PeriodicTimer timer(20ms);
    QSignalSpy ticks(&timer, &PeriodicTimer::Ticked);
    WAIT_VERIFY_WITH_TIMEOUT(ticks.size() >= 3, 10000);
}

void PeriodicTimerTest::heldClockNeverStarts_data()
{
    QTest::addColumn<PeriodicTimer::Start>("start");
    QTest::addColumn<bool>("running");

    QTest::newRow("running") << PeriodicTimer::Start::Running << true;
    QTest::newRow("held") << PeriodicTimer::Start::Held << false;
}

void PeriodicTimerTest::heldClockNeverStarts()
{
    QFETCH(PeriodicTimer::Start, start);
    QFETCH(bool, running);

    PeriodicTimer timer(0ms, nullptr, start);
    QSignalSpy ticks(&timer, &PeriodicTimer::Ticked);
    QCOMPARE(timer.IsRunning(), running);
    if (!running) {
        QCoreApplication::processEvents();
        QCOMPARE(ticks.size(), 0);
    }
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
