// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into a Qt Widgets program, reports the moment its first maximised
// window is on the screen, then ends the program. bench/startup.py reads the
// line and times it against the moment it started the process.
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

#include "resident_memory.h"

namespace {

// With libstdc++ on Linux this is CLOCK_MONOTONIC, the clock of Python's
// time.monotonic_ns() in the driver.
long long MonotonicNanoseconds()
{
    const auto sinceBoot = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(sinceBoot).count();
}

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && IsMaximisedWindow(watched)) {
            QCoreApplication::instance()->removeEventFilter(this);
            // The window's children are painted and the frame flushed to the
            // display before the event loop gets to posted calls again.
            QMetaObject::invokeMethod(
                this, [name = QByteArray(watched->metaObject()->className())] { Report(name); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    static bool IsMaximisedWindow(QObject* object)
    {
        const auto* widget = qobject_cast<QWidget*>(object);
        return widget != nullptr && widget->isWindow() && widget->isMaximized();
    }

    static void Report(const QByteArray& windowClass)
    {
        const long long now = MonotonicNanoseconds();
        std::printf("first-frame %lld %lld %s\n", now, kwintor::bench::ResidentKilobytes(),
                    windowClass.constData());
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

void InstallFirstFrameProbe()
{
    QCoreApplication* application = QCoreApplication::instance();
    application->installEventFilter(new FirstFrameProbe(application));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstFrameProbe)
