// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
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

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    [[maybe_unused]] static const bool factoryInstalled = [] {
        QAccessible::installFactory(AnnouncerFactory);
        return true;
    }();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

// Orca (43) drops a name change or an alert of anything but the object in
// focus, and moving the focus would take it from the slot the player is
// typing in. A notification that appears is spoken wherever the focus is:
// so each message hides the line and shows it again.
void Announcer::Announce(const QString& text)
{
    announcement_ = text;
    hide();
    show();
    emit Announced(text);
}

}  // namespace kwintor
