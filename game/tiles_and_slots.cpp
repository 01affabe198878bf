#include <algorithm>

#include "game_settings.h"
#include "main_window.h"

namespace kwintor {

namespace {

const QString DropSoundFile = QStringLiteral("1.wav");

}  // namespace

// Every picture that can be dragged may land on a slot.
bool TForm1::Image5DragOver(PictureBox&) const { return true; }

void TForm1::Image5DragDrop(PictureBox& target, PictureBox& source)
{
    PlayDropSound();
    const auto slotBoxes = Slots();
    const auto slotNumber = [&](const PictureBox& box) -> std::size_t {
        return std::size_t(std::find(slotBoxes.begin(), slotBoxes.end(), &box) - slotBoxes.begin()) + 1;
    };
    const std::size_t targetSlot = slotNumber(target);
    const std::size_t sourceSlot = slotNumber(source);
    const bool sourceIsSlot = sourceSlot <= slotBoxes.size();

    target.SetPicture(source.Picture());
    if (!sourceIsSlot)
        PlayerOperators[targetSlot] = PaletteOperator(source);
    else {
        if (&target != &source)
            PlayerOperators[targetSlot] = PlayerOperators[sourceSlot];
        source.SetPicture({});
        PlayerOperators[sourceSlot] = OperatorCode::Empty;
    }
    CheckAndAdvance();
}

OperatorCode TForm1::PaletteOperator(const PictureBox& tile) const
{
    if (&tile == Image2)
        return OperatorCode::Plus;
    if (&tile == Image1)
        return OperatorCode::Minus;
    if (&tile == Image4)
        return OperatorCode::Division;
    return OperatorCode::Multiplication;
}

void TForm1::Button1Click()
{
    for (PictureBox* slot : Slots())
        slot->SetPicture({});
    PlayerOperators.Fill(OperatorCode::Empty);
}

// Opening closes the sound of the last drop, so a quick drop restarts it.
void TForm1::PlayDropSound()
{
    if (!Dwik1->isChecked())
        return;
    grajek->Open(DropSoundFile);
    grajek->Play();
}

}  // namespace kwintor
