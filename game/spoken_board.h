#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

#include "equation.h"

namespace kwintor {

// Slot `number` with what it holds, as a screen reader reads it: "Pole 2: plus".
QString SlotSpeech(std::size_t number, OperatorCode code);

// The round's Equation with the PlayerOperators, "?" for an empty slot and
// the sign a Polish pupil writes for a filled one: "Równanie: 12 + 3 ? 4 = 24".
QString EquationSpeech(std::uint8_t operandCount, std::int32_t target);

}  // namespace kwintor
