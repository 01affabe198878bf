#pragma once

#include <QValidator>

namespace kwintor {

// Lets into the name box only what the score file can hold as it is:
// no control characters and nothing Windows-1250 lacks.
class PlayerNameValidator : public QValidator {
public:
    State validate(QString& input, int& position) const override;
};

}  // namespace kwintor
