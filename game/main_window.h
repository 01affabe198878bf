// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "announcer.h"
#include "bevel.h"
#include "equation.h"
#include "gradient_form.h"
#include "label.h"
#include "output_hold.h"
#include "periodic_timer.h"
#include "picture_box.h"
#include "settings.h"
#include "slot_keys.h"
#include "wave_playback.h"

namespace kwintor {

// The game board. Widgets keep the names the rest of the game knows them by.
class TForm1 : public TGradientForm {
    Q_OBJECT

public:
    // Creating the window starts the first game of `settings`, which the
    // board reads and advances and which outlive it; `player` plays the drop
    // sound, and the clock ticks every second unless `clock` holds it for a
    // test to tick.
    explicit TForm1(Settings& settings,
                    std::unique_ptr<WavePlayback> player = std::make_unique<EventSoundPlayback>(),
                    PeriodicTimer::Start clock = PeriodicTimer::Start::Running);
    ~TForm1() override;

    // Puts the next equation of CurrentLevel on the board.
    void NewRound();

    // One second of the game: counts the clock down, checks the answer or
    // ends the game at zero.
    void ClockTick();
    // Scores and moves on when the slots solve the equation, and says whether
    // they did; `playerText` gets the player's expression, "?" for an empty slot.
    bool CheckAndAdvance(std::string& playerText);

    bool Image5DragOver(PictureBox& source) const;
    void Image5DragDrop(PictureBox& target, PictureBox& source);
    void Button1Click();
    void PlayDropSound();

    void Nowa1Click();
    void Nowytest1Click();
    void Najlepszewyniki1Click();
    void Wyjcie1Click();
    void Poziomtrudnoci1Click();
    void Poziomtrudnocigry1Click();
    void Pomoc1Click();
    void Button2Click();

    // Operand labels X1..X5, palette tiles Image1..Image4, slot pictures
    // Image5..Image8 and their frames.
    std::array<Label*, 5> OperandLabels() const { return {X1, X2, X3, x4, X5}; }
    std::array<PictureBox*, 4> PaletteTiles() const { return {Image1, Image2, Image3, Image4}; }
    // The palette tile that carries `code`, an operator other than Empty.
    PictureBox& PaletteTile(OperatorCode code) const;
    std::array<PictureBox*, 4> Slots() const { return {Image5, Image6, Image7, Image8}; }
    std::array<Bevel*, 4> SlotFrames() const { return {Beve1, Beve2, Beve3, Beve4}; }

    Bevel* Bevel1;
    PictureBox* Image1;
    PictureBox* Image2;
    PictureBox* Image3;
    PictureBox* Image4;
    Bevel* Bevel2;
    Bevel* Bevel3;
    Bevel* Bevel4;
    Bevel* Beve1;
    PictureBox* Image5;
    Label* X1;
    Label* X2;
    Label* Wynik;
    Bevel* Beve2;
    PictureBox* Image6;
    Label* X3;
    Bevel* Beve3;
    PictureBox* Image7;
    Label* x4;
    Bevel* Beve4;
    PictureBox* Image8;
    Label* X5;
    QMenuBar* MainMenu1;
    QMenu* Gra1;
    QMenu* Opcje1;
    QAction* Pomoc1;
    QAction* Nowa1;
    QAction* Najlepszewyniki1;
    QAction* Wyjcie1;
    QAction* Poziomtrudnoci1;
    QAction* Poziomtrudnocigry1;
    QAction* Nowytest1;
    std::unique_ptr<WavePlayback> grajek;
    QAction* Dwik1;
    QLineEdit* Edit1;
    Bevel* Bevel5;
    PeriodicTimer* Timer1;
    Label* e_punkty;
    Label* Punkty;
    Label* Label1;
    Label* czas;
    Bevel* Bevel6;
    Bevel* Bevel7;
    Label* opis;
    Label* Label2;
    Bevel* Bevel8;
    Bevel* Bevel9;
    QPushButton* Button1;
    Bevel* Bevel10;
    QPushButton* Button2;
    // Tells a screen reader of each round, each solved equation, each move
    // of an operator, the slots cleared and whatever the player asks.
    Announcer* Komunikat;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateBoard();
    void CreateBoxes(QWidget* board);
    void CreatePalette(QWidget* board);
    void CreateEquationRow(QWidget* board);
    void CreateScoreAndClock(QWidget* board);
    void CreateControls(QWidget* board);
    void CreateMenu();
    void FormCreate();
    void LayOutOperands(std::uint8_t operandCount);
    void ConnectCommands();
    OperatorCode PaletteOperator(const PictureBox& tile) const;
    void EndGame();

    void ShowSlots();

    // 1 for Image5 up to 4 for Image8; the slots in use are 1..SlotsInUse().
    std::size_t SlotNumber(const PictureBox& box) const;
    std::size_t SlotsInUse() const;

    // Keyboard play, beside the mouse's.
    bool SlotKeyTaken(PictureBox& slot, const QKeyEvent& key);
    void SlotKeyPress(PictureBox& slot, const SlotKeyAction& action);
    void OfferSlotsToKeyboard();
    std::size_t FocusSlot(std::size_t number, SlotMove move);
    void PlaceOperator(PictureBox& target, PictureBox& source, std::optional<SlotMove> focusMove);

    // What a screen reader reads of the board, and what it is told.
    void NameBoard();
    void SpeakSlots();
    void AnnounceRound(const QString& opening = {});
    void AnswerQuestion(BoardQuestion question);

    Settings& settings_;
    // After grajek, so that it lets the output go before the output ends.
    std::unique_ptr<OutputHold> outputHold_;

    // The round on the board: the test dialog may change the operand count
    // before the next round shows it.
    struct ShownRound {
        std::uint8_t operandCount = 0;
        std::int32_t target = 0;
    } shownRound_;
};

extern TForm1* Form1;

}  // namespace kwintor
