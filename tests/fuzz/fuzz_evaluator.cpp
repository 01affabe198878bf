// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes, up to 64 KiB, as an expression: no crash, no undefined
// behaviour, and the same answer twice. An input that starts with byte 255
// and a code evaluates with that code already set, as a caller that forgot
// to reset it would. EvalStatus.Text changes only when a level raises code
// 2, 3 or 4, and then holds that level's text: codes 1, 5 and 6 leave it as
// it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "evaluator.h"

namespace {

constexpr std::size_t LongestInput = 64 * 1024;
constexpr std::uint8_t StartCodeMark = 255;
constexpr int Codes = 8;

// Longer than any input, so that no evaluation can write it.
const std::string Untouched(LongestInput + 1, '#');

bool RaisesTextCode(std::uint8_t code) { return code >= 2 && code <= 4; }

// A text the evaluator wrote must be one whose own level raises code 2, 3
// or 4: evaluated alone, it ends with that code and itself as the text.
void CheckWrittenText(const std::string& written)
{
    kwintor::EvalStatus.Code = kwintor::NoError;
    kwintor::EvalStatus.Text = Untouched;
    kwintor::EvaluateExpression(written);
    if (!RaisesTextCode(kwintor::EvalStatus.Code) || kwintor::EvalStatus.Text != written)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > LongestInput)
        return -1;
    std::uint8_t startCode = kwintor::NoError;
    if (size >= 2 && data[0] == StartCodeMark) {
        startCode = data[1] % Codes;
        data += 2;
        size -= 2;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    kwintor::EvalStatus.Code = startCode;
    kwintor::EvalStatus.Text = Untouched;
    const long double first = kwintor::EvaluateExpression(text);
    const std::uint8_t firstCode = kwintor::EvalStatus.Code;
    const std::string firstText = kwintor::EvalStatus.Text;
    if (startCode != kwintor::NoError && firstCode == kwintor::NoError)
        std::abort();
    if (firstCode != kwintor::NoError && first != 0)
        std::abort();
    if (firstText != Untouched)
        CheckWrittenText(firstText);

    kwintor::EvalStatus.Code = startCode;
    kwintor::EvalStatus.Text = Untouched;
    const long double second = kwintor::EvaluateExpression(text);
    if (std::memcmp(&first, &second, 10) != 0 || firstCode != kwintor::EvalStatus.Code ||
        firstText != kwintor::EvalStatus.Text)
        std::abort();
    return 0;
}
