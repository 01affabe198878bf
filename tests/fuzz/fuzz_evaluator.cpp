// Any bytes, up to 64 KiB, as an expression: no crash, no undefined
// behaviour, and the same answer twice.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "evaluator.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 64 * 1024)
        return -1;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    kwintor::EvalStatus.Code = kwintor::NoError;
    const long double first = kwintor::EvaluateExpression(text);
    const std::uint8_t firstCode = kwintor::EvalStatus.Code;
    const std::string firstText = kwintor::EvalStatus.Text;
    kwintor::EvalStatus.Code = kwintor::NoError;
    const long double second = kwintor::EvaluateExpression(text);
    if (std::memcmp(&first, &second, 10) != 0 || firstCode != kwintor::EvalStatus.Code ||
        (firstCode >= 2 && firstCode <= 4 && firstText != kwintor::EvalStatus.Text))
        std::abort();
    if (firstCode != kwintor::NoError && first != 0)
        std::abort();
    return 0;
}
