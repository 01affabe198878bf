// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>

#include "wave_playback.h"

namespace kwintor {

// Whether the game keeps its sound output awake: while the sound is on and
// the board shown, and the player is at the game or left it less than a
// minute ago, so that a drop after thinking is heard whole. It holds no
// device without a reason to.
class OutputHoldRule {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::minutes AwayPatience {1};

    // A game started behind another window counts as left from `start`.
    explicit OutputHoldRule(Clock::time_point start)
        : leftAt_(start)
    {
    }

    void SetSoundOn(bool on) { soundOn_ = on; }
    // Shown and not minimised.
    void SetBoardShown(bool shown) { boardShown_ = shown; }
    // Active while the game's board or one of its dialogs has the focus.
    void SetActive(bool active, Clock::time_point now);

    bool Holds(Clock::time_point now) const;
    // When the time away runs out and Holds turns false by itself.
    std::optional<Clock::time_point> ChangesAt() const;

private:
    bool soundOn_ = false;
    bool boardShown_ = false;
    std::optional<Clock::time_point> leftAt_;  // empty while active
};

// Follows the sound switch, the board's window and the application's focus,
// and has `playback` keep the output awake while the rule holds; lets go
// when destroyed.
class OutputHold : public QObject {
    Q_OBJECT

public:
    OutputHold(QWidget& board, QAction& soundSwitch, WavePlayback& playback);
    ~OutputHold() override;
    OutputHold(const OutputHold&) = delete;
    OutputHold& operator=(const OutputHold&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Update();

    QWidget& board_;
    WavePlayback& playback_;
    OutputHoldRule rule_;
    QTimer awayTimer_;
    bool held_ = false;
};

}  // namespace kwintor
