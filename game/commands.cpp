// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "about_window.h"
#include "error_display.h"
#include "main_window.h"
#include "najlepsi.h"
#include "score_table.h"
#include "start_level_dialog.h"
#include "test_difficulty_dialog.h"

namespace kwintor {

// Every event reaches the game through a guard: an error ends that event
// in the error display, and the game goes on with the next one.
void TForm1::ConnectCommands()
{
    const auto on = [this](QAction* action, void (TForm1::*handler)()) {
        connect(action, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
    };
    on(Nowa1, &TForm1::Nowa1Click);
    on(Nowytest1, &TForm1::Nowytest1Click);
    on(Najlepszewyniki1, &TForm1::Najlepszewyniki1Click);
    on(Wyjcie1, &TForm1::Wyjcie1Click);
    on(Poziomtrudnoci1, &TForm1::Poziomtrudnoci1Click);
    on(Poziomtrudnocigry1, &TForm1::Poziomtrudnocigry1Click);
    on(Pomoc1, &TForm1::Pomoc1Click);
    // Dwik1 is a checkable action: a click toggles the sound by itself.
    connect(Button1, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));
    connect(Button2, &QPushButton::clicked, this, Guarded([this] { Button2Click(); }));
    connect(Timer1, &PeriodicTimer::Ticked, this, Guarded([this] { ClockTick(); }));
    for (PictureBox* slot : Slots()) {
        slot->SetAcceptTest([this](PictureBox& source) { return Image5DragOver(source); });
        slot->SetDropHandler(
            [this](PictureBox& target, PictureBox& source) { Image5DragDrop(target, source); });
        slot->SetKeyHandler(
            [this](PictureBox& target, const QKeyEvent& key) { return SlotKeyTaken(target, key); });
    }
}

void TForm1::Nowa1Click()
{
    settings_.CurrentLevel = settings_.StartLevel;
    Punkty->SetCaption(QStringLiteral("0"));
    NewRound();
    AnnounceRound();
}

void TForm1::Nowytest1Click()
{
    settings_.CurrentLevel = TestMode;
    Punkty->SetCaption(QStringLiteral("0"));
    NewRound();
    AnnounceRound();
}

void TForm1::Najlepszewyniki1Click()
{
    LoadScoreTable();
    naj2->ShowModal();
}

void TForm1::Wyjcie1Click() { close(); }

void TForm1::Poziomtrudnoci1Click() { Form2->ShowModal(); }

void TForm1::Poziomtrudnocigry1Click() { Form3->ShowModal(); }

void TForm1::Pomoc1Click() { Form4->ShowAbout(); }

// In a game the next tick then ends it; in test mode the clock stands at 0 anyway.
void TForm1::Button2Click() { czas->SetCaption(QStringLiteral("0")); }

}  // namespace kwintor
