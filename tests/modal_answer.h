// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

// Answers the next modal window from inside its own event loop, as a player
// would. The answer must close the window. Should no modal window come, it
// closes every window after a while, so that the test fails rather than hangs.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QWidget& modal)> answer)
        : answer_(std::move(answer))
    {
        using namespace std::chrono_literals;
        poll_.setInterval(10ms);
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                Stop();
                answered_ = true;
                answer_(*modal);
            }
        });
        deadline_.setSingleShot(true);
        QObject::connect(&deadline_, &QTimer::timeout, [this] {
            Stop();
            QApplication::closeAllWindows();
        });
        poll_.start();
        deadline_.start(30s);
    }

    bool Answered() const { return answered_; }

private:
    void Stop()
    {
        poll_.stop();
        deadline_.stop();
    }

    std::function<void(QWidget&)> answer_;
    QTimer poll_;
    QTimer deadline_;
    bool answered_ = false;
};
