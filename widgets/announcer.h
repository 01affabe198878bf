// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

namespace kwintor {

// A message line for screen readers alone: it draws nothing and takes no
// room, and a reader speaks each message wherever the focus is, the same
// text twice too. Qt 6.8 and later announce it through the toolkit; before
// that the message becomes the line's name and the line shows it afresh.
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
