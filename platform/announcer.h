#pragma once

#include <QString>
#include <QWidget>

namespace kwintor {

// A status line for screen readers alone: it draws nothing and takes no
// room. A screen reader sees it as an alert whose name is the latest
// announcement; each announcement goes out as a name change and an alert,
// so that it is read wherever the focus is, the same text twice too.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent = nullptr);

    void Announce(const QString& text);
    const QString& Announcement() const { return announcement_; }

signals:
    // Qt passes the events on only while a screen reader listens; this
    // signal comes either way.
    void Announced(const QString& text);

private:
    QString announcement_;
};

}  // namespace kwintor
