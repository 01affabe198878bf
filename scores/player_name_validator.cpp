#include "player_name_validator.h"

#include <algorithm>

#include "score_file_format.h"

namespace kwintor {

QValidator::State PlayerNameValidator::validate(QString& input, int&) const
{
    const bool storable = std::all_of(input.cbegin(), input.cend(), [](QChar character) {
        return character.unicode() >= 32 && IsStorableInScoreFile(character);
    });
    return storable ? Acceptable : Invalid;
}

}  // namespace kwintor
