// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "error_display.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <array>
#include <fcntl.h>

#include "descriptor.h"
#include "message_boxes.h"
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

    // Takes again what it can; a descriptor still short is taken next time.
    void Take()
    {
        for (Descriptor& descriptor : descriptors_)
            if (descriptor < 0)
                descriptor = Descriptor(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    }

    void Release()
    {
        for (Descriptor& descriptor : descriptors_)
            descriptor = Descriptor();
    }

private:
    std::array<Descriptor, 8> descriptors_;
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
    RunBox(box);
    reserve.Take();
}

}  // namespace kwintor
