// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleWidget>

namespace kwintor {
namespace {

class AnnouncerInterface : public QAccessibleWidget {
public:
    explicit AnnouncerInterface(Announcer& announcer)
        : QAccessibleWidget(&announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const Announcer*>(object())->Announcement();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* AnnouncerFactory(const QString& className, QObject* object)
{
    auto* announcer =
        className == QLatin1String("kwintor::Announcer") ? qobject_cast<Announcer*>(object) : nullptr;
    return announcer ? new AnnouncerInterface(*announcer) : nullptr;
}

}  // namespace
}  // namespace kwintor
#endif

namespace kwintor {

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
#endif
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Announcer::Announce(const QString& text)
{
    announcement_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // The line stays hidden, out of the readers' tree, and the window says
    // the message: Orca takes a window's events however closely they follow
    // one another. Each message answers a key the player pressed, so none
    // has to cut off what the reader is saying.
    QAccessibleAnnouncementEvent event(window(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#else
    // Orca (43) drops a name change or an alert of anything but the object
    // in focus, and moving the focus would take it from the slot the player
    // is typing in. A notification that appears is spoken wherever the
    // focus is: so each message hides the line and shows it again.
    hide();
    show();
#endif
    emit Announced(text);
}

}  // namespace kwintor
