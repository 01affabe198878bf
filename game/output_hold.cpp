// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output_hold.h"

#include <QEvent>
#include <QGuiApplication>

namespace kwintor {

void OutputHoldRule::SetActive(bool active, Clock::time_point now)
{
    if (active)
        leftAt_.reset();
    else if (!leftAt_)
        leftAt_ = now;
}

bool OutputHoldRule::Holds(Clock::time_point now) const
{
    const bool present = !leftAt_ || now - *leftAt_ < AwayPatience;
    return soundOn_ && boardShown_ && present;
}

std::optional<OutputHoldRule::Clock::time_point> OutputHoldRule::ChangesAt() const
{
    if (!leftAt_)
        return std::nullopt;
    return *leftAt_ + AwayPatience;
}

OutputHold::OutputHold(QWidget& board, QAction& soundSwitch, WavePlayback& playback)
    : board_(board)
    , playback_(playback)
    , rule_(OutputHoldRule::Clock::now())
{
    const auto now = OutputHoldRule::Clock::now();
    rule_.SetSoundOn(soundSwitch.isChecked());
    rule_.SetActive(QGuiApplication::applicationState() == Qt::ApplicationActive, now);
    connect(&soundSwitch, &QAction::toggled, this, [this](bool on) {
        rule_.SetSoundOn(on);
        Update();
    });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        rule_.SetActive(state == Qt::ApplicationActive, OutputHoldRule::Clock::now());
        Update();
    });
    awayTimer_.setSingleShot(true);
    connect(&awayTimer_, &QTimer::timeout, this, &OutputHold::Update);
    board_.installEventFilter(this);
    Update();
}

OutputHold::~OutputHold()
{
    if (held_)
        playback_.KeepAwake(false);
}

bool OutputHold::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange: Update(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void OutputHold::Update()
{
    const auto now = OutputHoldRule::Clock::now();
    rule_.SetBoardShown(board_.isVisible() && !board_.isMinimized());
    const bool hold = rule_.Holds(now);
    if (hold != held_) {
        held_ = hold;
        playback_.KeepAwake(hold);
    }
    awayTimer_.stop();
    if (const auto changesAt = rule_.ChangesAt(); hold && changesAt)
        awayTimer_.start(std::chrono::ceil<std::chrono::milliseconds>(*changesAt - now));
}

}  // namespace kwintor
