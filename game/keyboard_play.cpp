// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QKeyEvent>

#include "error_display.h"
#include "main_window.h"

namespace kwintor {

std::size_t TForm1::SlotsInUse() const { return UsedSlotCount(shownRound_.operandCount); }

// A key the slot does not take goes on to the board, as any widget's does;
// so does every key in a slot this round does not use.
bool TForm1::SlotKeyTaken(PictureBox& slot, const QKeyEvent& key)
{
    const std::optional<SlotKeyAction> action = SlotKeyActionFor(key.key(), key.modifiers());
    if (!action || SlotNumber(slot) > SlotsInUse())
        return false;
    RunGuarded([&] { SlotKeyPress(slot, *action); });
    return true;
}

// A key puts its operator in as a drop of the palette tile would, and
// empties the slot as dropping the slot onto itself does: sound, answer
// check and scoring are the mouse's own.
void TForm1::SlotKeyPress(PictureBox& slot, const SlotKeyAction& action)
{
    const std::size_t number = SlotNumber(slot);
    if (const SlotMove* move = std::get_if<SlotMove>(&action)) {
        FocusSlot(number, *move);
        return;
    }
    if (const BoardQuestion* question = std::get_if<BoardQuestion>(&action)) {
        AnswerQuestion(*question);
        return;
    }
    const OperatorCode code = std::get<OperatorCode>(action);
    if (code == OperatorCode::Empty)
        PlaceOperator(slot, slot, {});
    else
        PlaceOperator(slot, PaletteTile(code), SlotMove::Next);
}

// Tab reaches the slots in use only; each round starts at its first.
void TForm1::OfferSlotsToKeyboard()
{
    const auto slotBoxes = Slots();
    for (std::size_t i = 0; i < slotBoxes.size(); ++i)
        slotBoxes[i]->setFocusPolicy(i < SlotsInUse() ? Qt::TabFocus : Qt::NoFocus);
    FocusSlot(1, SlotMove::First);
}

// The slot now in focus; 0 when the round uses none.
std::size_t TForm1::FocusSlot(std::size_t number, SlotMove move)
{
    const std::size_t next = SlotAfterMove(number, move, SlotsInUse());
    if (next)
        Slots()[next - 1]->setFocus(Qt::OtherFocusReason);
    return next;
}

}  // namespace kwintor
