#pragma once

#include <cstdint>

#include "equation.h"

namespace kwintor {

// CurrentLevel of test mode, also after a game has ended.
inline constexpr std::int32_t TestMode = -1;

struct Settings {
    std::int32_t CurrentLevel = TestMode;
    std::int32_t StartLevel = 1;
    std::uint8_t OperandCount = 2;
    kwintor::OperatorMask OperatorMask = AllOperators;
};

// Lives for one run with the defaults above; nothing is kept between runs.
extern Settings GameSettings;

}  // namespace kwintor
