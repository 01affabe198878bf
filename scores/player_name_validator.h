// SPDX-FileCopyrightText: 2026 The Kwintor developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "message_boxes.h"

namespace kwintor {

// Lets into the name box what the score file can hold as it is, and drops
// the rest of a paste or keystroke: control characters (the name is one
// line of the file) and whatever Windows-1250 lacks. Says in Polish which
// characters it dropped and why.
class PlayerNameValidator : public ExplainingValidator {
    Q_OBJECT

public:
    State validate(QString& input, int& position) const override;
};

}  // namespace kwintor
