// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <stdexcept>

#include "drop_rules.h"
#include "error_display.h"
#include "main_window.h"
#include "palette_tiles.h"
#include "spoken_board.h"

namespace kwintor {

namespace {

const QString DropSoundFile = QStringLiteral("1.wav");

// A failing sound stops every drop, so its box says how to play on.
const QString SoundOffHint = QStringLiteral(". Dźwięk można wyłączyć w menu Opcje");

}  // namespace

// Every picture that can be dragged may land on a slot.
bool TForm1::Image5DragOver(PictureBox&) const { return true; }

void TForm1::Image5DragDrop(PictureBox& target, PictureBox& source) { PlaceOperator(target, source, {}); }

// A drop of the mouse or a key's; a key then sends the focus on. A screen
// reader hears one message, sent after the focus has moved, which its
// focus news cannot overtake: the next round if this solved the equation,
// else what changed.
void TForm1::PlaceOperator(PictureBox& target, PictureBox& source, std::optional<SlotMove> focusMove)
{
    PlayDropSound();
    const std::size_t number = SlotNumber(target);
    const std::size_t sourceSlot = SlotNumber(source);
    const DropSource dragged = sourceSlot <= Slots().size()
        ? DropSource {SlotSource {sourceSlot}}
        : DropSource {TileSource {PaletteOperator(source)}};
    const SlotOperators before = PlayerOperators;
    PlayerOperators = AfterDrop(before, number, dragged);
    ShowSlots();
    SpeakSlots();
    std::string playerText;
    if (CheckAndAdvance(playerText))
        return;
    const std::size_t focused = focusMove ? FocusSlot(number, *focusMove) : 0;
    Komunikat->Announce(SlotChangeSpeech(number, before, PlayerOperators, SlotsInUse(), focused));
}

// A slot shows the tile of the operator it holds, so the two never part.
void TForm1::ShowSlots()
{
    const auto slotBoxes = Slots();
    for (std::size_t number = 1; number <= slotBoxes.size(); ++number) {
        const OperatorCode code = PlayerOperators[number];
        slotBoxes[number - 1]->SetPicture(code == OperatorCode::Empty ? QImage()
                                                                      : PaletteTile(code).Picture());
    }
}

// One past the last slot for a box that is none.
std::size_t TForm1::SlotNumber(const PictureBox& box) const
{
    const auto slotBoxes = Slots();
    return std::size_t(std::find(slotBoxes.begin(), slotBoxes.end(), &box) - slotBoxes.begin()) + 1;
}

OperatorCode TForm1::PaletteOperator(const PictureBox& tile) const
{
    const auto tiles = PaletteTiles();
    const auto place = std::find(tiles.begin(), tiles.end(), &tile);
    if (place == tiles.end())
        throw std::logic_error("To nie jest kafelek palety");
    return PaletteOperators[std::size_t(place - tiles.begin())];
}

PictureBox& TForm1::PaletteTile(OperatorCode code) const
{
    const std::optional<std::size_t> index = PaletteIndex(code);
    if (!index)
        throw std::logic_error("Żaden kafelek palety nie niesie tego znaku");
    return *PaletteTiles()[*index];
}

void TForm1::Button1Click()
{
    PlayerOperators.Fill(OperatorCode::Empty);
    ShowSlots();
    SpeakSlots();
    Komunikat->Announce(EquationSpeech(shownRound_.operandCount, shownRound_.target));
}

// Opening closes the sound of the last drop, so a quick drop restarts it.
void TForm1::PlayDropSound()
{
    if (!Dwik1->isChecked())
        return;
    try {
        grajek->Open(DropSoundFile);
    } catch (const Error& error) {
        throw Error((MessageOf(error) + SoundOffHint).toStdString());
    }
    grajek->Play();
}

}  // namespace kwintor
