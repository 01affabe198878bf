// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window.h"
#include "reader_tree.h"
#include "spoken_board.h"

namespace kwintor {

namespace {

const QString SlotKeysHelp = QStringLiteral("Wpisz znak: +, -, * lub x, / lub :. "
                                            "Delete albo Backspace opróżnia pole. "
                                            "= czyta równanie, C czas, P punkty.");

// Every new name goes out to a screen reader, the same one too.
void Rename(QWidget& widget, const QString& name)
{
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
}

}  // namespace

// A reader goes through the board as the eye does: the level, the task, the
// equation with its slots, the tiles, the score, the clock, the buttons.
// Frames, hidden widgets and the slots a round does not use are left out.
void TForm1::NameBoard()
{
    ReadAsGroup(*this, QAccessible::Window, {MainMenu1, ClientArea()});
    ReadAsGroup(*ClientArea(), QAccessible::Pane,
                {opis, Label2, Bevel8, Bevel5, Punkty, czas, Button1, Button2, Komunikat});
    ReadAsGroup(*Bevel8, QAccessible::Grouping, {X1, Image5, X2, Image6, X3, Image7, x4, Image8, X5, Wynik});
    ReadAsGroup(*Bevel5, QAccessible::Grouping, {Image2, Image1, Image3, Image4});

    Bevel5->setAccessibleName(QStringLiteral("Znaki działań"));
    for (PictureBox* tile : PaletteTiles())
        tile->setAccessibleName(TileSpeech(PaletteOperator(*tile)));
    const auto operands = OperandLabels();
    for (std::size_t i = 0; i < operands.size(); ++i)
        operands[i]->SetSpokenName(QStringLiteral("Liczba %1").arg(i + 1));
    Wynik->SetSpokenName(QStringLiteral("Wynik"));
    czas->SetSpokenName(QStringLiteral("Czas"));
    Punkty->SetSpokenName(QStringLiteral("Punkty"));
}

// A slot this round does not use has no name: a screen reader passes it by.
void TForm1::SpeakSlots()
{
    const auto slotBoxes = Slots();
    for (std::size_t number = 1; number <= slotBoxes.size(); ++number) {
        PictureBox& slot = *slotBoxes[number - 1];
        const bool inUse = number <= SlotsInUse();
        slot.SetSpokenName(inUse ? SlotSpeech(number, PlayerOperators[number]) : QString());
        const QString help = inUse ? SlotKeysHelp : QString();
        if (slot.accessibleDescription() != help)
            slot.setAccessibleDescription(help);
    }
    Rename(*Bevel8, EquationSpeech(shownRound_.operandCount, shownRound_.target));
}

void TForm1::AnnounceRound(const QString& opening)
{
    const bool testMode = settings_.CurrentLevel == TestMode;
    Komunikat->Announce(opening +
                        RoundSpeech(opis->Caption(), shownRound_.operandCount, shownRound_.target,
                                    testMode ? 0 : czas->Caption().toInt()));
}

void TForm1::AnswerQuestion(BoardQuestion question)
{
    switch (question) {
    case BoardQuestion::WholeEquation:
        Komunikat->Announce(EquationSpeech(shownRound_.operandCount, shownRound_.target));
        break;
    case BoardQuestion::Clock: Komunikat->Announce(czas->accessibleName()); break;
    case BoardQuestion::Score: Komunikat->Announce(Punkty->accessibleName()); break;
    }
}

}  // namespace kwintor
