// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <deque>
#include <functional>
#include <utility>

// Plays the player's part in a row of real modal windows, from inside their
// own event loops: each step waits for the modal window of its object name
// (any, for an empty name) and answers it. Should a step's window not come,
// everything is closed after a while, so that the test fails rather than hangs.
class ModalScript {
public:
    using Answer = std::function<void(QWidget& modal)>;

    ModalScript& Then(const QString& objectName, Answer answer)
    {
        steps_.emplace_back(objectName, std::move(answer));
        return *this;
    }

    ModalScript()
    {
        using namespace std::chrono_literals;
        QObject::connect(&poll_, &QTimer::timeout, [this] { AnswerNext(); });
        QObject::connect(&deadline_, &QTimer::timeout, [this] {
            poll_.stop();
            QApplication::closeAllWindows();
        });
        poll_.start(10ms);
        deadline_.setSingleShot(true);
        deadline_.start(30s);
    }

    bool Finished() const { return steps_.empty(); }
    int Answered() const { return answered_; }

private:
    void AnswerNext()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (steps_.empty() || !modal)
            return;
        const QString& wanted = steps_.front().first;
        if (!wanted.isEmpty() && modal->objectName() != wanted)
            return;
        Answer answer = std::move(steps_.front().second);
        steps_.pop_front();
        ++answered_;
        // Answered from a fresh event, so that a window the answer opens is
        // seen by the next step: this timer does not fire inside its own handler.
        QTimer::singleShot(0, modal, [answer = std::move(answer), modal] { answer(*modal); });
    }

    std::deque<std::pair<QString, Answer>> steps_;
    QTimer poll_;
    QTimer deadline_;
    int answered_ = 0;
};

// The visible push button of `window` labelled `text`, or nullptr.
inline QPushButton* ButtonOf(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text && button->isVisible())
            return button;
    return nullptr;
}

inline void ClickButton(QWidget& window, const QString& text)
{
    QPushButton* button = ButtonOf(window, text);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + text));
    QTest::mouseClick(button, Qt::LeftButton);
}

// The answer that clicks the button labelled `text`.
inline ModalScript::Answer Click(const QString& text)
{
    return [text](QWidget& window) { ClickButton(window, text); };
}
