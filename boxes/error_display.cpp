// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "error_display.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <array>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

#include "window_display.h"

namespace kwintor {

namespace {

// A few descriptors held from start-up and let go while the error display
// shows: with every other one taken ("Too many open files"), the box's
// window needs some to paint through (X11's shared memory comes as one),
// and without them it waits for ever.
class DescriptorReserve {
public:
    DescriptorReserve() { Take(); }
    DescriptorReserve(const DescriptorReserve&) = delete;
    DescriptorReserve& operator=(const DescriptorReserve&) = delete;

    // Takes again what it can; a descriptor still short is taken next time.
    void Take()
    {
        for (int& descriptor : descriptors_)
            if (descriptor < 0)
                descriptor = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    }

    void Release()
    {
        for (int& descriptor : descriptors_)
            if (descriptor >= 0)
                ::close(std::exchange(descriptor, -1));
    }

private:
    std::array<int, 8> descriptors_ {-1, -1, -1, -1, -1, -1, -1, -1};
};

DescriptorReserve reserve;

QString CaughtMessage()
{
    try {
        throw;
    } catch (const std::exception& error) {
        return MessageOf(error);
    } catch (...) {
        return QStringLiteral("Nieznany błąd");
    }
}

}  // namespace

void ShowCaughtError() noexcept
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [message = CaughtMessage()] { ShowErrorDisplay(message); },
        Qt::QueuedConnection);
}

void StandardErrorDisplay(const QString& message)
{
    reserve.Release();
    QMessageBox box(QMessageBox::Critical, ApplicationTitle(), message + u'.', QMessageBox::Ok);
    GiveToOwner(box);
    box.setObjectName(QStringLiteral("kwintorErrorDisplay"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
    reserve.Take();
}

}  // namespace kwintor
