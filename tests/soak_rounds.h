// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <functional>

#include "board_drag.h"
#include "game_fixture.h"
#include "modal_script.h"
#include "scripted_prompts.h"

// Plays whole games through the board's own handlers, as a tireless player
// would: each round is solved by dragging the equation's operators into
// their slots, a tick of the clock comes between the drops, and each game
// ends by giving up and entering the score under a name in the table.
class SoakRounds {
public:
    using SaveCheck = std::function<void()>;

    // `afterSave` runs after each save of the score file.
    SoakRounds(GameFixture& game, SaveCheck afterSave)
        : game_(game)
        , afterSave_(std::move(afterSave))
    {
    }

    // Plays a new game of `rounds` solved rounds and ends it as a record
    // entered as `name`; false when the game-over windows did not all come.
    bool PlayGame(int rounds, const QString& name)
    {
        kwintor::TForm1& form = *game_.form;
        form.Nowa1->trigger();
        for (int round = 0; round < rounds; ++round)
            SolveRound();
        QTest::mouseClick(form.Button2, Qt::LeftButton);

        ScriptedPrompts prompts;
        prompts.Message().Input(name);
        ModalScript table;
        table.Then(QStringLiteral("naj2"), [this](QWidget& dialog) {
            afterSave_();
            PressButton(QStringLiteral("OK"))(dialog);
        });
        emit form.Timer1->Ticked();
        QCoreApplication::processEvents();
        afterSave_();
        return prompts.Finished() && table.Finished();
    }

private:
    void SolveRound()
    {
        kwintor::TForm1& form = *game_.form;
        const auto slotBoxes = form.Slots();
        for (std::size_t i = 1; i < game_.settings.OperandCount; ++i) {
            DragTo(form.PaletteTile(kwintor::Equation[i].Operator), *slotBoxes[i - 1]);
            if (i == 1)
                emit form.Timer1->Ticked();
        }
        // Lets the board paint and deferred deletions happen, as between a player's rounds.
        QCoreApplication::processEvents();
    }

    // Presses the window's visible button of that text. Unlike ClickButton it
    // makes no Qt Test check, so that the memory benchmark can play too.
    static ModalScript::Answer PressButton(const QString& text)
    {
        return [text](QWidget& window) {
            if (QPushButton* button = ButtonOf(window, text))
                button->click();
        };
    }

    GameFixture& game_;
    SaveCheck afterSave_;
};
