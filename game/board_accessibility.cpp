#include "main_window.h"
#include "spoken_board.h"

namespace kwintor {

namespace {

const QString SlotKeysHelp = QStringLiteral("Wpisz znak: +, -, * lub x, / lub :. "
                                            "Delete albo Backspace opróżnia pole.");

}  // namespace

// The labels whose numbers need a heading; the slots and the equation
// follow the round in SpeakSlots.
void TForm1::NameBoard()
{
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
        slot.setAccessibleName(inUse ? SlotSpeech(number, PlayerOperators[number]) : QString());
        slot.setAccessibleDescription(inUse ? SlotKeysHelp : QString());
    }
    Bevel8->setAccessibleName(EquationSpeech(shownRound_.operandCount, shownRound_.target));
}

}  // namespace kwintor
